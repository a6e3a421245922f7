#pragma once

#include "listing/document_grid.h"

#include <QAbstractTableModel>
#include <QBrush>
#include <QPalette>
#include <QPixmap>

// The document grid shown to a QTableView: one model row per document row; the header row is the
// horizontal header. The grid stays the data; the model only hands out what it holds.
class GridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // `grid` must outlive the model. Name colours come from the application palette until setPalette.
    explicit GridModel(DocumentGrid &grid, QObject *parent = nullptr);

    const DocumentGrid &grid() const { return m_grid; }

    // Wrap any change of the grid's columns or rows (a listing, a sort, a language switch):
    // beginReset() before the change, endReset() after it. reset() is both at once, for a change already
    // made while no view could paint.
    void beginReset() { beginResetModel(); }
    void endReset() { endResetModel(); }
    void reset();
    // After a change of one document row's cells or name colour.
    void rowChanged(int row);
    // After a change of the bold column, the arrow or a caption.
    void headerChanged();
    // Stores a column's width in the grid (the view calls it when the user drags a column edge).
    void setColumnWidthTwips(int column, int twips);

    // The palette whose Highlight, Dark and WindowText colour the name cells.
    void setPalette(const QPalette &palette);
    // The up and down arrows of the sorted header cell; a null pixmap for SortArrow::None.
    QPixmap arrowPixmap(SortArrow arrow) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    DocumentGrid &m_grid;
    QBrush m_highlight;
    QBrush m_hidden;
    QBrush m_normal;
    QPixmap m_upArrow;
    QPixmap m_downArrow;
};
