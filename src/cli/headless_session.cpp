#include "cli/headless_session.h"

#include "config/configuration_loader.h"
#include "config/settings_directory.h"
#include "listing/directory_scan.h"

#include <QDir>
#include <QFileInfo>

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
    return QDir::cleanPath(QFileInfo(directory).absoluteFilePath());
}

bool HeadlessSession::listInto(const QString &directory, CommandOutcome &outcome)
{
    const QFileInfo info(directory);
    if (!info.isDir()) {
        outcome = {1, {}, QStringLiteral("%1: no such directory").arg(directory)};
        return false;
    }
    ScanControl control;
    const ScanResult result = listDirectory(
        directory,
        makeScanOptions(m_settings, m_displayed, {m_commandLine.sortColumn, m_commandLine.sortAscending}),
        m_grid, control);
    if (!result.enumerated) {
        outcome = {1, {}, QStringLiteral("%1: the directory cannot be read").arg(directory)};
        return false;
    }
    return true;
}

CommandOutcome HeadlessSession::run()
{
    CommandOutcome outcome;
    const QString directory = directoryArgument();
    switch (m_commandLine.command) {
    case CommandLine::Command::List:
        if (listInto(directory, outcome))
            outcome.output = formatGrid(m_grid, directory, m_commandLine.format);
        break;
    default:
        outcome = {2, {}, QStringLiteral("this command is not available yet")};
        break;
    }
    return outcome;
}
