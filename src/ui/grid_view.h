#pragma once

#include <QTableView>

class GridModel;

// The document grid gridFiles: a table with one fixed header row, no row header, whole-row selection
// whose highlight shows only once a document row has been clicked, column widths kept in twips in the
// model's grid and row heights of whole header-row heights. The caller sets the object name.
class GridView : public QTableView
{
    Q_OBJECT
public:
    explicit GridView(QWidget *parent = nullptr);

    // Shows `model`, which must outlive the view. Widths and heights follow the grid at every reset.
    void setGridModel(GridModel *model);
    GridModel *gridModel() const { return m_model; }

    // Column widths in twips (1/1440 inch), converted with the screen's logical dots per inch.
    int columnWidthTwips(int column) const;
    void setColumnWidthTwips(int column, int twips);
    // Sets every column to its width in the grid (done at every model reset too). Column edges are
    // rounded to pixels, not each width, so columns that share a width in twips never overflow it.
    void applyColumnWidths();
    // The width, in pixels, that the columns share when they are reset to equal widths: the inside of the
    // grid less the vertical scroll bar's room, kept even while the bar is hidden, since the listing that
    // follows a reset usually brings it back.
    int shareableWidth() const;

    // The height of the header row; one line of a document row is this high.
    int lineHeight() const;
    // Gives every document row the header row's height times its lines.
    void applyRowHeights();
    // Word wrap on for more than one line per cell, then every row's height again. The rows' `lines`
    // are the grid's: set them before calling this.
    void setLinesPerCell(int lines);

    // The document row at the current index, or -1 after a header click or when the grid is empty.
    int documentRow() const;

    // Cell tips: when on, hovering a cell whose text is wider than its column shows the whole text.
    void setCellTips(bool on) { m_cellTips = on; }
    // The tip of a cell: its text when drawn on one line in the grid's font it is wider than its column,
    // otherwise empty.
    QString cellTip(const QModelIndex &index) const;

    // Whether the selected row shows in the highlight colour. A press on a document row turns it on, a
    // press on the header turns it off; a listing turns it off.
    void setSelectionHighlight(bool on);
    bool isSelectionHighlighted() const { return m_highlightSelection; }

    // The width a column needs to show its longest text on one line, every document row counted (not
    // only those on screen). A double-click on the divider at the column's right edge sets it.
    int sizeHintForColumn(int column) const override;

Q_SIGNALS:
    // The Delete key was pressed in the grid.
    void deleteRequested();
    // Enter was pressed on a document row.
    void openRequested();

protected:
    bool event(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool viewportEvent(QEvent *event) override;

private:
    void storeUserWidth(int column, int oldPixels, int newPixels);
    qreal dpi() const;

    GridModel *m_model = nullptr;
    bool m_highlightSelection = false;
    bool m_applyingWidths = false;
    bool m_cellTips = false;
};
