#pragma once

#include "platform/pdf_object_parser.h"
#include "platform/pdf_stream_filters.h"

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

// The decoded data of a stream whose dictionary is `dictionary` and whose stored data is `stored`: as stored
// without a filter; inflated for FlateDecode (alone, or the one filter of an array), then un-predicted
// for the PNG predictors with one 8-bit colour component, as qpdf decodes them (an incomplete last row
// dropped). Nothing for any other filter or parameter, an external stream, a stream that inflates to
// more than kPdfMaxDecodedStream bytes (qpdf's decoders stop there too), or a deflate stream that is damaged
// or followed by other bytes.
std::optional<QByteArray> decodePlainPdfStream(QByteArrayView stored, const PdfObject &dictionary);
