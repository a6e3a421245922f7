#include "gridlist/add_grids_dialog.h"

#include "gridlist/grid_list_edits.h"
#include "listing/background_job.h"
#include "platform/child_path.h"
#include "platform/directory_list.h"
#include "platform/drive_list.h"
#include "platform/prompter.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <memory>

AddGridsDialog::AddGridsDialog(GridListOrganizerDialog &organizer, const OrganizerContext &context)
    : QDialog(&organizer)
    , m_organizer(organizer)
    , m_context(context)
    , m_texts(addGridsTexts(context.language))
{
    Q_ASSERT(m_context.prompter);
    setObjectName(QStringLiteral("frmAjouterTableau"));
    setWindowTitle(m_texts.title);
    buildWidgets();
    showStart();
    m_progressTimer.setInterval(40);
    connect(&m_progressTimer, &QTimer::timeout, this, &AddGridsDialog::showProgress);
}

void AddGridsDialog::buildWidgets()
{
    m_drives = new DriveList(this);
    m_drives->setObjectName(QStringLiteral("Lecteurs"));
    m_directories = new DirectoryList(this);
    m_directories->setObjectName(QStringLiteral("Chemins"));
    m_directoryLabel = new QLabel(this);
    m_directoryLabel->setObjectName(QStringLiteral("lblDossier"));
    m_directoryLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_withSubDirectories = new QCheckBox(m_texts.chkSousDossiers, this);
    m_withSubDirectories->setObjectName(QStringLiteral("chkSousDossiers"));
    m_found = new QListWidget(this);
    m_found->setObjectName(QStringLiteral("lstNouveauxDossiers"));
    m_found->setUniformItemSizes(true);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lblStatus"));
    m_addButton = new QPushButton(m_texts.cmdOK, this);
    m_addButton->setObjectName(QStringLiteral("cmdOK"));
    m_addButton->setDefault(true);
    auto *cancel = new QPushButton(m_texts.cmdAnnuler, this);
    cancel->setObjectName(QStringLiteral("cmdAnnuler"));
    cancel->setAutoDefault(false);

    auto *chooser = new QVBoxLayout;
    chooser->addWidget(m_drives);
    chooser->addWidget(m_directories, 1);
    auto *found = new QVBoxLayout;
    found->addWidget(m_found, 1);
    found->addWidget(m_status);
    auto *lists = new QHBoxLayout;
    lists->addLayout(chooser, 1);
    lists->addLayout(found, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_withSubDirectories, 1);
    buttons->addWidget(m_addButton);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_directoryLabel);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);
    resize(640, 400);

    connect(m_drives, &DriveList::driveChanged, this, &AddGridsDialog::onDriveChanged);
    connect(m_directories, &DirectoryList::pathChanged, m_directoryLabel, &QLabel::setText);
    connect(m_addButton, &QPushButton::clicked, this, &AddGridsDialog::add);
    connect(cancel, &QPushButton::clicked, this, &AddGridsDialog::reject);
}

void AddGridsDialog::showStart()
{
    const int current = m_organizer.currentIndex();
    QString start = current >= 0 ? m_organizer.entries().at(current).path : QString();
    if (start.isEmpty() && m_context.listedDirectory)
        start = m_context.listedDirectory();
    // A start directory that no longer exists leaves the lists on the process's current directory.
    if (!m_directories->setPath(start))
        m_directories->setPath(QDir::currentPath());
    m_drives->setDriveForPath(m_directories->path());
    m_directoryLabel->setText(m_directories->path());
}

void AddGridsDialog::onDriveChanged(const QString &directory)
{
    if (!m_directories->setPath(directory))
        m_drives->setDriveForPath(m_directories->path());
}

void AddGridsDialog::reject()
{
    if (m_scan)
        m_scan->cancel();
    QDialog::reject();
}

void AddGridsDialog::add()
{
    if (m_scan)
        return;
    const QString directory = m_directories->path();
    if (m_withSubDirectories->isChecked()) {
        addWithSubDirectories(directory);
    } else {
        addOne(directory);
    }
}

void AddGridsDialog::addOne(const QString &directory)
{
    if (!directory.isEmpty()) {
        if (isListedExactly(m_organizer.entries(), directory)) {
            m_context.prompter->showExclamation(m_texts.alreadyListed);
            return;
        }
        GridList entries = m_organizer.entries();
        addDirectory(entries, directory, m_organizer.currentIndex());
        m_organizer.replaceEntries(entries);
    }
}

void AddGridsDialog::addWithSubDirectories(const QString &directory)
{
    m_found->clear();
    m_found->addItem(directory);
    if (!isScannableDirectory(directory))
        return;
    if (!canEnumerateDirectory(directory)) {
        m_context.prompter->showTitledInformation(m_texts.pathInvalidTitle, childPath(directory, {}));
        return;
    }

    // The scan runs beside the dialog, which shows the count found so far and handles Cancel.
    setCursor(Qt::BusyCursor);
    setChoosingEnabled(false);
    m_status->setText(QStringLiteral("0"));
    m_scan = new BackgroundJob(this);
    auto scan = std::make_shared<SubDirectoryList>();
    connect(m_scan, &BackgroundJob::finished, this, [this, directory, scan] {
        // A scan cancelled after its last directory is over, yet the user has gone: nothing is added.
        const bool cancelled = m_scan->control().isCancelled();
        m_progressTimer.stop();
        m_scan->deleteLater();
        m_scan = nullptr;
        setChoosingEnabled(true);
        unsetCursor();
        if (!cancelled && !scan->stopped)
            addScanned(directory, *scan);
    });
    m_progressTimer.start();
    m_scan->start([directory, scan](JobControl &control) { *scan = ListerSousDossiers(directory, control); });
}

void AddGridsDialog::addScanned(const QString &directory, const SubDirectoryList &scan)
{
    m_found->addItems(scan.directories);
    m_status->setText(scannedCountText(m_found->count(), m_context.language));

    const qint64 found = scan.directories.size();
    if (found == 0) {
        m_context.prompter->showInformation(m_texts.noSubDirectories.arg(directory));
        return;
    }
    if (!m_context.prompter->askYesNo(m_texts.confirmAdd.arg(directory, QString::number(found))))
        return;

    const QStringList candidates = QStringList{directory} + scan.directories;
    const QStringList added = withoutListed(candidates, m_organizer.entries());
    // lstNouveauxDossiers keeps the directories that are added.
    m_found->clear();
    m_found->addItems(added);
    if (added.isEmpty()) {
        m_context.prompter->showInformation(m_texts.allAlreadyListed);
        return;
    }
    GridList entries = m_organizer.entries();
    addDirectories(entries, added, m_organizer.currentIndex());
    m_organizer.replaceEntries(entries);
    m_status->setText(addedCountText(added.size(), m_context.language));
}

void AddGridsDialog::setChoosingEnabled(bool enabled)
{
    const QList<QWidget *> controls{m_addButton, m_drives, m_directories, m_withSubDirectories};
    for (QWidget *control : controls)
        control->setEnabled(enabled);
}

void AddGridsDialog::showProgress()
{
    if (m_scan)
        m_status->setText(QString::number(m_scan->control().value()));
}
