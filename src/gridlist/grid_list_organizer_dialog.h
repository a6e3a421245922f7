#pragma once

#include "gridlist/grid_list_entry.h"
#include "gridlist/grid_list_texts.h"

#include <QDialog>
#include <functional>
#include <optional>

class Prompter;
class QKeyEvent;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// What the organiser needs from the main window.
struct OrganizerContext
{
    qint16 language = 0;
    Prompter *prompter = nullptr; // every message box of the organiser and the add-grids dialog; not null
    QString listFile;             // the grid-list file that OK rewrites
    // The directory the main window lists now: where the add-grids dialog starts without a current entry.
    std::function<QString()> listedDirectory;
    // Makes the main window list `directory` (an existing directory) while the organiser stays open.
    std::function<void(const QString &directory)> goTo;
};

// The grid-list organiser frmEnsembleTableaux: edits a working copy of the grid list. OK writes the copy
// to the grid-list file and hands it back; Cancel, Escape and the close box throw it away.
class GridListOrganizerDialog : public QDialog
{
    Q_OBJECT
public:
    // Shows the organiser modally over `parent`. Returns the new list when the user pressed OK and the
    // file was written: the window replaces its lstTableaux with it and leaves its add and remove buttons
    // to the next listing. std::nullopt when the user cancelled; the window then changes nothing. A file
    // that cannot be written is reported by the organiser, which stays open with the user's changes, so
    // the user can try again or cancel.
    static std::optional<GridList> ask(QWidget *parent, const GridList &current,
                                       const OrganizerContext &context);

    // The organiser on a copy of `current`, not shown; tests drive it through its buttons.
    GridListOrganizerDialog(const GridList &current, const OrganizerContext &context,
                            QWidget *parent = nullptr);

    // The working copy and its current entry (-1 for none).
    const GridList &entries() const { return m_entries; }
    int currentIndex() const;
    // Replaces the working copy and keeps the current entry; the add-grids dialog adds through it.
    void replaceEntries(const GridList &entries);

    // Runs the add-grids dialog that cmdAjouter opens; tests replace the default, which shows it modally.
    void setAddDialogRunner(std::function<void(GridListOrganizerDialog &organizer)> runner);

    // Writes the working copy to the grid-list file and accepts; on a write failure reports it and stays.
    void accept() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildWidgets();
    void fillList();
    void updateCounts();
    void applySelectionRule();
    void showNoCurrentEntry();
    void setCurrent(int index);
    void onItemChanged(QListWidgetItem *item);
    void moveCurrent(int step);
    void sortList();
    void removeCurrent();
    void removeAll();
    void goToCurrent();
    void updateTip(const QPoint &viewportPosition);
    // Down or Space while no entry is current: the first entry becomes current (Space also ticks or
    // unticks it). False, nothing done, for any other key or when an entry is current.
    bool startFromFirstEntry(const QKeyEvent &key);

    OrganizerContext m_context;
    OrganizerTexts m_texts;
    GridList m_entries;
    std::function<void(GridListOrganizerDialog &)> m_addDialogRunner;

    QListWidget *m_list = nullptr;
    QLabel *m_countLabel = nullptr;
    QLabel *m_checkedLabel = nullptr;
    QPushButton *m_up = nullptr;
    QPushButton *m_down = nullptr;
    QPushButton *m_sort = nullptr;
    QPushButton *m_add = nullptr;
    QPushButton *m_remove = nullptr;
    QPushButton *m_removeAll = nullptr;
    QPushButton *m_goTo = nullptr;
};
