#pragma once

#include <QByteArray>

// The directory of the running program, from the system's own link to it; empty when it cannot be read.
QByteArray programDirectory();
