// The listing of the main window: Chemins_Change, the drive list, the refresh button and the queue of
// commands that wait for a running listing to unwind.

#include "common/language_texts.h"
#include "config/configuration_writes.h"
#include "platform/directory_list.h"
#include "platform/drive_list.h"
#include "platform/native_name.h"
#include "ui/grid_model.h"
#include "ui/grid_view.h"
#include "ui/main_window.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

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
    if (m_listing) {
        // Called from inside the running listing's event pump: stop it, then list again once it is done.
        m_listingPending = true;
        m_scanControl.interruptRequested = true;
        return;
    }
    if (m_controls.Chemins->path().isEmpty())
        return; // nothing chosen yet
    m_listing = true;
    do {
        m_listingPending = false;
        listOnce();
    } while (m_listingPending);
    m_listing = false;
    while (!m_afterListing.isEmpty() && !m_listing)
        m_afterListing.takeFirst()();
}

bool MainWindow::deferWhileListing(std::function<void()> action)
{
    if (!m_listing)
        return false;
    m_scanControl.interruptRequested = true;
    m_afterListing.append(std::move(action));
    return true;
}

void MainWindow::listOnce()
{
    const MainWindowControls &c = m_controls;
    const QString directory = c.Chemins->path();
    setCursor(Qt::WaitCursor);
    m_fileCount = countFiles(directory, m_settings.listing.includeHidden);
    c.lblNbFichiers->setText(fileCountText(m_fileCount, m_settings.language));
    c.lblNbDocuments->clear();
    m_listedDirectory = directory;
    c.lblDossier->setText(displayName(directory));
    c.lblDossier->setToolTip(displayName(directory));
    setLabelColour(c.lblDossier, QPalette::Highlight);
    c.ProgressBar1->setRange(0, m_fileCount > 1 ? m_fileCount : 1);
    c.ProgressBar1->setValue(0);
    IniFile configuration(m_paths.iniPath());
    reportAutomaticWrite(writeDirectory(configuration, directory));

    // The listing fills a grid of its own, which replaces the one on screen when it is done: events let
    // through meanwhile (a header click, a column drag) act on a grid that stays whole.
    DocumentGrid listed;
    listed.setColumns(m_grid.columns());
    listed.setBoldColumn(m_grid.boldColumn());
    const int generation = m_columnsGeneration;
    m_scanControl.letEventsThrough = [] { QCoreApplication::processEvents(); };
    m_scanControl.progress = [bar = c.ProgressBar1](int value, int maximum) {
        bar->setRange(0, maximum);
        bar->setValue(value);
    };
    const ScanResult result =
        listDirectory(directory, makeScanOptions(m_settings, m_displayed, m_sort), listed, m_scanControl);
    endListing(result, listed, generation);
}

void MainWindow::endListing(const ScanResult &result, DocumentGrid &listed, int columnsGeneration)
{
    const MainWindowControls &c = m_controls;
    // Columns rebuilt during the listing (a language switch) make its rows meaningless: the grid stays
    // as the rebuild left it, and the listing that follows fills it.
    if (columnsGeneration == m_columnsGeneration) {
        for (int column = 0; column < listed.columnCount() && column < m_grid.columnCount(); ++column)
            listed.column(column).widthTwips = m_grid.column(column).widthTwips;
        m_model->beginReset();
        m_grid = std::move(listed);
        m_model->endReset();
    }
    c.gridFiles->setSelectionHighlight(false);
    m_documentCount = result.documentCount;
    c.lblNbDocuments->setText(documentCountText(m_documentCount, result.interrupted, m_settings.language));
    c.cmdHTML->setEnabled(m_documentCount > 0);
    setButtonsForList();
    setLabelColour(c.lblDossier, QPalette::WindowText);
    c.ProgressBar1->setValue(0);
    unsetCursor();
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
        // New sub-directories show too.
        chemins->refresh();
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
