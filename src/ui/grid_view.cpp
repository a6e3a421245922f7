#include "ui/grid_view.h"

#include "platform/focus_frame.h"
#include "platform/twips.h"
#include "ui/grid_model.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <algorithm>
#include <cmath>

namespace {

// Draws selected cells as unselected while the grid's selection highlight is off.
class SelectionDelegate : public QStyledItemDelegate
{
public:
    SelectionDelegate(const bool &highlight, QObject *parent)
        : QStyledItemDelegate(parent)
        , m_highlight(highlight)
    {}

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!m_highlight)
            option->state &= ~QStyle::State_Selected;
    }

private:
    const bool &m_highlight;
};

} // namespace

GridView::GridView(QWidget *parent)
    : QTableView(parent)
{
    setItemDelegate(new SelectionDelegate(m_highlightSelection, this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
    setSortingEnabled(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, &GridView::storeUserWidth);
    // A press on a header leaves no document row current, so Delete right after a header click does
    // nothing.
    connect(horizontalHeader(), &QHeaderView::sectionPressed, this, [this] {
        setSelectionHighlight(false);
        if (!selectionModel())
            return;
        selectionModel()->clearSelection();
        selectionModel()->clearCurrentIndex();
    });
}

void GridView::setGridModel(GridModel *model)
{
    if (m_model)
        disconnect(m_model, nullptr, this, nullptr);
    m_model = model;
    setModel(model);
    if (!model)
        return;
    connect(model, &QAbstractItemModel::modelReset, this, [this] {
        applyColumnWidths();
        applyRowHeights();
    });
    applyColumnWidths();
    applyRowHeights();
}

qreal GridView::dpi() const
{
    return logicalDpiX();
}

int GridView::columnWidthTwips(int column) const
{
    return Twips::fromPixels(columnWidth(column), dpi());
}

void GridView::setColumnWidthTwips(int column, int twips)
{
    if (!m_model || column < 0 || column >= m_model->columnCount())
        return;
    m_model->setColumnWidthTwips(column, twips);
    m_applyingWidths = true;
    setColumnWidth(column, Twips::toPixels(twips, dpi()));
    m_applyingWidths = false;
}

void GridView::applyColumnWidths()
{
    if (!m_model)
        return;
    const DocumentGrid &grid = m_model->grid();
    const qreal dpi = this->dpi();
    qint64 edgeTwips = 0;
    int edgePixels = 0;
    m_applyingWidths = true;
    for (int column = 0; column < grid.columnCount(); ++column) {
        edgeTwips += grid.column(column).widthTwips;
        const int nextEdge = int(std::llround(qreal(edgeTwips) * dpi / 1440.0));
        setColumnWidth(column, nextEdge - edgePixels);
        edgePixels = nextEdge;
    }
    m_applyingWidths = false;
}

int GridView::shareableWidth() const
{
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, verticalScrollBar());
    return qMax(0, contentsRect().width() - scrollBar);
}

int GridView::sizeHintForColumn(int column) const
{
    if (!m_model || column < 0 || column >= m_model->columnCount())
        return -1;
    // The delegate draws a text with a margin on each side; a grid line follows the cell.
    const int margin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    const int gridLine = showGrid() ? 1 : 0;
    const QFontMetrics metrics = fontMetrics();
    int widest = 0;
    for (const GridRow &row : m_model->grid().rows()) {
        if (column < row.cells.size() && !row.cells[column].isEmpty())
            widest = qMax(widest, metrics.horizontalAdvance(row.cells.value(column)));
    }
    return widest + margin + gridLine;
}

void GridView::storeUserWidth(int column, int, int newPixels)
{
    // Widths the program sets are already in the grid; converting them back could round them.
    if (m_applyingWidths || !m_model)
        return;
    m_model->setColumnWidthTwips(column, Twips::fromPixels(newPixels, dpi()));
}

int GridView::lineHeight() const
{
    return horizontalHeader()->sizeHint().height();
}

void GridView::applyRowHeights()
{
    if (!m_model)
        return;
    const DocumentGrid &grid = m_model->grid();
    const int line = lineHeight();
    // A grid whose rows all have the same lines (the usual case) needs one default size, not one size
    // per row, which keeps large grids fast.
    const QVector<GridRow> &rows = grid.rows();
    const int firstLines = rows.isEmpty() ? 1 : rows.first().lines;
    const bool uniform = std::all_of(rows.begin(), rows.end(),
                                     [firstLines](const GridRow &row) { return row.lines == firstLines; });
    verticalHeader()->setDefaultSectionSize(line * qMax(1, firstLines));
    if (uniform)
        return;
    for (int row = 0; row < rows.size(); ++row)
        setRowHeight(row, line * qMax(1, rows[row].lines));
}

void GridView::setLinesPerCell(int lines)
{
    setWordWrap(lines > 1);
    applyRowHeights();
}

void GridView::setSelectionHighlight(bool on)
{
    if (m_highlightSelection == on)
        return;
    m_highlightSelection = on;
    viewport()->update();
}

void GridView::mousePressEvent(QMouseEvent *event)
{
    if (indexAt(event->position().toPoint()).isValid())
        setSelectionHighlight(true);
    QTableView::mousePressEvent(event);
}

int GridView::documentRow() const
{
    const QModelIndex current = selectionModel() ? selectionModel()->currentIndex() : QModelIndex();
    return current.isValid() ? current.row() : -1;
}

QString GridView::cellTip(const QModelIndex &index) const
{
    if (!index.isValid())
        return {};
    const QString text = index.data().toString();
    if (text.isEmpty() || fontMetrics().horizontalAdvance(text) <= columnWidth(index.column()))
        return {};
    return text;
}

void GridView::keyPressEvent(QKeyEvent *event)
{
    const bool plain = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    if (event->key() == Qt::Key_Delete && plain) {
        Q_EMIT deleteRequested();
        event->accept();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && plain) {
        if (documentRow() >= 0)
            Q_EMIT openRequested();
        event->accept();
        return;
    }
    const int before = documentRow();
    QTableView::keyPressEvent(event);
    // A row reached with the keyboard shows as a clicked one does.
    if (documentRow() >= 0 && documentRow() != before)
        setSelectionHighlight(true);
}

void GridView::focusInEvent(QFocusEvent *event)
{
    QTableView::focusInEvent(event);
    update();
}

void GridView::focusOutEvent(QFocusEvent *event)
{
    QTableView::focusOutEvent(event);
    update();
}

bool GridView::event(QEvent *event)
{
    const bool handled = QTableView::event(event);
    if (event->type() == QEvent::Paint && hasFocus())
        paintFocusFrame(this);
    return handled;
}

bool GridView::viewportEvent(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QTableView::viewportEvent(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const QString tip = m_cellTips ? cellTip(indexAt(help->pos())) : QString();
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), tip, viewport(), visualRect(indexAt(help->pos())));
    return true;
}
