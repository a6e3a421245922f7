#pragma once

#include "gridlist/grid_list_organizer_dialog.h"
#include "gridlist/grid_list_texts.h"

#include <QDialog>
#include <QElapsedTimer>

class DirectoryList;
class DriveList;
class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

// The add-grids dialog frmAjouterTableau: adds the chosen directory, or it and all its sub-directories,
// to the organiser's working copy. It stays open after each addition and closes with Cancel.
class AddGridsDialog : public QDialog
{
    Q_OBJECT
public:
    // Starts on the organiser's current entry, or on the directory the main window lists.
    AddGridsDialog(GridListOrganizerDialog &organizer, const OrganizerContext &context);

    // Cancel and the close box. During a sub-directory scan they also stop it; nothing of it is added.
    void reject() override;

private:
    void buildWidgets();
    void showStart();
    void onDriveChanged(const QString &directory);
    void add();
    void addOne(const QString &directory);
    void addWithSubDirectories(const QString &directory);
    bool showProgress(qint64 found);
    void setChoosingEnabled(bool enabled);

    GridListOrganizerDialog &m_organizer;
    OrganizerContext m_context;
    AddGridsTexts m_texts;
    bool m_scanning = false;
    bool m_stopRequested = false;
    QElapsedTimer m_progressClock;
    qint64 m_lastProgress = 0; // milliseconds of m_progressClock when events last ran

    DriveList *m_drives = nullptr;
    DirectoryList *m_directories = nullptr;
    QLabel *m_directoryLabel = nullptr;
    QCheckBox *m_withSubDirectories = nullptr;
    QListWidget *m_found = nullptr;
    QLabel *m_status = nullptr;
    QPushButton *m_addButton = nullptr;
};
