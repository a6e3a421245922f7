#pragma once

#include "common/settings.h"
#include "config/configuration_paths.h"
#include "platform/ini_file.h"

#include <optional>

// The configuration name kept in the selector file, without the characters a file name cannot hold (as
// the chooser lets it be typed); "Fichorama" when the file or its key is missing or nothing is left.
QString readConfigurationName(const IniFile &selector);

// Loads sections "Configuration" and "HTML" of the configuration in `paths` (one read of the file).
// Missing keys and a missing or unreadable file give the defaults; "Repertoire" defaults to
// `currentDirectory` (the process's current directory), "PathListeTableaux" to the settings directory.
// "PrefixeTableau" loses the characters a file name cannot hold, as the layout dialog lets it be typed.
// The grid list, the displayed columns and the widths are read by their own owners.
Settings ChargerConfiguration(const ConfigurationPaths &paths, const QString &currentDirectory);

// The main window's place as the last run left it (keys "FenetreX", "FenetreY", "FenetreLargeur",
// "FenetreHauteur", "FenetreMaximisee" of section "Configuration"). Empty when one of the four numbers is
// missing or unreadable or the size is not positive: the window then opens as on a first start.
std::optional<WindowPlacement> readWindowPlacement(const IniDocument &configuration);
