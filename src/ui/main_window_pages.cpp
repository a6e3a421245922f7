// The HTML buttons and the grid list of the main window: cmdHTML, cmdHTMLEnsemble, cmdAjouterEnsemble and
// cmdSupprimerEnsemble.

#include "common/language_texts.h"
#include "gridlist/grid_list_rules.h"
#include "html/combined_page.h"
#include "html/single_page.h"
#include "platform/directory_list.h"
#include "platform/prompter.h"
#include "platform/shell.h"
#include "ui/main_window.h"

#include <QDir>
#include <QPushButton>

void MainWindow::reportPageFailure(const WriteFailure &failure)
{
    const MessageTexts messages = messageTexts(m_settings.language);
    // The writers stop at the first file they cannot write: the page itself or one of its image copies,
    // which are named without an extension.
    const bool isPage = failure.path.endsWith(QLatin1String(".html"), Qt::CaseInsensitive);
    const QString &text = isPage ? messages.pageNotWritten : messages.imageNotCopied;
    m_prompter.showError(text.arg(failure.path, failure.reason));
}

void MainWindow::cmdHTML_Click()
{
    if (deferWhileListing([this] { cmdHTML_Click(); }))
        return;
    const QString refusal = messageTexts(m_settings.language).htmlImpossible;
    if (m_grid.rowCount() == 0) {
        m_prompter.showExclamation(refusal);
        return;
    }
    // The job writes from its own copy of the grid and the settings: the window may sort the grid or
    // change the layout meanwhile.
    writePageJob([grid = m_grid, directory = m_listedDirectory, sort = m_sort, context = pageContext()](
                     JobControl &control) { return EcrirePageHTML(grid, directory, sort, context, control); },
                 [this, refusal](const PageResult &result) {
                     showPageResult(result, &Prompter::showExclamation, refusal);
                 });
}

void MainWindow::cmdHTMLEnsemble_Click()
{
    if (deferWhileListing([this] { cmdHTMLEnsemble_Click(); }))
        return;
    const QString startingDirectory = m_listedDirectory;
    const GridList entries = gridList();
    const QString refusal = messageTexts(m_settings.language).noGridInList;
    if (entries.isEmpty()) {
        m_prompter.showInformation(refusal);
        return;
    }
    // The settings directory is made at its first write; the page may be that write.
    QDir().mkpath(m_settings.html.pathListeTableaux);
    DocumentGrid columns;
    columns.setColumns(m_grid.columns());
    // Each ticked directory is listed on the job's thread, with the listing's options, while the window
    // keeps showing the grid it shows.
    writePageJob(
        [entries, sort = m_sort, context = pageContext(), columns = std::move(columns),
         options = makeScanOptions(m_settings, m_displayed, m_sort)](JobControl &control) {
            return writeCombinedPage(entries, sort, context, scanningLister(columns, options, control),
                                     control);
        },
        [this, startingDirectory, refusal](const PageResult &result) {
            if (result.status == PageStatus::Cancelled)
                return;
            // The window lists the directory it showed again, then opens the page.
            if (!listDirectoryAt(startingDirectory))
                listDirectoryAt(m_controls.Chemins->path());
            afterJob(
                [this, result, refusal] { showPageResult(result, &Prompter::showInformation, refusal); });
        });
}

void MainWindow::writePageJob(std::function<PageResult(JobControl &control)> write,
                              std::function<void(const PageResult &result)> done)
{
    auto *job = new BackgroundJob(this);
    auto result = std::make_shared<PageResult>();
    connect(job, &BackgroundJob::finished, this, [this, result, done = std::move(done)] {
        // What the result asks for (another listing) waits behind what was asked during the job.
        done(*result);
        endJob();
    });
    beginJob(job, false);
    job->start([result, write = std::move(write)](JobControl &control) { *result = write(control); });
}

PageContext MainWindow::pageContext() const
{
    return {m_settings.html, m_settings.language, makePageStamp(m_environment.clock, m_settings.language),
            m_environment.startup};
}

void MainWindow::showPageResult(const PageResult &result, void (Prompter::*refuse)(const QString &),
                                const QString &refusal)
{
    switch (result.status) {
    case PageStatus::NothingToWrite:
        (m_prompter.*refuse)(refusal);
        return;
    case PageStatus::Cancelled:
        return;
    case PageStatus::Failed:
        reportPageFailure(result.failure);
        return;
    case PageStatus::Written:
        m_shell.open(result.path);
        return;
    }
}

void MainWindow::cmdAjouterEnsemble_Click()
{
    GridList entries = gridList();
    showListEdit(entries, addDisplayedDirectory(entries, m_listedDirectory, m_paths.gridListPath()));
}

void MainWindow::cmdSupprimerEnsemble_Click()
{
    GridList entries = gridList();
    showListEdit(entries, removeDisplayedDirectory(entries, m_listedDirectory, m_paths.gridListPath()));
}

void MainWindow::showListEdit(const GridList &entries, const ListEditResult &result)
{
    m_controls.cmdAjouterEnsemble->setEnabled(result.buttons.addEnabled);
    m_controls.cmdSupprimerEnsemble->setEnabled(result.buttons.removeEnabled);
    const MessageTexts messages = messageTexts(m_settings.language);
    switch (result.change) {
    case ListChange::Added:
    case ListChange::Removed:
        setGridList(entries);
        return;
    case ListChange::AlreadyListed:
        m_prompter.showInformation(messages.gridAlreadyListed);
        return;
    case ListChange::NotListed:
        m_prompter.showInformation(messages.gridNotListed);
        return;
    case ListChange::WriteFailed:
        m_prompter.showError(messages.gridListNotWritten.arg(result.failure.path, result.failure.reason));
        return;
    }
}
