#pragma once

#include <QString>

// The 8.3 short name of a file; empty when the platform gives none (always on Linux and macOS, and on
// Windows when the long name is already a valid 8.3 name).
QString shortName(const QString &path);
