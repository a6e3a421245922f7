#include "cli/table_output.h"

#include "listing/row_runs.h"

#include <QStringEncoder>
#include <algorithm>

namespace {

// What is gathered before it is handed on.
constexpr qsizetype kPieceBytes = 64 * 1024;

// Encodes cells as UTF-8 into a buffer that is handed on each time it fills.
class Utf8Table
{
public:
    Utf8Table(TableFormat format, const OutputSink &write)
        : m_csv(format == TableFormat::Csv)
        , m_write(write)
    {
        m_out.reserve(kPieceBytes + 4096);
    }

    void appendRow(const QVector<int> &columns, const auto &cellOf)
    {
        for (qsizetype i = 0; i < columns.size(); ++i) {
            if (i > 0)
                m_out += m_csv ? ',' : '\t';
            appendField(cellOf(columns[i]));
        }
        m_out += m_csv ? QByteArrayView("\r\n") : QByteArrayView("\n");
        if (m_out.size() >= kPieceBytes)
            flush();
    }

    void flush()
    {
        if (!m_out.isEmpty())
            m_write(m_out);
        m_out.truncate(0); // keeps the buffer
    }

private:
    // Encodes `text` at the end of the output and returns where it starts.
    qsizetype appendUtf8(QStringView text)
    {
        const qsizetype start = m_out.size();
        m_out.resize(start + m_encoder.requiredSpace(text.size()));
        char *end = m_encoder.appendToBuffer(m_out.data() + start, text);
        m_out.truncate(end - m_out.constData());
        return start;
    }

    void appendField(QStringView cell)
    {
        const qsizetype start = appendUtf8(cell);
        // Tabs, CR and LF are single bytes in UTF-8 and never part of a longer sequence.
        const auto field = m_out.begin() + start;
        if (!m_csv) {
            std::replace_if(
                field, m_out.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
            return;
        }
        if (std::none_of(field, m_out.end(),
                         [](char c) { return c == ',' || c == '"' || c == '\n' || c == '\r'; }))
            return;
        QByteArray quoted = m_out.sliced(start);
        quoted.replace('"', "\"\"");
        m_out.truncate(start);
        m_out += '"' + quoted + '"';
    }

    bool m_csv;
    const OutputSink &m_write;
    QStringEncoder m_encoder{QStringEncoder::Utf8, QStringEncoder::Flag::Stateless};
    QByteArray m_out;
};

} // namespace

void writeGrid(const DocumentGrid &grid, const QVector<int> &columns, TableFormat format,
               const OutputSink &write)
{
    Utf8Table header(format, write);
    header.appendRow(columns, [&](int column) { return QStringView(grid.column(column).caption); });
    header.flush();
    const auto encodeRows = [&](qsizetype first, qsizetype end) {
        QByteArray bytes;
        const OutputSink gather = [&bytes](QByteArrayView piece) { bytes += piece; };
        Utf8Table table(format, gather);
        for (qsizetype i = first; i < end; ++i) {
            const auto cells = grid.rows().at(i).cells.views();
            table.appendRow(columns, [&](int column) { return cells[column]; });
        }
        table.flush();
        return bytes;
    };
    writeRowRuns(grid.rows().size(), encodeRows, [&](const QByteArray &bytes) {
        write(bytes);
        return true;
    });
}
