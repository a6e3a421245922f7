#include "cli/headless_session.h"

#include "common/language_texts.h"
#include "config/configuration_loader.h"
#include "config/settings_directory.h"
#include "gridlist/grid_list_file.h"
#include "html/combined_page.h"
#include "html/single_page.h"
#include "listing/directory_scan.h"
#include "platform/directory_check.h"
#include "platform/native_files.h"
#include "platform/native_name.h"
#include "platform/system_names.h"

#include <QDir>

namespace {

ConfigurationPaths pathsFor(const CommandLine &commandLine)
{
    const QString settingsDirectory =
        resolveSettingsDirectory(processSettingsDirectorySources(commandLine.settingsDirectory));
    QString name = commandLine.configurationName;
    if (name.isEmpty())
        name = readConfigurationName(IniFile(ConfigurationPaths::selectorPath(settingsDirectory)));
    return ConfigurationPaths(settingsDirectory, name);
}

} // namespace

HeadlessSession::HeadlessSession(const CommandLine &commandLine)
    : m_commandLine(commandLine)
    , m_paths(pathsFor(commandLine))
{
    m_settings = ChargerConfiguration(m_paths, QDir::currentPath());
    m_displayed = ConstruireColonnes(m_grid, IniFile(m_paths.iniPath()), m_settings.language);
}

QString HeadlessSession::directoryArgument() const
{
    const QString directory =
        m_commandLine.directory.isEmpty() ? m_settings.directory : m_commandLine.directory;
    return cleanAbsolutePath(directory);
}

bool HeadlessSession::listInto(const QString &directory, const SortState &sort, CommandOutcome &outcome)
{
    if (const QString reason = notADirectoryReason(directory); !reason.isEmpty()) {
        outcome = {1, {}, QStringLiteral("%1: %2").arg(displayName(directory), reason)};
        return false;
    }
    JobControl control;
    const ScanResult result =
        listDirectory(directory, makeScanOptions(m_settings, m_displayed, sort), m_grid, control);
    if (!result.enumerated) {
        outcome = {1, {}, QStringLiteral("%1: the directory cannot be read").arg(displayName(directory))};
        return false;
    }
    return true;
}

CommandOutcome HeadlessSession::list()
{
    const QString directory = directoryArgument();
    const std::optional<ColumnChoice> &choice = m_commandLine.columns;
    SortState sort{m_commandLine.sortColumn, m_commandLine.sortAscending};
    if (choice) {
        // The listing holds the chosen columns in table order; the sort column counts printed columns.
        m_displayed = choice->displayed();
        setDisplayedColumns(m_grid, m_displayed, m_settings.language);
        sort.column = choice->gridColumn(sort.column);
    }
    CommandOutcome outcome;
    if (listInto(directory, sort, outcome))
        outcome.output =
            formatGrid(choice ? choice->select(m_grid) : m_grid, directory, m_commandLine.format);
    return outcome;
}

CommandOutcome HeadlessSession::pageOutcome(const PageResult &result, const QString &refusal) const
{
    switch (result.status) {
    case PageStatus::Written:
        return {0, nativeBytes(result.path) + '\n', {}};
    case PageStatus::NothingToWrite:
        return {1, {}, refusal};
    case PageStatus::Cancelled: // nothing cancels a command
    case PageStatus::Failed:
        break;
    }
    return {1, {}, QStringLiteral("%1: %2").arg(result.failure.path, result.failure.reason)};
}

CommandOutcome HeadlessSession::run()
{
    CommandOutcome outcome;
    const SortState sort{m_commandLine.sortColumn, m_commandLine.sortAscending};
    const StartupValues startup = readStartupValues();
    const PageContext context{m_settings.html, m_settings.language,
                              makePageStamp(systemClock, m_settings.language), startup};
    const MessageTexts messages = messageTexts(m_settings.language);
    switch (m_commandLine.command) {
    case CommandLine::Command::List:
        outcome = list();
        break;
    case CommandLine::Command::Html: {
        const QString directory = directoryArgument();
        if (!listInto(directory, sort, outcome))
            break;
        JobControl control;
        outcome =
            pageOutcome(EcrirePageHTML(m_grid, directory, sort, context, control), messages.htmlImpossible);
        break;
    }
    case CommandLine::Command::HtmlList: {
        JobControl control;
        const ListDirectory listOne =
            scanningLister(m_grid, makeScanOptions(m_settings, m_displayed, sort), control);
        outcome = pageOutcome(
            writeCombinedPage(LireListeTableaux(m_paths.gridListPath()), sort, context, listOne, control),
            messages.noGridInList);
        break;
    }
    default:
        outcome = {2, {}, usageText()};
        break;
    }
    return outcome;
}
