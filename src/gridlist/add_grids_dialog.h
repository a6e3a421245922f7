#pragma once

#include "gridlist/grid_list_organizer_dialog.h"
#include "gridlist/grid_list_texts.h"
#include "gridlist/sub_directory_scan.h"

#include <QDialog>
#include <QTimer>

class BackgroundJob;
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
    // True while a sub-directory scan runs beside the dialog.
    bool isScanning() const { return m_scan != nullptr; }

private:
    void buildWidgets();
    void showStart();
    void onDriveChanged(const QString &directory);
    void add();
    void addOne(const QString &directory);
    void addWithSubDirectories(const QString &directory);
    // The rest of an addition with sub-directories, once the scan is over.
    void addScanned(const QString &directory, const SubDirectoryList &scan);
    void showProgress();
    void setChoosingEnabled(bool enabled);

    GridListOrganizerDialog &m_organizer;
    OrganizerContext m_context;
    AddGridsTexts m_texts;
    BackgroundJob *m_scan = nullptr; // the running sub-directory scan
    QTimer m_progressTimer;

    DriveList *m_drives = nullptr;
    DirectoryList *m_directories = nullptr;
    QLabel *m_directoryLabel = nullptr;
    QCheckBox *m_withSubDirectories = nullptr;
    QListWidget *m_found = nullptr;
    QLabel *m_status = nullptr;
    QPushButton *m_addButton = nullptr;
};
