#include "cli/table_output.h"

#include <QStringEncoder>
#include <algorithm>

namespace {

// Appends cells as UTF-8 without a copy of the whole table in UTF-16.
class Utf8Table
{
public:
    explicit Utf8Table(TableFormat format)
        : m_csv(format == TableFormat::Csv)
    {}

    void appendRow(const QVector<int> &columns, const auto &cellOf)
    {
        for (qsizetype i = 0; i < columns.size(); ++i) {
            if (i > 0)
                m_out += m_csv ? ',' : '\t';
            appendField(cellOf(columns[i]));
        }
        m_out += m_csv ? QByteArrayView("\r\n") : QByteArrayView("\n");
    }

    QByteArray take() { return std::move(m_out); }

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
    QStringEncoder m_encoder{QStringEncoder::Utf8, QStringEncoder::Flag::Stateless};
    QByteArray m_out;
};

} // namespace

QByteArray formatGrid(const DocumentGrid &grid, const QVector<int> &columns, TableFormat format)
{
    Utf8Table table(format);
    table.appendRow(columns, [&](int column) { return QStringView(grid.column(column).caption); });
    for (const GridRow &row : grid.rows())
        table.appendRow(columns, [&](int column) { return QStringView(row.cells.at(column)); });
    return table.take();
}
