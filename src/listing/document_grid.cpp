#include "listing/document_grid.h"

#include <utility>

void DocumentGrid::setColumns(QVector<GridColumn> columns)
{
    m_columns = std::move(columns);
    m_rows.clear();
    m_boldColumn = 0;
    clearArrow();
}

void DocumentGrid::appendRow(GridRow row)
{
    completeRow(row);
    m_rows.append(std::move(row));
}

void DocumentGrid::appendRows(QVector<GridRow> &&rows)
{
    for (GridRow &row : rows)
        completeRow(row);
    if (m_rows.isEmpty()) {
        m_rows = std::exchange(rows, {});
        return;
    }
    m_rows.reserve(m_rows.size() + rows.size());
    for (GridRow &row : rows)
        m_rows.append(std::move(row));
    rows.clear();
}

void DocumentGrid::completeRow(GridRow &row) const
{
    while (row.cells.size() < m_columns.size())
        row.cells.append({});
    if (row.fileName.isNull() && !row.cells.isEmpty())
        row.fileName = row.cells.value(0);
}

void DocumentGrid::setArrow(int column, SortArrow arrow)
{
    m_arrowColumn = arrow == SortArrow::None ? -1 : column;
    m_arrow = m_arrowColumn < 0 ? SortArrow::None : arrow;
}
