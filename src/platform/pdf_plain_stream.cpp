#include "platform/pdf_plain_stream.h"

#include "platform/png_prediction.h"

#include <zlib.h>

namespace {

constexpr qint64 kMaxColumns = 1 << 20;

std::optional<QByteArray> inflated(QByteArrayView stored)
{
    if (stored.isEmpty())
        return std::nullopt;
    z_stream zip{};
    if (inflateInit(&zip) != Z_OK)
        return std::nullopt;
    QByteArray out(std::min<qint64>(kPdfMaxDecodedStream + 1, std::max<qint64>(4096, stored.size() * 4)),
                   Qt::Uninitialized);
    zip.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(stored.data()));
    zip.avail_in = uInt(stored.size());
    qint64 produced = 0;
    int result = Z_OK;
    while (result == Z_OK) {
        if (produced == out.size()) {
            if (out.size() > kPdfMaxDecodedStream)
                break;
            out.resize(std::min<qint64>(kPdfMaxDecodedStream + 1, out.size() * 2));
        }
        zip.next_out = reinterpret_cast<Bytef *>(out.data() + produced);
        zip.avail_out = uInt(out.size() - produced);
        result = inflate(&zip, Z_NO_FLUSH);
        produced = out.size() - zip.avail_out;
    }
    inflateEnd(&zip);
    if (result != Z_STREAM_END || zip.avail_in != 0 || produced > kPdfMaxDecodedStream)
        return std::nullopt;
    out.truncate(produced);
    return out;
}

// An integer parameter: `missing` when absent or null, -1 when of another kind.
qint64 parameter(const PdfObject &parameters, QByteArrayView key, qint64 missing)
{
    const PdfObject *value = parameters.find(key);
    if (!value || value->kind == PdfObject::Kind::Null)
        return missing;
    return value->kind == PdfObject::Kind::Number && value->isInteger ? value->integer : -1;
}

// The row length of the PNG predictor that `parameters` name, 0 for none; nothing for anything else.
std::optional<qint64> pngColumns(const PdfObject *parameters)
{
    if (!parameters || parameters->kind == PdfObject::Kind::Null)
        return 0;
    if (parameters->kind != PdfObject::Kind::Dictionary)
        return std::nullopt;
    const qint64 predictor = parameter(*parameters, "Predictor", 1);
    if (predictor == 1)
        return 0;
    const qint64 columns = parameter(*parameters, "Columns", 1);
    if (predictor < 10 || predictor > 15 || parameter(*parameters, "Colors", 1) != 1 ||
        parameter(*parameters, "BitsPerComponent", 8) != 8 || columns < 1 || columns > kMaxColumns)
        return std::nullopt;
    return columns;
}

// Undoes the PNG predictor, rows of one filter-type byte and `columns` bytes of one byte per pixel.
std::optional<QByteArray> unpredicted(const QByteArray &data, qint64 columns)
{
    const qint64 rows = data.size() / (columns + 1);
    QByteArray out(rows * columns, Qt::Uninitialized);
    const auto *in = reinterpret_cast<const unsigned char *>(data.constData());
    auto *row = reinterpret_cast<unsigned char *>(out.data());
    const unsigned char *previous = nullptr;
    for (qint64 r = 0; r < rows; ++r, in += columns + 1, row += columns) {
        const int type = in[0];
        for (qint64 i = 0; i < columns; ++i) {
            const int left = i > 0 ? row[i - 1] : 0;
            const int up = previous ? previous[i] : 0;
            const int upLeft = i > 0 && previous ? previous[i - 1] : 0;
            const int predicted = pngPrediction(type, left, up, upLeft);
            if (predicted < 0)
                return std::nullopt;
            row[i] = static_cast<unsigned char>(in[1 + i] + predicted);
        }
        previous = row;
    }
    return out;
}

} // namespace

std::optional<QByteArray> decodePlainPdfStream(QByteArrayView stored, const PdfObject &dictionary)
{
    if (dictionary.has("F") || dictionary.has("FFilter") || dictionary.has("FDecodeParms"))
        return std::nullopt;
    const PdfObject *filter = dictionary.find("Filter");
    const PdfObject *parameters = dictionary.find("DecodeParms");
    if (!filter || filter->kind == PdfObject::Kind::Null) {
        if (parameters && parameters->kind != PdfObject::Kind::Null)
            return std::nullopt;
        return stored.toByteArray();
    }
    const auto isFlate = [](const PdfObject &name) {
        return name.kind == PdfObject::Kind::Name && name.bytes == "FlateDecode";
    };
    const bool alone = isFlate(*filter);
    if (!alone && !(filter->kind == PdfObject::Kind::Array && filter->items.size() == 1 &&
                    isFlate(filter->items[0]) && (!parameters || parameters->kind == PdfObject::Kind::Null)))
        return std::nullopt;
    const std::optional<qint64> columns = pngColumns(parameters);
    if (!columns)
        return std::nullopt;
    std::optional<QByteArray> data = inflated(stored);
    if (!data || *columns == 0)
        return data;
    return unpredicted(*data, *columns);
}
