#include "config/settings_directory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString absoluteClean(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

// True when `path` is `directory` or lies below it; both absolute and cleaned.
bool isWithin(const QString &path, const QString &directory)
{
    if (directory == QLatin1String("/"))
        return true;
    return path == directory || path.startsWith(directory + QLatin1Char('/'));
}

bool isInstalled(const QString &executableDirectory, const QString &installPrefix)
{
    return isWithin(executableDirectory, QStringLiteral("/usr")) ||
           (!installPrefix.isEmpty() && isWithin(executableDirectory, absoluteClean(installPrefix)));
}

} // namespace

QString resolveSettingsDirectory(const SettingsDirectorySources &sources)
{
    if (!sources.commandLineDirectory.isEmpty())
        return absoluteClean(sources.commandLineDirectory);
    if (!sources.executableDirectory.isEmpty() && sources.isExecutableDirectoryWritable) {
        const QString executableDirectory = absoluteClean(sources.executableDirectory);
        if (!isInstalled(executableDirectory, sources.installPrefix))
            return executableDirectory;
    }
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
    sources.installPrefix = QStringLiteral(FICHORAMA_INSTALL_PREFIX);
    return sources;
}
