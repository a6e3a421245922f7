#pragma once

#include "common/settings.h"
#include "ui/document_actions.h"

#include <QObject>
#include <QPoint>
#include <functional>
#include <memory>

class DocumentGrid;
class GridContextMenu;
class GridModel;
class GridView;
class Prompter;
class QMenu;
class QMouseEvent;
class Shell;

// The user's work with the document grid: a header click sorts by that column, a press selects the
// whole row, a double-click opens the document, the Delete key deletes it, the right button shows the
// context menu, Enter opens the document, and hovering a cell too narrow for its text shows the whole text as
// a tip. The window constructs it once; it reads the settings, the listed directory and the language at every
// event.
class GridController : public QObject
{
    Q_OBJECT
public:
    // How the context menu pops up; the default runs QMenu::exec at the position (screen coordinates).
    using MenuPopup = std::function<void(QMenu *menu, const QPoint &globalPos)>;

    // Every reference must outlive the controller. `model` shows `grid` in `view`. `listedDirectory`
    // gives the directory the grid lists (lblDossier); `refresh` lists it again.
    GridController(GridView *view, GridModel *model, DocumentGrid &grid, const Settings &settings,
                   SortState &sort, std::function<QString()> listedDirectory, Prompter &prompter,
                   Shell &shell, std::function<void()> refresh, QObject *parent = nullptr);
    ~GridController() override;

    // A click on the header of `column`: sorts by it (numbers or case-sensitive texts by its caption),
    // ascending unless its header shows the up arrow; the bold and the arrow move to it, the sort state
    // follows, and no document row stays current.
    void sortByColumn(int column);

    // The commands of the context menu, on the current document row; nothing when there is none.
    void openDocument();
    void showDocumentProperties();
    void renameDocument();
    void deleteDocument();

    // Pops up the context menu of the current document row; nothing when there is none. Opened from the
    // keyboard (the Menu key), its default entry, mnuOuvrir, is active.
    void showContextMenu(const QPoint &globalPos, bool fromKeyboard = false);
    GridContextMenu &contextMenu() const { return *m_menu; }
    void setMenuPopup(MenuPopup popup) { m_popup = std::move(popup); }

    // The tip the grid shows for the cell under the mouse; empty when its text fits or outside the cells.
    QString cellTip() const { return m_tip; }
    // Empties the tip (when cell tips are switched on or off).
    void clearCellTip();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The current document row, or -1.
    int documentRow() const;
    QString pathOfRow(int row) const;
    void pressRight(const QPoint &pos, const QPoint &globalPos);
    void trackCellTip(const QPoint &pos);
    void showCellTip(const QPoint &pos, const QPoint &globalPos);

    GridView *m_view;
    GridModel *m_model;
    DocumentGrid &m_grid;
    const Settings &m_settings;
    SortState &m_sort;
    std::function<QString()> m_listedDirectory;
    DocumentActions m_actions;
    std::unique_ptr<GridContextMenu> m_menu;
    MenuPopup m_popup;
    QString m_tip;
};
