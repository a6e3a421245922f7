// The main window's dialogs: the configuration chooser, the displayed properties, the HTML layout and the
// grid-list organiser, and what the window does with their results.

#include "common/language_texts.h"
#include "config/config_chooser_dialog.h"
#include "config/configuration_writes.h"
#include "config/displayed_properties.h"
#include "config/displayed_properties_dialog.h"
#include "gridlist/grid_list_organizer_dialog.h"
#include "html/html_layout_dialog.h"
#include "platform/prompter.h"
#include "ui/grid_model.h"
#include "ui/grid_view.h"
#include "ui/main_window.h"

void MainWindow::chooseConfiguration()
{
    if (deferWhileListing([this] { chooseConfiguration(); }))
        return;
    const ConfigurationChoice choice = ConfigChooserDialog::ask(
        this, m_paths.settingsDirectory(), m_paths.configurationName(), m_settings.language, m_prompter);
    if (choice.changed)
        loadConfiguration(choice.name, choice.isNew);
    // The configuration loaded, if any, has put its remembered directory into lblDossier.
    if (!m_listedDirectory.isEmpty() && listDirectoryAt(m_listedDirectory))
        return;
    m_prompter.showInformation(messageTexts(m_settings.language).unknownDirectory + QStringLiteral("\r\n") +
                               m_listedDirectory);
}

void MainWindow::chooseDisplayedProperties()
{
    const std::optional<DisplayedColumns> chosen =
        DisplayedPropertiesDialog::ask(this, m_displayed, m_settings.language);
    if (!chosen)
        return;
    IniFile configuration(m_paths.iniPath());
    m_model->beginReset();
    const DisplayedPropertiesApplied applied =
        applyDisplayedProperties(m_grid, configuration, *chosen, m_settings.language, gridWidthTwips());
    m_model->endReset();
    // A listing that was running when the dialog opened was made for the old columns: it is dropped.
    ++m_columnsGeneration;
    m_displayed = applied.displayed;
    m_controls.gridFiles->applyColumnWidths();
    reportConfigurationFailure(applied.failure);
    refresh();
}

void MainWindow::editHtmlLayout()
{
    // The colour and the images the dialog's choosers give go into m_settings.html at once.
    const std::optional<HtmlSettings> chosen = HtmlLayoutDialog::ask(
        this, m_settings.html, m_settings.language, m_paths.settingsDirectory(), m_prompter);
    if (!chosen)
        return;
    m_settings.html = *chosen;
    IniFile configuration(m_paths.iniPath());
    reportConfigurationFailure(writeHtmlSettings(configuration, *chosen));
}

void MainWindow::cmdEditerEnsemble_Click()
{
    const OrganizerContext context{m_settings.language, &m_prompter, m_paths.gridListPath(),
                                   [this] { return m_listedDirectory; },
                                   [this](const QString &directory) { listDirectoryAt(directory); }};
    // The organiser has written the grid-list file when it gives a list back.
    if (const std::optional<GridList> entries = GridListOrganizerDialog::ask(this, gridList(), context))
        setGridList(*entries);
}

void MainWindow::reportConfigurationFailure(const std::optional<WriteFailure> &failure)
{
    if (failure)
        m_prompter.showError(
            messageTexts(m_settings.language).configurationNotWritten.arg(failure->path, failure->reason));
}

void MainWindow::reportAutomaticWrite(const std::optional<WriteFailure> &failure)
{
    if (failure && !m_automaticWriteFailed)
        reportConfigurationFailure(failure);
    m_automaticWriteFailed = failure.has_value();
}
