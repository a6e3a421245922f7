// The listing of the main window: Chemins_Change, the drive list, the refresh button, the job that lists
// beside the window and the queue of commands that wait for it.

#include "common/language_texts.h"
#include "config/configuration_writes.h"
#include "listing/listing_job.h"
#include "platform/directory_list.h"
#include "platform/drive_list.h"
#include "platform/native_name.h"
#include "ui/grid_model.h"
#include "ui/grid_view.h"
#include "ui/main_window.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <utility>

namespace {

void setLabelColour(QLabel *label, QPalette::ColorRole role)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, label->window()->palette().color(role));
    label->setPalette(palette);
}

} // namespace

void MainWindow::Chemins_Change()
{
    if (m_job) {
        // A running listing stops and a page is finished first; this listing runs once the job is over.
        m_listingPending = true;
        if (m_jobIsListing)
            m_job->cancel();
        return;
    }
    if (m_controls.Chemins->path().isEmpty())
        return; // nothing chosen yet
    startListing();
}

bool MainWindow::deferWhileListing(std::function<void()> action)
{
    if (!m_job)
        return false;
    if (m_jobIsListing)
        m_job->cancel();
    m_afterListing.append(std::move(action));
    return true;
}

void MainWindow::startListing()
{
    const MainWindowControls &c = m_controls;
    const QString directory = c.Chemins->path();
    setCursor(Qt::BusyCursor);
    c.lblNbDocuments->clear();
    m_listedDirectory = directory;
    c.lblDossier->setText(displayName(directory));
    c.lblDossier->setToolTip(displayName(directory));
    setLabelColour(c.lblDossier, QPalette::Highlight);
    c.ProgressBar1->setRange(0, 1);
    c.ProgressBar1->setValue(0);
    IniFile configuration(m_paths.iniPath());
    reportAutomaticWrite(writeDirectory(configuration, directory));

    // The listing fills a grid of its own, which replaces the one on screen when it is done: events
    // handled meanwhile (a header click, a column drag) act on a grid that stays whole.
    DocumentGrid listed;
    listed.setColumns(m_grid.columns());
    listed.setBoldColumn(m_grid.boldColumn());
    auto *job =
        new ListingJob(directory, makeScanOptions(m_settings, m_displayed, m_sort), std::move(listed), this);
    connect(job, &ListingJob::directoryRead, this, &MainWindow::showDirectoryRead);
    connect(job, &BackgroundJob::finished, this, [this, job, generation = m_columnsGeneration] {
        endListing(job->result(), job->grid(), generation);
        endJob();
    });
    beginJob(job, true);
    job->start();
}

void MainWindow::showDirectoryRead(const ScanResult &read)
{
    m_fileCount = read.fileCount;
    m_controls.lblNbFichiers->setText(fileCountText(m_fileCount, m_settings.language));
    // The directory list shows the sub-directories the listing read.
    m_controls.Chemins->showSubDirectories(m_listedDirectory, read.subDirectories);
}

void MainWindow::endListing(const ScanResult &result, DocumentGrid &listed, int columnsGeneration)
{
    const MainWindowControls &c = m_controls;
    // Columns rebuilt during the listing make its rows meaningless: the grid stays as the rebuild left
    // it, and the listing that follows fills it.
    if (columnsGeneration == m_columnsGeneration) {
        for (int column = 0; column < listed.columnCount() && column < m_grid.columnCount(); ++column)
            listed.column(column).widthTwips = m_grid.column(column).widthTwips;
        m_model->beginReset();
        DocumentGrid shown = std::exchange(m_grid, std::move(listed));
        m_model->endReset();
        // Freeing a large grid takes longer than an event may wait: the old rows go on a thread of their
        // own (the previous listing's is long done).
        if (m_gridFreer.joinable())
            m_gridFreer.join();
        m_gridFreer = std::thread([rows = std::move(shown)]() mutable { rows = {}; });
    }
    c.gridFiles->setSelectionHighlight(false);
    m_fileCount = result.fileCount;
    c.lblNbFichiers->setText(fileCountText(m_fileCount, m_settings.language));
    m_documentCount = result.documentCount;
    c.lblNbDocuments->setText(documentCountText(m_documentCount, result.interrupted, m_settings.language));
    c.cmdHTML->setEnabled(m_documentCount > 0);
    setButtonsForList();
    setLabelColour(c.lblDossier, QPalette::WindowText);
    unsetCursor();
}

void MainWindow::beginJob(BackgroundJob *job, bool isListing)
{
    m_job = job;
    m_jobIsListing = isListing;
    m_progressTimer.start();
}

void MainWindow::showJobProgress()
{
    if (!m_job)
        return;
    const JobControl &control = m_job->control();
    m_controls.ProgressBar1->setRange(0, int(qMax<qint64>(1, control.maximum())));
    m_controls.ProgressBar1->setValue(int(qMin(control.value(), control.maximum())));
}

void MainWindow::endJob()
{
    m_progressTimer.stop();
    m_controls.ProgressBar1->setValue(0);
    m_job->deleteLater();
    m_job = nullptr;
    if (m_listingPending) {
        m_listingPending = false;
        Chemins_Change();
    }
    while (!m_afterListing.isEmpty() && !m_job)
        m_afterListing.takeFirst()();
}

void MainWindow::afterJob(std::function<void()> action)
{
    if (m_job)
        m_afterListing.append(std::move(action));
    else
        action();
}

bool MainWindow::listDirectoryAt(const QString &path)
{
    DirectoryList *chemins = m_controls.Chemins;
    const QString before = chemins->path();
    if (!chemins->setPath(path))
        return false;
    m_controls.Lecteurs->setDriveForPath(chemins->path());
    // Setting the path it already shows lists nothing by itself.
    if (chemins->path() == before)
        Chemins_Change();
    return true;
}

void MainWindow::refresh()
{
    DirectoryList *chemins = m_controls.Chemins;
    const QString highlighted = chemins->highlighted();
    if (highlighted == chemins->path()) {
        // The listing reads the directory again, new sub-directories included.
        Chemins_Change();
    } else if (chemins->setPath(highlighted)) {
        m_controls.Lecteurs->setDriveForPath(chemins->path());
    }
}

void MainWindow::onDriveChanged(const QString &directory)
{
    // A volume that cannot be opened puts the drive list back on the drive of the listed directory.
    if (!m_controls.Chemins->setPath(directory))
        m_controls.Lecteurs->setDriveForPath(m_controls.Chemins->path());
}
