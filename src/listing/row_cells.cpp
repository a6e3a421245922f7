#include "listing/row_cells.h"

namespace {

constexpr qsizetype kLengthUnits = 2;

qsizetype lengthAt(const QString &text, qsizetype offset)
{
    return qsizetype(text.at(offset).unicode()) | qsizetype(text.at(offset + 1).unicode()) << 16;
}

void appendCell(QString &text, QStringView cell)
{
    const auto length = quint32(cell.size());
    text.append(QChar(char16_t(length & 0xFFFF)));
    text.append(QChar(char16_t(length >> 16)));
    text.append(cell);
}

} // namespace

RowCells::RowCells(std::initializer_list<QString> cells)
    : RowCells(QStringList(cells))
{}

RowCells::RowCells(const QStringList &cells)
{
    for (const QString &cell : cells)
        append(cell);
}

qsizetype RowCells::offsetOf(qsizetype index) const
{
    Q_ASSERT(index >= 0 && index < m_count);
    qsizetype offset = 0;
    for (qsizetype i = 0; i < index; ++i)
        offset += kLengthUnits + lengthAt(m_text, offset);
    return offset;
}

QStringView RowCells::at(qsizetype index) const
{
    const qsizetype offset = offsetOf(index);
    return QStringView(m_text).sliced(offset + kLengthUnits, lengthAt(m_text, offset));
}

QString RowCells::value(qsizetype index) const
{
    return index >= 0 && index < m_count ? at(index).toString() : QString();
}

QVarLengthArray<QStringView, 32> RowCells::views() const
{
    QVarLengthArray<QStringView, 32> cells;
    cells.reserve(m_count);
    for (qsizetype offset = 0; offset < m_text.size();) {
        const qsizetype length = lengthAt(m_text, offset);
        cells.append(QStringView(m_text).sliced(offset + kLengthUnits, length));
        offset += kLengthUnits + length;
    }
    return cells;
}

QString RowCells::join(QStringView separator) const
{
    QString joined;
    for (qsizetype i = 0; i < m_count; ++i) {
        if (i > 0)
            joined += separator;
        joined += at(i);
    }
    return joined;
}

void RowCells::append(QStringView cell)
{
    // A cell of this row itself is copied first: growing the block would move it.
    if (cell.data() >= m_text.constData() && cell.data() < m_text.constData() + m_text.size())
        appendCell(m_text, cell.toString());
    else
        appendCell(m_text, cell);
    ++m_count;
}

void RowCells::set(qsizetype index, QStringView cell)
{
    const qsizetype offset = offsetOf(index);
    QString text;
    text.reserve(m_text.size() - lengthAt(m_text, offset) + cell.size());
    text.append(QStringView(m_text).first(offset));
    appendCell(text, cell);
    text.append(QStringView(m_text).sliced(offset + kLengthUnits + lengthAt(m_text, offset)));
    m_text = std::move(text);
}

void RowCells::clear()
{
    m_text.resize(0); // unlike QString::clear(), keeps the allocation
    m_count = 0;
}

RowCells RowCells::compacted() const
{
    RowCells copy;
    copy.m_text = QString(m_text.constData(), m_text.size());
    copy.m_count = m_count;
    return copy;
}
