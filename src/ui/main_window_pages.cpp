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
    showPageResult(EcrirePageHTML(m_grid, m_listedDirectory, m_sort, pageContext()),
                   &Prompter::showExclamation, messageTexts(m_settings.language).htmlImpossible);
}

void MainWindow::cmdHTMLEnsemble_Click()
{
    // Each directory of the page is listed here, synchronously: never inside another listing.
    if (deferWhileListing([this] { cmdHTMLEnsemble_Click(); }))
        return;
    const QString startingDirectory = m_listedDirectory;
    const GridList entries = gridList();
    if (entries.isEmpty()) {
        m_prompter.showInformation(messageTexts(m_settings.language).noGridInList);
        return;
    }
    // The settings directory is made at its first write; the page may be that write.
    QDir().mkpath(m_settings.html.pathListeTableaux);
    const PageContext context = pageContext();
    const ListDirectory listOne = [this](const QString &path) {
        listDirectoryAt(path);
        return ListedDirectory{m_grid, m_listedDirectory};
    };
    const PageResult result = writeCombinedPage(entries, m_sort, context, listOne);
    if (!listDirectoryAt(startingDirectory))
        listDirectoryAt(m_controls.Chemins->path());
    showPageResult(result, &Prompter::showInformation, messageTexts(m_settings.language).noGridInList);
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
