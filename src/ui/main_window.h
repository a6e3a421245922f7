#pragma once

#include "common/settings.h"
#include "config/configuration_paths.h"
#include "gridlist/grid_list_entry.h"
#include "gridlist/grid_list_rules.h"
#include "html/page_frame.h"
#include "html/page_stamp.h"
#include "listing/background_job.h"
#include "listing/directory_scan.h"
#include "listing/document_grid.h"
#include "listing/property_columns.h"
#include "platform/instance_lock.h"
#include "platform/qt_translations.h"
#include "platform/safe_file_writer.h"
#include "ui/main_window_controls.h"

#include <QList>
#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <memory>
#include <thread>

class GridController;
class GridModel;
class InstanceChannel;
class Prompter;
class Shell;
class QAction;

// What the desktop program hands the window at start: where the settings live, which configuration to
// use and the values of this machine. Tests give their own.
struct MainWindowEnvironment
{
    QString settingsDirectory; // resolved: the configuration, selector, grid-list and lock files
    QString configurationName; // "--config"; empty to read the selector file
    QString currentDirectory;  // the default of "Repertoire"
    QString startDirectory;    // "fichorama DIR": listed at the first activation in place of "Repertoire"
    StartupValues startup;     // caption and page placeholders
    Clock clock = systemClock; // page date and time
};

// The program's main window, frmFichoramaDocsOffice: the drive and directory lists, the labels, the
// grid-list frame and the document grid, with the start-up, the listing of the chosen directory, the
// menu options, the HTML buttons and the shut-down.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // Runs the start-up sequence: caption, single-instance lock, configuration name, the window's place
    // on the screen, configuration, columns and widths. Returns null when another instance holds the lock,
    // nothing written: with a start directory that instance is handed it (`*handedOver` set), otherwise,
    // or when it does not answer, "Program already running" is shown. The prompter and shell must outlive
    // the window.
    static std::unique_ptr<MainWindow> start(const MainWindowEnvironment &environment, Prompter &prompter,
                                             Shell &shell, bool *handedOver = nullptr);
    ~MainWindow() override;

    // "Fichorama 1.1a", then " - " computer, "; " user, "; " system version, each only when not empty.
    static QString caption(const StartupValues &startup);

    // The first activation: sort ascending and the remembered directory listed (a directory that no
    // longer exists is ignored). Runs by itself when the window is first shown; later calls do nothing.
    void firstActivation();

    // Loads the configuration `name` into the window (labels, check marks, language, grid list, columns,
    // widths) without listing anything: the start-up step, and what a configuration switch runs before it
    // moves the window to the new remembered directory with listDirectory. A new configuration gets equal
    // widths, which are stored and so create its file; an existing one gets its stored widths.
    void loadConfiguration(const QString &name, bool isNew = false);

    // Chemins_Change: starts the listing of the directory the directory list shows, as a job beside the
    // window, and returns. When a listing runs it is interrupted and this one runs once it is over; when a
    // page is being written, this one runs once the page is done. Jobs never overlap.
    void Chemins_Change();
    // Points the drive and directory lists at `path`, which lists it; a path already shown is listed
    // again. False, nothing changed, when `path` names no existing directory. Returns once the listing has
    // started (or been queued behind the running job).
    bool listDirectoryAt(const QString &path);
    // The refresh operation (cmdDemarrer): opens the highlighted directory or lists the current one again.
    void refresh();
    // A directory handed over by a second start: the window comes to the front and lists it, once no
    // dialog is open any more; a directory that is gone by then gives the unknown-directory message.
    void openFromOutside(const QString &directory);
    // The socket second starts hand their directory to; empty when the window could not open one.
    QString handOverSocket() const;

    // The window's place on the screen now, as shut-down stores it.
    WindowPlacement placement() const;

    // True while a listing runs; isBusy() also while a page is being written.
    bool isListing() const { return m_job && m_jobIsListing; }
    bool isBusy() const { return m_job != nullptr; }
    // The directory shown in lblDossier: the one listed last (or the remembered one before any listing).
    const QString &listedDirectory() const { return m_listedDirectory; }

    // Program-wide values for the dialogs and the grid controller.
    Settings &settings() { return m_settings; }
    const Settings &settings() const { return m_settings; }
    SortState &sortState() { return m_sort; }
    const ConfigurationPaths &paths() const { return m_paths; }
    const StartupValues &startupValues() const { return m_environment.startup; }
    const DocumentGrid &grid() const { return m_grid; }
    GridModel &gridModel() { return *m_model; }
    GridController &gridController() { return *m_controller; }

    // The grid list as lstTableaux holds it (user ticks included), and a replacement for it.
    GridList gridList() const;
    void setGridList(const GridList &entries);

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    MainWindow(const MainWindowEnvironment &environment, Prompter &prompter, Shell &shell);

    void connectControls();
    // Puts the window where `remembered` says, kept on a screen (first start: centred, three quarters of
    // the screen), and lays the controls out for that size before anything is listed.
    void place(const std::optional<WindowPlacement> &remembered);
    void openWaitingDirectory();
    void applySettingsToWindow();
    void rebuildColumns();
    double gridWidthTwips() const;
    void setButtonsForList();

    // Listing.
    void startListing();
    void showDirectoryRead(const ScanResult &read);
    void endListing(const ScanResult &result, DocumentGrid &listed, int columnsGeneration);
    void onDriveChanged(const QString &directory);
    // True when a job runs: a listing is interrupted, a page is finished, and `action` runs once the job
    // is over.
    bool deferWhileListing(std::function<void()> action);
    // Jobs: the one running job, its progress in ProgressBar1, and what runs once it is over.
    void beginJob(BackgroundJob *job, bool isListing);
    void showJobProgress();
    void endJob();
    // Runs `action` now, or once the running job and the listings queued behind it are over.
    void afterJob(std::function<void()> action);

    // Menu options.
    void toggleListingOption(QAction *entry);
    void toggleDisplayOption(QAction *entry);
    void chooseLinesPerCell(int lines);
    void switchLanguage(qint16 language);
    void applyLanguage(qint16 language);
    void chooseConfiguration();
    void chooseDisplayedProperties();
    void editHtmlLayout();
    // Reports a configuration write the user asked for (a menu option, a dialog's OK) that failed.
    void reportConfigurationFailure(const std::optional<WriteFailure> &failure);
    // Reports a write the window makes by itself (the directory at every listing, the state at shut-down)
    // that failed, once until such a write succeeds again: a settings directory that cannot be written
    // would otherwise bring a box with every listing.
    void reportAutomaticWrite(const std::optional<WriteFailure> &failure);

    // HTML pages and the grid list.
    void cmdHTML_Click();
    void cmdHTMLEnsemble_Click();
    void cmdAjouterEnsemble_Click();
    void cmdSupprimerEnsemble_Click();
    // Sets the add/remove buttons after an edit of the grid list, takes the edited list or says why not.
    void showListEdit(const GridList &entries, const ListEditResult &result);
    void cmdEditerEnsemble_Click();
    void reportPageFailure(const WriteFailure &failure);
    // Writes a page as a job; `write` runs on the job's thread, `done` on the window's with its result.
    void writePageJob(std::function<PageResult(JobControl &control)> write,
                      std::function<void(const PageResult &result)> done);
    // The context of a page made now: the settings, the language, a fresh page stamp, the start-up values.
    PageContext pageContext() const;
    // Opens a written page, reports a failure, or shows `refusal` through `refuse` when there was nothing to
    // write.
    void showPageResult(const PageResult &result, void (Prompter::*refuse)(const QString &),
                        const QString &refusal);

    void shutDown();

    Prompter &m_prompter;
    Shell &m_shell;
    MainWindowEnvironment m_environment;
    InstanceLock m_instanceLock;
    InstanceChannel *m_channel = nullptr;
    QString m_waitingDirectory; // handed over while a dialog was open
    QtTranslations m_qtTranslations;

    ConfigurationPaths m_paths;
    Settings m_settings;
    SortState m_sort;
    DisplayedColumns m_displayed{};
    DocumentGrid m_grid;
    GridModel *m_model = nullptr;
    GridController *m_controller = nullptr;

    MainWindowControls m_controls;
    MainWindowMenu m_menu;

    QString m_listedDirectory;
    int m_fileCount = 0;
    int m_documentCount = 0;
    int m_columnsGeneration = 0; // counts column rebuilds, so a listing made for old columns is dropped

    BackgroundJob *m_job = nullptr; // the running listing or page; deleted once it is over
    std::thread m_gridFreer;        // frees the rows of the grid that the last listing replaced
    bool m_jobIsListing = false;
    QTimer m_progressTimer;
    bool m_listingPending = false;
    QList<std::function<void()>> m_afterListing;
    bool m_firstActivationPending = false;
    bool m_shutDown = false;
    bool m_automaticWriteFailed = false;
};
