#include "listing/document_grid.h"

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
