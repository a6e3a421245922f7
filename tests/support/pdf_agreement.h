#pragma once

#include <QByteArray>

// Whether the plain PDF reader reads `bytes`; when it does, the calling test fails unless it gives the
// values that qpdf gives.
bool readsPlainlyAsQpdf(const QByteArray &bytes);
