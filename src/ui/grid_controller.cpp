#include "ui/grid_controller.h"

#include "listing/document_grid.h"
#include "listing/header_sort.h"
#include "platform/child_path.h"
#include "ui/grid_context_menu.h"
#include "ui/grid_model.h"
#include "ui/grid_view.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTextDocument>
#include <QTimer>
#include <QToolTip>

GridController::GridController(GridView *view, GridModel *model, DocumentGrid &grid, const Settings &settings,
                               SortState &sort, std::function<QString()> listedDirectory, Prompter &prompter,
                               Shell &shell, std::function<void()> refresh, QObject *parent)
    : QObject(parent)
    , m_view(view)
    , m_model(model)
    , m_grid(grid)
    , m_settings(settings)
    , m_sort(sort)
    , m_listedDirectory(std::move(listedDirectory))
    , m_actions(
          prompter, shell, [&settings] { return settings.language; }, std::move(refresh))
    , m_menu(std::make_unique<GridContextMenu>(view))
    , m_popup([](QMenu *menu, const QPoint &globalPos) { menu->exec(globalPos); })
{
    connect(m_view->horizontalHeader(), &QHeaderView::sectionClicked, this, &GridController::sortByColumn);
    connect(m_view, &QAbstractItemView::doubleClicked, this, &GridController::openDocument);
    connect(m_view, &GridView::deleteRequested, this, &GridController::deleteDocument);
    connect(m_view, &GridView::openRequested, this, &GridController::openDocument);
    connect(m_menu->openAction(), &QAction::triggered, this, &GridController::openDocument);
    connect(m_menu->propertiesAction(), &QAction::triggered, this, &GridController::showDocumentProperties);
    connect(m_menu->deleteAction(), &QAction::triggered, this, &GridController::deleteDocument);
    connect(m_menu->renameAction(), &QAction::triggered, this, &GridController::renameDocument);
    m_menu->retranslate(m_settings.language);

    // Tips follow the mouse here; the view's own tips would show the same texts a second time.
    m_view->setCellTips(false);
    m_view->viewport()->setMouseTracking(true);
    m_view->installEventFilter(this);
    m_view->viewport()->installEventFilter(this);
    m_view->horizontalHeader()->viewport()->installEventFilter(this);
}

GridController::~GridController() = default;

int GridController::documentRow() const
{
    const int row = m_view->documentRow();
    return row >= 0 && row < m_grid.rowCount() ? row : -1;
}

QString GridController::pathOfRow(int row) const
{
    return childPath(m_listedDirectory(), m_grid.row(row).fileName);
}

void GridController::sortByColumn(int column)
{
    if (column < 0 || column >= m_grid.columnCount())
        return;
    m_view->setSelectionHighlight(false);
    m_model->beginReset();
    sortByHeaderClick(m_grid, column, m_sort, QLocale());
    m_model->endReset();
    // No current index stays: Delete right after a header click deletes nothing.
    if (QItemSelectionModel *selection = m_view->selectionModel())
        selection->clearCurrentIndex();
}

void GridController::openDocument()
{
    if (const int row = documentRow(); row >= 0)
        m_actions.open(pathOfRow(row));
}

void GridController::showDocumentProperties()
{
    if (const int row = documentRow(); row >= 0)
        m_actions.showProperties(pathOfRow(row), m_view->window());
}

void GridController::renameDocument()
{
    if (const int row = documentRow(); row >= 0)
        m_actions.rename(m_listedDirectory(), m_grid.row(row).fileName);
}

void GridController::deleteDocument()
{
    if (const int row = documentRow(); row >= 0)
        m_actions.moveToTrash(pathOfRow(row));
}

void GridController::showContextMenu(const QPoint &globalPos, bool fromKeyboard)
{
    const int row = documentRow();
    if (row < 0)
        return;
    clearCellTip();
    m_menu->retranslate(m_settings.language);
    m_menu->fill(m_grid, row, m_settings.contextLines);
    QMenu *menu = m_menu->menu();
    if (fromKeyboard) {
        // Opened with the keyboard, the menu starts on its default entry, so that Enter opens the document.
        QTimer::singleShot(0, menu, [menu] {
            if (menu->isVisible())
                menu->setActiveAction(menu->defaultAction());
        });
    }
    m_popup(menu, globalPos);
}

void GridController::pressRight(const QPoint &pos, const QPoint &globalPos)
{
    const QModelIndex index = m_view->indexAt(pos);
    if (index.isValid()) {
        m_view->setSelectionHighlight(true);
        if (index.row() != documentRow())
            m_view->setCurrentIndex(m_model->index(index.row(), 0));
    }
    showContextMenu(globalPos);
}

void GridController::clearCellTip()
{
    m_tip.clear();
    QToolTip::hideText();
}

void GridController::trackCellTip(const QPoint &pos)
{
    if (!m_settings.toolTips)
        return;
    const QModelIndex index = m_view->indexAt(pos);
    if (!index.isValid()) {
        m_tip.clear();
        return;
    }
    // Within the same cell the tip is already right.
    if (index.data().toString() == m_tip)
        return;
    m_tip = m_view->cellTip(index);
}

void GridController::showCellTip(const QPoint &pos, const QPoint &globalPos)
{
    if (!m_settings.toolTips || m_tip.isEmpty()) {
        QToolTip::hideText();
        return;
    }
    // Cell texts come from documents: a text that looks like markup is shown as it is written.
    const QString tip = Qt::mightBeRichText(m_tip)
                            ? QStringLiteral("<p style='white-space:pre'>%1</p>").arg(m_tip.toHtmlEscaped())
                            : m_tip;
    QToolTip::showText(globalPos, tip, m_view->viewport(), m_view->visualRect(m_view->indexAt(pos)));
}

bool GridController::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ContextMenu) {
        // The menu already showed at the right press; the menu key shows it for the current row.
        auto *request = static_cast<QContextMenuEvent *>(event);
        if (request->reason() == QContextMenuEvent::Keyboard && documentRow() >= 0) {
            const QRect cell = m_view->visualRect(m_view->currentIndex());
            showContextMenu(m_view->viewport()->mapToGlobal(cell.center()), true);
        }
        // Accepted here, so that no window behind the grid pops up a menu of its own.
        request->accept();
        return true;
    }
    const bool onCells = watched == m_view->viewport();
    const bool onHeader = watched == m_view->horizontalHeader()->viewport();
    if (!onCells && !onHeader)
        return QObject::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::RightButton)
            break;
        if (onCells) {
            pressRight(mouse->position().toPoint(), mouse->globalPosition().toPoint());
        } else {
            // A right click on the header shows the menu of the row selected before, if any.
            m_view->setSelectionHighlight(false);
            showContextMenu(mouse->globalPosition().toPoint());
        }
        return true;
    }
    case QEvent::MouseButtonRelease:
        // The press was the menu's: the rest of the right click must not reach the grid or the header,
        // where it could count as a click on a section.
        return static_cast<QMouseEvent *>(event)->button() == Qt::RightButton;
    case QEvent::MouseMove:
        if (onCells)
            trackCellTip(static_cast<QMouseEvent *>(event)->position().toPoint());
        else if (m_settings.toolTips)
            m_tip.clear();
        break;
    case QEvent::Enter:
    case QEvent::Leave:
        if (m_settings.toolTips)
            m_tip.clear();
        break;
    case QEvent::ToolTip:
        if (!onCells)
            break;
        {
            const auto *help = static_cast<QHelpEvent *>(event);
            showCellTip(help->pos(), help->globalPos());
        }
        return true;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
