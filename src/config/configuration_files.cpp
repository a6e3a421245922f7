#include "config/configuration_files.h"

#include "config/configuration_loader.h"
#include "gridlist/grid_list_file.h"
#include "platform/directory_reader.h"

#include <QDir>
#include <QFile>

namespace {

const QString kIniSuffix = QStringLiteral(".ini");

} // namespace

QStringList listConfigurationNames(const QString &settingsDirectory)
{
    const QString selectorName = QFileInfo(ConfigurationPaths::selectorPath(settingsDirectory)).fileName();
    QStringList names;
    DirectoryReader reader(settingsDirectory);
    DirectoryEntry entry;
    while (reader.next(entry)) {
        if (entry.isDirectory || entry.name == selectorName)
            continue;
        // Configuration files are named name + ".ini" exactly; "A.INI" would name no configuration here.
        if (!entry.name.endsWith(kIniSuffix, Qt::CaseSensitive) || entry.name.size() == kIniSuffix.size())
            continue;
        names.append(entry.name.chopped(kIniSuffix.size()));
    }
    return names;
}

bool configurationFileExists(const QString &settingsDirectory, const QString &name)
{
    return QFileInfo(ConfigurationPaths(settingsDirectory, name).iniPath()).isFile();
}

bool deleteConfigurationFile(const QString &settingsDirectory, const QString &name)
{
    return QFile::remove(ConfigurationPaths(settingsDirectory, name).iniPath());
}

LoadedConfiguration loadChosenConfiguration(const ConfigurationPaths &paths, DocumentGrid &grid,
                                            const QString &currentDirectory, double gridWidthTwips,
                                            bool isNew)
{
    LoadedConfiguration loaded;
    loaded.settings = ChargerConfiguration(paths, currentDirectory);
    loaded.gridList = LireListeTableaux(paths.gridListPath());
    IniFile configuration(paths.iniPath());
    loaded.displayed = ConstruireColonnes(grid, configuration, loaded.settings.language);
    if (isNew)
        loaded.failure = ReinitialiserLargeurs(grid, configuration, gridWidthTwips);
    else
        LireLargeurs(grid, configuration, gridWidthTwips);
    return loaded;
}
