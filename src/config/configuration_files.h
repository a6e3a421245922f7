#pragma once

#include "common/settings.h"
#include "config/configuration_paths.h"
#include "gridlist/grid_list_entry.h"
#include "listing/document_grid.h"
#include "listing/property_columns.h"

#include <QStringList>

// The configuration names of the settings directory: every file "name.ini" except the selector file,
// in the order the file system returns them. A missing directory gives an empty list.
QStringList listConfigurationNames(const QString &settingsDirectory);

// Whether the configuration file of `name` exists.
bool configurationFileExists(const QString &settingsDirectory, const QString &name);

// Deletes the configuration file of `name`, leaving its grid-list file. False when it could not be deleted.
bool deleteConfigurationFile(const QString &settingsDirectory, const QString &name);

// What a switch to another configuration loads.
struct LoadedConfiguration
{
    Settings settings;
    GridList gridList;
    DisplayedColumns displayed{};
    std::optional<WriteFailure> failure; // the widths of a new configuration could not be stored
};

// Loads the configuration of `paths` after a switch: its settings, its grid list and its columns into
// `grid`; then the stored widths, or for a new configuration equal widths, which are stored and so create
// its configuration file.
LoadedConfiguration loadChosenConfiguration(const ConfigurationPaths &paths, DocumentGrid &grid,
                                            const QString &currentDirectory, double gridWidthTwips,
                                            bool isNew);
