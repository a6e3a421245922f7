#include "ui/grid_model.h"

#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPolygon>

namespace {

// A 10 x 9 pixel triangle pointing up or down, in the window-text colour on a transparent ground.
QPixmap drawArrow(bool up, const QColor &colour)
{
    QPixmap pixmap(10, 9);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const QPolygon triangle = up ? QPolygon({QPoint(5, 1), QPoint(10, 8), QPoint(0, 8)})
                                 : QPolygon({QPoint(0, 1), QPoint(10, 1), QPoint(5, 8)});
    painter.drawPolygon(triangle);
    return pixmap;
}

} // namespace

GridModel::GridModel(DocumentGrid &grid, QObject *parent)
    : QAbstractTableModel(parent)
    , m_grid(grid)
{
    setPalette(QGuiApplication::palette());
}

void GridModel::reset()
{
    beginResetModel();
    endResetModel();
}

void GridModel::rowChanged(int row)
{
    if (row < 0 || row >= m_grid.rowCount() || m_grid.columnCount() == 0)
        return;
    Q_EMIT dataChanged(index(row, 0), index(row, m_grid.columnCount() - 1));
}

void GridModel::headerChanged()
{
    if (m_grid.columnCount() > 0)
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, m_grid.columnCount() - 1);
}

void GridModel::setColumnWidthTwips(int column, int twips)
{
    if (column >= 0 && column < m_grid.columnCount())
        m_grid.column(column).widthTwips = twips;
}

void GridModel::setPalette(const QPalette &palette)
{
    m_highlight = palette.brush(QPalette::Highlight);
    m_hidden = palette.brush(QPalette::Dark);
    m_normal = palette.brush(QPalette::WindowText);
    m_upArrow = drawArrow(true, palette.color(QPalette::WindowText));
    m_downArrow = drawArrow(false, palette.color(QPalette::WindowText));
    if (m_grid.rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(m_grid.rowCount() - 1, 0));
    headerChanged();
}

QPixmap GridModel::arrowPixmap(SortArrow arrow) const
{
    switch (arrow) {
    case SortArrow::Up:
        return m_upArrow;
    case SortArrow::Down:
        return m_downArrow;
    case SortArrow::None:
        break;
    }
    return {};
}

int GridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_grid.rowCount();
}

int GridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_grid.columnCount();
}

QVariant GridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_grid.rowCount() || index.column() >= m_grid.columnCount())
        return {};
    const GridRow &row = m_grid.row(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return row.cells.value(index.column());
    case Qt::TextAlignmentRole:
        return m_grid.column(index.column()).alignment == ColumnAlignment::Centre
                   ? int(Qt::AlignHCenter | Qt::AlignTop)
                   : int(Qt::AlignLeft | Qt::AlignTop);
    case Qt::ForegroundRole:
        if (index.column() != 0)
            return {};
        switch (row.nameColour) {
        case NameColour::Highlight:
            return m_highlight;
        case NameColour::Hidden:
            return m_hidden;
        case NameColour::Normal:
            return m_normal;
        }
        return {};
    default:
        return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_grid.columnCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_grid.column(section).caption;
    case Qt::TextAlignmentRole:
        return int(Qt::AlignHCenter | Qt::AlignTop);
    case Qt::FontRole:
        if (section != m_grid.boldColumn())
            return {};
        {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
    case Qt::DecorationRole:
        if (section != m_grid.arrowColumn())
            return {};
        return arrowPixmap(m_grid.arrow());
    default:
        return {};
    }
}
