#include "cli/headless_session.h"

#include "cli/json_output.h"
#include "common/language_texts.h"
#include "config/configuration_loader.h"
#include "config/settings_directory.h"
#include "gridlist/grid_list_file.h"
#include "gridlist/sub_directory_scan.h"
#include "html/combined_page.h"
#include "html/single_page.h"
#include "listing/directory_scan.h"
#include "platform/child_path.h"
#include "platform/directory_check.h"
#include "platform/local_time.h"
#include "platform/native_files.h"
#include "platform/native_name.h"
#include "platform/system_names.h"

#include <QDir>

namespace {

// `directory` below `top`, as a path relative to it.
QString relativePath(const QString &top, const QString &directory)
{
    return directory.mid(top.endsWith(u'/') ? top.size() : top.size() + 1);
}

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

HeadlessSession::HeadlessSession(const CommandLine &commandLine, OutputSink output)
    : m_commandLine(commandLine)
    , m_paths(pathsFor(commandLine))
    , m_output(std::move(output))
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

bool HeadlessSession::listInto(const QString &directory, const SortState &sort, CommandOutcome &outcome,
                               bool keepProperties)
{
    if (const QString reason = notADirectoryReason(directory); !reason.isEmpty()) {
        outcome = {1, {}, QStringLiteral("%1: %2").arg(displayName(directory), reason)};
        return false;
    }
    JobControl control;
    ScanOptions options = makeScanOptions(m_settings, m_displayed, sort);
    options.keepProperties = keepProperties;
    m_scan = listDirectory(directory, options, m_grid, control);
    if (!m_scan.enumerated) {
        outcome = {1, {}, QStringLiteral("%1: the directory cannot be read").arg(displayName(directory))};
        return false;
    }
    return true;
}

CommandOutcome HeadlessSession::list()
{
    const QString top = directoryArgument();
    const ColumnChoice choice = m_commandLine.columns.value_or(ColumnChoice::fromDisplayed(m_displayed));
    if (m_commandLine.columns) {
        // The listing holds the chosen columns in table order.
        m_displayed = choice.displayed();
        setDisplayedColumns(m_grid, m_displayed, m_settings.language);
    }
    // The sort column counts printed columns.
    const SortState sort{choice.gridColumn(m_commandLine.sortColumn), m_commandLine.sortAscending};
    const bool json = m_commandLine.format == TableFormat::Json;

    CommandOutcome outcome;
    if (!listInto(top, sort, outcome, json))
        return outcome;
    QStringList directories{top};
    if (m_commandLine.recursive) {
        JobControl scan;
        directories += ListerSousDossiers(top, scan).directories;
    }

    // Every directory's rows, sorted per directory, one after the other; below the top directory a name
    // is the path relative to it. Rows are moved, never copied: a listing can hold many thousands.
    DocumentGrid listed;
    listed.setColumns(m_grid.columns());
    QStringList paths;
    for (const QString &directory : directories) {
        if (CommandOutcome failure; directory != top && !listInto(directory, sort, failure, json)) {
            outcome.notes << failure.message;
            outcome.status = 1;
            continue;
        }
        const QString prefix = directory == top ? QString() : relativePath(top, directory) + u'/';
        for (const UnreadableFile &file : m_scan.unreadable)
            outcome.notes << QStringLiteral("%1: %2").arg(displayName(childPath(directory, file.name)),
                                                          file.reason);
        for (GridRow &row : m_grid.rows()) {
            if (json)
                paths << childPath(directory, row.fileName);
            if (!prefix.isEmpty()) {
                row.cells.set(0, displayName(prefix).append(row.cells[0]));
                row.fileName = prefix + row.fileName;
            }
        }
        listed.appendRows(std::move(m_grid.rows()));
    }
    const QVector<int> columns = choice.gridColumns();
    const OutputSink write =
        m_output ? m_output : [&outcome](QByteArrayView bytes) { outcome.output += bytes; };
    if (json)
        write(formatJson(listed, columns, choice.propertyIndexes(), paths, LocalTime()));
    else
        writeGrid(listed, columns, m_commandLine.format, write);
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
