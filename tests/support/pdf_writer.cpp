#include "support/pdf_writer.h"

#include <algorithm>
#include <zlib.h>

void PdfWriter::addObject(int number, const QByteArray &body)
{
    m_objects.append({number, body});
}

QByteArray pdfStream(const QByteArray &entries, const QByteArray &data)
{
    return "<< " + entries + " /Length " + QByteArray::number(data.size()) + " >>\nstream\n" + data +
           "\nendstream";
}

QByteArray PdfWriter::objects(QVector<qint64> &offsets) const
{
    QByteArray file = "%PDF-1.7\n%\xE2\xE3\xCF\xD3\n";
    for (const auto &[number, body] : m_objects) {
        offsets.resize(std::max<qsizetype>(offsets.size(), number + 1));
        offsets[number] = file.size();
        file += QByteArray::number(number) + " 0 obj\n" + body + "\nendobj\n";
    }
    return file;
}

QByteArray PdfWriter::build(const QByteArray &trailerEntries) const
{
    QVector<qint64> offsets;
    QByteArray file = objects(offsets);
    const qint64 xref = file.size();
    file += "xref\n0 " + QByteArray::number(offsets.size()) + "\n0000000000 65535 f \n";
    for (qsizetype number = 1; number < offsets.size(); ++number) {
        file += offsets[number] ? QByteArray::number(offsets[number]).rightJustified(10, '0') + " 00000 n \n"
                                : QByteArray("0000000000 65535 f \n");
    }
    file += "trailer\n<< /Size " + QByteArray::number(offsets.size()) + " " + trailerEntries +
            " >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return file;
}

QByteArray PdfWriter::buildWithStream(const QByteArray &trailerEntries, bool predicted, qint64 blanks,
                                      char rowType) const
{
    QVector<qint64> offsets;
    QByteArray file = objects(offsets);
    const qint64 xref = file.size();
    const QByteArray number = QByteArray::number(offsets.size());
    offsets.append(xref); // the stream's own entry
    QByteArray rows;
    QByteArray previous(6, '\0');
    for (const qint64 offset : offsets) {
        QByteArray row(6, '\0');
        row[0] = char(offset ? 1 : 0);
        for (int i = 0; i < 4; ++i)
            row[1 + i] = char(offset >> (24 - 8 * i));
        if (predicted) {
            QByteArray difference(6, '\0');
            for (int i = 0; i < 6; ++i)
                difference[i] = char(row[i] - previous[i]);
            rows += rowType + difference;
        } else {
            rows += row;
        }
        previous = row;
    }
    file += number + " 0 obj\n" +
            pdfStream("/Type /XRef /Size " + QByteArray::number(offsets.size()) +
                          " /W [1 4 1] /Filter /FlateDecode " +
                          (predicted ? "/DecodeParms << /Predictor 12 /Columns 6 >> " : "") + trailerEntries,
                      deflated(rows, blanks)) +
            "\nendobj\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return file;
}

PdfWriter minimalPdfWriter(const QByteArray &infoEntries, const QByteArray &catalogEntries,
                           const QVector<QPair<int, QByteArray>> &extra)
{
    PdfWriter writer;
    writer.addObject(1, "<< /Type /Catalog /Pages 2 0 R " + catalogEntries + " >>");
    writer.addObject(2, "<< /Type /Pages /Kids [3 0 R] /Count 1 >>");
    writer.addObject(3, "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] >>");
    writer.addObject(4, "<< " + infoEntries + " >>");
    for (const auto &[number, body] : extra)
        writer.addObject(number, body);
    return writer;
}

QByteArray minimalPdf(const QByteArray &infoEntries, const QByteArray &catalogEntries,
                      const QVector<QPair<int, QByteArray>> &extra)
{
    return minimalPdfWriter(infoEntries, catalogEntries, extra).build(kMinimalTrailer);
}

QByteArray deflated(const QByteArray &head, qint64 blanks)
{
    z_stream stream{};
    deflateInit(&stream, Z_BEST_COMPRESSION);
    const QByteArray piece(1 << 20, ' ');
    QByteArray out;
    char buffer[1 << 16];
    const auto compress = [&](const char *data, qint64 size, int flush) {
        stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data));
        stream.avail_in = uInt(size);
        do {
            stream.next_out = reinterpret_cast<Bytef *>(buffer);
            stream.avail_out = sizeof buffer;
            deflate(&stream, flush);
            out.append(buffer, qsizetype(sizeof buffer - stream.avail_out));
        } while (stream.avail_out == 0);
    };
    compress(head.constData(), head.size(), Z_NO_FLUSH);
    for (qint64 left = blanks; left > 0; left -= piece.size())
        compress(piece.constData(), std::min<qint64>(left, piece.size()), Z_NO_FLUSH);
    compress(nullptr, 0, Z_FINISH);
    deflateEnd(&stream);
    return out;
}
