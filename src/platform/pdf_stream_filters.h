#pragma once

#include <QtGlobal>

// Most bytes one stream may decode to while a PDF file is read; real cross-reference and object streams
// are far smaller.
inline constexpr qint64 kPdfMaxDecodedStream = 4 * 1024 * 1024;

// Replaces, for the whole process, qpdf's decoders of the filters that expand their data: FlateDecode
// (with the PNG predictors and the 8-bit TIFF one) and RunLengthDecode stop with PdfReadStopped past
// kPdfMaxDecodedStream bytes, and LZWDecode is not decoded at all (it belongs to files older than the
// streams read here). qpdf decodes cross-reference and object streams by itself: without these caps, a
// stream of one megabyte could make it inflate a gigabyte. Idempotent and thread-safe.
void installPdfStreamFilters();
