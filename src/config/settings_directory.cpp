#include "config/settings_directory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString absoluteClean(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

QString resolveSettingsDirectory(const SettingsDirectorySources &sources)
{
    if (!sources.commandLineDirectory.isEmpty())
        return absoluteClean(sources.commandLineDirectory);
    if (!sources.executableDirectory.isEmpty() && sources.isExecutableDirectoryWritable)
        return absoluteClean(sources.executableDirectory);
    const QString configHome = QDir::isAbsolutePath(sources.xdgConfigHome)
                                   ? sources.xdgConfigHome
                                   : QDir(sources.homeDirectory).filePath(QStringLiteral(".config"));
    return absoluteClean(QDir(configHome).filePath(QStringLiteral("fichorama")));
}

SettingsDirectorySources processSettingsDirectorySources(const QString &commandLineDirectory)
{
    SettingsDirectorySources sources;
    sources.commandLineDirectory = commandLineDirectory;
    sources.executableDirectory = QCoreApplication::applicationDirPath();
    sources.isExecutableDirectoryWritable = QFileInfo(sources.executableDirectory).isWritable();
    sources.xdgConfigHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    sources.homeDirectory = QDir::homePath();
    return sources;
}
