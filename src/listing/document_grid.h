#pragma once

#include "listing/row_cells.h"
#include "platform/document_properties.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <memory>

// How the cells of a column are aligned: the "<" and "^" marks of the column table.
enum class ColumnAlignment { Left, Centre };

// Colour of a row's name cell; the window maps these to the palette (Highlight, Dark, WindowText).
enum class NameColour { Normal, Highlight, Hidden };

// The sort arrow shown in the header cell of the sorted column.
enum class SortArrow { None, Up, Down };

struct GridColumn
{
    QString caption; // header text, leading blanks included
    ColumnAlignment alignment = ColumnAlignment::Left;
    int widthTwips = 0;
};

struct GridRow
{
    RowCells cells; // one text per column; cell 0 is the file name as shown (displayName)
    NameColour nameColour = NameColour::Normal;
    int lines = 1; // row height in header-row heights (lines per cell when the row was made)
    // The file's name in native form (see native_name.h): what opens, renames, trashes and links the file.
    // It differs from cell 0 only for a name that is not valid UTF-8; appendRow takes cell 0 when unset.
    QString fileName = {};
    // The document's properties, kept only when the listing is asked to (the command line's typed output).
    std::shared_ptr<const DocumentProperties> properties = {};
};

// The document grid as data: the header (captions, alignment, widths, bold column, sort arrow) and the
// document rows. The scan fills it, the HTML writers read it and the window shows it through a model.
// Row indices here count document rows only: document row i is grid row i + 1 of the on-screen grid.
class DocumentGrid
{
public:
    int columnCount() const { return int(m_columns.size()); }
    int rowCount() const { return int(m_rows.size()); }

    const GridColumn &column(int index) const { return m_columns[index]; }
    GridColumn &column(int index) { return m_columns[index]; }
    const QVector<GridColumn> &columns() const { return m_columns; }

    const GridRow &row(int index) const { return m_rows[index]; }
    GridRow &row(int index) { return m_rows[index]; }
    const QVector<GridRow> &rows() const { return m_rows; }
    QVector<GridRow> &rows() { return m_rows; }

    // Replaces every column and drops every row; the bold column goes back to 0 and the arrow away.
    void setColumns(QVector<GridColumn> columns);
    // Appends a row; missing cells are filled with empty texts so that every row has columnCount() cells,
    // and a row without a file name gets cell 0 as its file name.
    void appendRow(GridRow row);
    // Appends every row of `rows`, completed as appendRow would, and leaves `rows` empty; a grid without
    // rows takes the array itself.
    void appendRows(QVector<GridRow> &&rows);
    // Gives `row` the missing cells and the file name that appendRow would.
    void completeRow(GridRow &row) const;
    void clearRows() { m_rows.clear(); }

    // The header cell shown in bold (the column last sorted by a header click); -1 for none.
    int boldColumn() const { return m_boldColumn; }
    void setBoldColumn(int column) { m_boldColumn = column; }

    // The column whose header shows the sort arrow, or -1; and which arrow.
    int arrowColumn() const { return m_arrowColumn; }
    SortArrow arrow() const { return m_arrow; }
    void setArrow(int column, SortArrow arrow);
    void clearArrow() { setArrow(-1, SortArrow::None); }

private:
    QVector<GridColumn> m_columns;
    QVector<GridRow> m_rows;
    int m_boldColumn = 0;
    int m_arrowColumn = -1;
    SortArrow m_arrow = SortArrow::None;
};
