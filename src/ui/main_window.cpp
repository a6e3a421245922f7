#include "ui/main_window.h"

#include "common/language_texts.h"
#include "config/configuration_files.h"
#include "config/configuration_loader.h"
#include "config/configuration_writes.h"
#include "gridlist/grid_list_rules.h"
#include "platform/directory_list.h"
#include "platform/drive_list.h"
#include "platform/instance_channel.h"
#include "platform/prompter.h"
#include "platform/twips.h"
#include "platform/window_title.h"
#include "ui/about_dialog.h"
#include "ui/grid_context_menu.h"
#include "ui/grid_controller.h"
#include "ui/grid_model.h"
#include "ui/grid_view.h"
#include "ui/window_placement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {

// Keeps the inner area's children on the resize rules: the central widget has no layout. A child whose
// text changes asks it for room (a layout request), which `onLayoutRequest` answers.
class CentralArea : public QWidget
{
public:
    CentralArea(std::function<void(QSize)> onResize, std::function<void()> onLayoutRequest, QWidget *parent)
        : QWidget(parent)
        , m_onResize(std::move(onResize))
        , m_onLayoutRequest(std::move(onLayoutRequest))
    {}

protected:
    void resizeEvent(QResizeEvent *) override { m_onResize(size()); }
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::LayoutRequest)
            m_onLayoutRequest();
        return QWidget::event(event);
    }

private:
    std::function<void(QSize)> m_onResize;
    std::function<void()> m_onLayoutRequest;
};

} // namespace

std::unique_ptr<MainWindow> MainWindow::start(const MainWindowEnvironment &environment, Prompter &prompter,
                                              Shell &shell, bool *handedOver)
{
    if (handedOver)
        *handedOver = false;
    std::unique_ptr<MainWindow> window(new MainWindow(environment, prompter, shell));
    if (!window->m_instanceLock.tryLock(environment.settingsDirectory)) {
        if (!environment.startDirectory.isEmpty() &&
            InstanceChannel::handOver(environment.settingsDirectory, environment.startDirectory)) {
            if (handedOver)
                *handedOver = true;
            return nullptr;
        }
        // The configuration, and with it the language, is not read yet.
        prompter.showExclamation(messageTexts(0).programAlreadyRunning);
        return nullptr;
    }
    // Without a socket, later starts with a directory are refused as any second start.
    window->m_channel->listen(environment.settingsDirectory);
    QString name = environment.configurationName;
    if (name.isEmpty())
        name =
            readConfigurationName(IniFile(ConfigurationPaths::selectorPath(environment.settingsDirectory)));
    window->place(readWindowPlacement(
        IniFile(ConfigurationPaths(environment.settingsDirectory, name).iniPath()).load()));
    window->loadConfiguration(name);
    window->m_firstActivationPending = true;
    return window;
}

MainWindow::MainWindow(const MainWindowEnvironment &environment, Prompter &prompter, Shell &shell)
    : m_prompter(prompter)
    , m_shell(shell)
    , m_environment(environment)
    , m_paths(environment.settingsDirectory, QStringLiteral("Fichorama"))
{
    setObjectName(QStringLiteral("frmFichoramaDocsOffice"));
    setWindowTitle(caption(environment.startup));
    setWindowIcon(QIcon::fromTheme(QStringLiteral("fichorama")));

    auto *central = new CentralArea([this](QSize inner) { applyResizeRules(m_controls, inner); },
                                    [this] { fitCountLabels(m_controls); }, this);
    const qreal dpi = central->logicalDpiX();
    m_controls = buildControls(central, dpi);
    m_menu = buildMenu(this);
    setCentralWidget(central);

    m_model = new GridModel(m_grid, this);
    m_controls.gridFiles->setGridModel(m_model);
    // m_grid stays the one object the model shows: a listing moves its new grid into it.
    m_controller = new GridController(
        m_controls.gridFiles, m_model, m_grid, m_settings, m_sort, [this] { return m_listedDirectory; },
        m_prompter, m_shell, [this] { refresh(); }, this);

    const QSize inner = designInnerSizeTwips();
    resize(Twips::toPixels(inner.width(), dpi),
           Twips::toPixels(inner.height(), dpi) + menuBar()->sizeHint().height());
    // Below this the grid would lose its last rows and the directory list its width.
    const QSize smallest = smallestInnerSize(m_controls, m_controls.gridFiles->lineHeight());
    setMinimumSize(smallest.width(), smallest.height() + menuBar()->sizeHint().height());

    m_channel = new InstanceChannel(this);
    connect(m_channel, &InstanceChannel::directoryReceived, this, &MainWindow::openFromOutside);
    connectControls();
    // The listing's read gives the directory list its sub-directories.
    m_controls.Chemins->setReadsSubDirectories(false);
    m_progressTimer.setInterval(40);
    connect(&m_progressTimer, &QTimer::timeout, this, &MainWindow::showJobProgress);
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow()
{
    // The controller and the model read m_grid, which goes before the base class deletes the children.
    delete m_controller;
    m_controls.gridFiles->setGridModel(nullptr);
    delete m_model;
    if (m_gridFreer.joinable())
        m_gridFreer.join();
}

QString MainWindow::caption(const StartupValues &startup)
{
    QString text = QStringLiteral("Fichorama " FICHORAMA_VERSION_TEXT);
    if (!startup.computerName.isEmpty())
        text += QStringLiteral(" - ") + startup.computerName;
    if (!startup.userName.isEmpty())
        text += QStringLiteral("; ") + startup.userName;
    if (!startup.systemVersion.isEmpty())
        text += QStringLiteral("; ") + startup.systemVersion;
    return text;
}

void MainWindow::connectControls()
{
    const MainWindowControls &c = m_controls;
    connect(c.Chemins, &DirectoryList::pathChanged, this, [this] { Chemins_Change(); });
    connect(c.Lecteurs, &DriveList::driveChanged, this, &MainWindow::onDriveChanged);
    connect(c.cmdDemarrer, &QPushButton::clicked, this, [this] { refresh(); });
    connect(c.cmdConfiguration, &QPushButton::clicked, this, [this] { chooseConfiguration(); });
    connect(c.cmdHTML, &QPushButton::clicked, this, [this] { cmdHTML_Click(); });
    connect(c.cmdHTMLEnsemble, &QPushButton::clicked, this, [this] { cmdHTMLEnsemble_Click(); });
    connect(c.cmdAjouterEnsemble, &QPushButton::clicked, this, [this] { cmdAjouterEnsemble_Click(); });
    connect(c.cmdSupprimerEnsemble, &QPushButton::clicked, this, [this] { cmdSupprimerEnsemble_Click(); });
    connect(c.cmdEditerEnsemble, &QPushButton::clicked, this, [this] { cmdEditerEnsemble_Click(); });

    const MainWindowMenu &m = m_menu;
    connect(m.mnuQuitter, &QAction::triggered, this, &QWidget::close);
    connect(m.mnuChoixFichierINI, &QAction::triggered, this, [this] { chooseConfiguration(); });
    connect(m.mnuListeProprietes, &QAction::triggered, this, [this] { chooseDisplayedProperties(); });
    connect(m.mnuConfigurationHTML, &QAction::triggered, this, [this] { editHtmlLayout(); });
    connect(m.mnuAPropos, &QAction::triggered, this,
            [this] { AboutDialog::showModal(this, m_settings.language, m_shell); });
    for (QAction *entry : {m.mnuInclureTout, m.mnuInclurePDF, m.mnuInclureHTML, m.mnuInclureCaches})
        connect(entry, &QAction::triggered, this, [this, entry] { toggleListingOption(entry); });
    for (QAction *entry : {m.mnuSurligner, m.mnuToolTips, m.mnuContextuel})
        connect(entry, &QAction::triggered, this, [this, entry] { toggleDisplayOption(entry); });
    for (int lines = 1; lines <= 3; ++lines)
        connect(m.mnuLigne[size_t(lines - 1)], &QAction::triggered, this,
                [this, lines] { chooseLinesPerCell(lines); });
    connect(m.mnuAnglais, &QAction::triggered, this, [this] { switchLanguage(0); });
    connect(m.mnuFrancais, &QAction::triggered, this, [this] { switchLanguage(1); });
}

void MainWindow::place(const std::optional<WindowPlacement> &remembered)
{
    QList<QRect> screens;
    if (const QScreen *primary = QGuiApplication::primaryScreen())
        screens.append(primary->availableGeometry());
    for (const QScreen *screen : QGuiApplication::screens()) {
        if (screen != QGuiApplication::primaryScreen())
            screens.append(screen->availableGeometry());
    }
    const WindowPlacement placement = placeWindow(remembered, screens, size(), minimumSize());
    setGeometry(placement.normal);
    if (placement.maximised)
        setWindowState(windowState() | Qt::WindowMaximized);
    // The controls follow the new size now, not at the first show: equal column widths are shares of
    // the grid's width at that size.
    if (layout())
        layout()->activate();
    applyResizeRules(m_controls, centralWidget()->size());
}

WindowPlacement MainWindow::placement() const
{
    const bool maximised = isMaximized();
    return {maximised || isMinimized() ? normalGeometry() : geometry(), maximised};
}

QString MainWindow::handOverSocket() const
{
    return m_channel->socketPath();
}

void MainWindow::openFromOutside(const QString &directory)
{
    m_waitingDirectory = directory;
    openWaitingDirectory();
}

void MainWindow::openWaitingDirectory()
{
    if (m_waitingDirectory.isEmpty() || m_shutDown)
        return;
    // A dialog in front finishes first: what it does may rest on the directory listed.
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(250, this, &MainWindow::openWaitingDirectory);
        return;
    }
    const QString directory = std::exchange(m_waitingDirectory, QString());
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    if (!listDirectoryAt(directory))
        m_prompter.showInformation(messageTexts(m_settings.language).unknownDirectory +
                                   QStringLiteral("\r\n") + directory);
}

void MainWindow::loadConfiguration(const QString &name, bool isNew)
{
    m_paths = ConfigurationPaths(m_environment.settingsDirectory, name);
    m_controls.lblConfiguration->setText(name);
    m_model->beginReset();
    LoadedConfiguration loaded =
        loadChosenConfiguration(m_paths, m_grid, m_environment.currentDirectory, gridWidthTwips(), isNew);
    m_model->endReset();
    ++m_columnsGeneration;
    m_settings = std::move(loaded.settings);
    m_displayed = loaded.displayed;
    setGridList(loaded.gridList);
    applySettingsToWindow();
    // The grid is empty until the new directory is listed: no counts of the last one stay above it.
    m_fileCount = 0;
    m_documentCount = 0;
    m_controls.lblNbFichiers->clear();
    m_controls.lblNbDocuments->clear();
    m_controls.cmdHTML->setEnabled(false);
    m_controls.gridFiles->applyColumnWidths();
    reportConfigurationFailure(loaded.failure);
}

void MainWindow::applySettingsToWindow()
{
    applyLanguage(m_settings.language);
    m_listedDirectory = m_settings.directory;
    m_controls.lblDossier->setText(m_listedDirectory);
    m_controls.lblDossier->setToolTip(m_listedDirectory);
    m_menu.mnuInclureTout->setChecked(m_settings.listing.includeAll);
    m_menu.mnuInclurePDF->setChecked(m_settings.listing.includePdf);
    m_menu.mnuInclureHTML->setChecked(m_settings.listing.includeHtml);
    m_menu.mnuInclureCaches->setChecked(m_settings.listing.includeHidden);
    m_menu.mnuSurligner->setChecked(m_settings.highlight);
    m_menu.mnuToolTips->setChecked(m_settings.toolTips);
    m_menu.mnuContextuel->setChecked(m_settings.contextLines);
    for (int lines = 1; lines <= 3; ++lines)
        m_menu.mnuLigne[size_t(lines - 1)]->setChecked(lines == m_settings.linesPerCell);
    m_controls.gridFiles->setLinesPerCell(m_settings.linesPerCell);
}

void MainWindow::rebuildColumns()
{
    m_model->beginReset();
    m_displayed = ConstruireColonnes(m_grid, IniFile(m_paths.iniPath()), m_settings.language);
    m_model->endReset();
    ++m_columnsGeneration;
}

double MainWindow::gridWidthTwips() const
{
    return Twips::fromPixels(m_controls.gridFiles->shareableWidth(), m_controls.gridFiles->logicalDpiX());
}

GridList MainWindow::gridList() const
{
    GridList entries;
    const QListWidget *list = m_controls.lstTableaux;
    for (int i = 0; i < list->count(); ++i)
        entries.append({list->item(i)->text(), list->item(i)->checkState() == Qt::Checked});
    return entries;
}

void MainWindow::setGridList(const GridList &entries)
{
    QListWidget *list = m_controls.lstTableaux;
    list->clear();
    for (const GridListEntry &entry : entries) {
        auto *item = new QListWidgetItem(entry.path, list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(entry.checked ? Qt::Checked : Qt::Unchecked);
        item->setToolTip(entry.path);
    }
}

void MainWindow::setButtonsForList()
{
    const ListButtons buttons = MajBoutonsListe(m_listedDirectory, gridList());
    m_controls.cmdAjouterEnsemble->setEnabled(buttons.addEnabled);
    m_controls.cmdSupprimerEnsemble->setEnabled(buttons.removeEnabled);
}

bool MainWindow::event(QEvent *event)
{
    // The first activation waits for the event loop, so the window is on screen before the first listing.
    if ((event->type() == QEvent::Show || event->type() == QEvent::WindowActivate) &&
        m_firstActivationPending)
        QTimer::singleShot(0, this, &MainWindow::firstActivation);
    return QMainWindow::event(event);
}

void MainWindow::firstActivation()
{
    if (!m_firstActivationPending)
        return;
    m_firstActivationPending = false;
    m_sort.ascending = true;
    // "fichorama DIR" lists DIR; a remembered directory that is gone leaves both lists as they are,
    // without a message.
    const QString &directory =
        m_environment.startDirectory.isEmpty() ? m_settings.directory : m_environment.startDirectory;
    m_controls.Lecteurs->setDriveForPath(directory);
    m_controls.Chemins->setPath(directory);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Every dialog of the program, Qt's boxes included, shows its whole title.
    if (event->type() == QEvent::Show && qobject_cast<QDialog *>(watched))
        fitWindowTitle(static_cast<QWidget *>(watched));
    // Escape interrupts a listing, or cancels a page, whichever control of the window has the focus.
    if (m_job && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        const auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->window() == this)
            m_job->cancel();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    shutDown();
    event->accept();
}

void MainWindow::shutDown()
{
    if (m_shutDown)
        return;
    m_shutDown = true;
    // A job under way stops at its next entry; nothing waiting after it runs any more.
    if (m_job)
        m_job->cancel();
    m_listingPending = false;
    m_afterListing.clear();
    IniFile configuration(m_paths.iniPath());
    reportAutomaticWrite(writeShutDownState(configuration, m_listedDirectory, m_grid, placement()));
}

void MainWindow::toggleListingOption(QAction *entry)
{
    const bool on = entry->isChecked();
    OptionFlag flag = OptionFlag::InclureTout;
    if (entry == m_menu.mnuInclureTout) {
        m_settings.listing.includeAll = on;
    } else if (entry == m_menu.mnuInclurePDF) {
        m_settings.listing.includePdf = on;
        flag = OptionFlag::InclurePDF;
    } else if (entry == m_menu.mnuInclureHTML) {
        m_settings.listing.includeHtml = on;
        flag = OptionFlag::InclureHTML;
    } else {
        // Also what the file count counts: hidden files only when they are included.
        m_settings.listing.includeHidden = on;
        flag = OptionFlag::InclureCaches;
    }
    IniFile configuration(m_paths.iniPath());
    reportConfigurationFailure(writeOptionFlag(configuration, flag, on));
    refresh();
}

void MainWindow::toggleDisplayOption(QAction *entry)
{
    const bool on = entry->isChecked();
    OptionFlag flag = OptionFlag::Surligner;
    if (entry == m_menu.mnuSurligner) {
        m_settings.highlight = on;
    } else if (entry == m_menu.mnuToolTips) {
        m_controller->clearCellTip();
        m_settings.toolTips = on;
        flag = OptionFlag::ToolTips;
    } else {
        m_settings.contextLines = on;
        flag = OptionFlag::Contextuel;
    }
    IniFile configuration(m_paths.iniPath());
    reportConfigurationFailure(writeOptionFlag(configuration, flag, on));
}

void MainWindow::chooseLinesPerCell(int lines)
{
    m_settings.linesPerCell = qint16(lines);
    m_model->beginReset();
    for (GridRow &row : m_grid.rows())
        row.lines = lines;
    m_model->endReset();
    m_controls.gridFiles->setLinesPerCell(lines);
    for (int n = 1; n <= 3; ++n)
        m_menu.mnuLigne[size_t(n - 1)]->setChecked(n == lines);
    IniFile configuration(m_paths.iniPath());
    reportConfigurationFailure(writeLinesPerCell(configuration, lines));
}

void MainWindow::switchLanguage(qint16 language)
{
    if (deferWhileListing([this, language] { switchLanguage(language); })) {
        // The check marks follow the language in use until the switch runs.
        applyLanguage(m_settings.language);
        return;
    }
    IniFile configuration(m_paths.iniPath());
    m_settings.language = language;
    applyLanguage(language);
    rebuildColumns();
    const std::optional<WriteFailure> widthsFailure =
        ReinitialiserLargeurs(m_grid, configuration, gridWidthTwips());
    m_controls.gridFiles->applyColumnWidths();
    refresh();
    const std::optional<WriteFailure> languageFailure = writeLanguage(configuration, language);
    reportConfigurationFailure(widthsFailure ? widthsFailure : languageFailure);
}

void MainWindow::applyLanguage(qint16 language)
{
    m_qtTranslations.apply(language);
    AppliquerLangue(m_controls, m_menu, language, m_fileCount, m_documentCount);
    m_controller->contextMenu().retranslate(language);
}
