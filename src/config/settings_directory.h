#pragma once

#include <QString>

// What decides the settings directory, gathered from the process or given by a test.
struct SettingsDirectorySources
{
    QString commandLineDirectory; // the DIR of "--settings DIR"; empty when not given
    QString executableDirectory;
    bool isExecutableDirectoryWritable = false;
    QString xdgConfigHome; // $XDG_CONFIG_HOME; empty when unset
    QString homeDirectory;
    QString installPrefix; // the prefix the program was built to be installed under (/usr for the package)
};

// The directory of the configuration, selector and grid-list files: the command line's directory when
// given; otherwise the executable's directory when it is writable and lies neither below /usr nor below
// the install prefix (portable use: an installed program never writes its settings beside itself, not
// even as root); otherwise $XDG_CONFIG_HOME/fichorama, or ~/.config/fichorama when that variable is unset
// or not absolute. The result is absolute and cleaned; the directory may not exist yet (the first write
// creates it).
QString resolveSettingsDirectory(const SettingsDirectorySources &sources);

// The sources of this process. Needs a QCoreApplication for the executable's directory.
SettingsDirectorySources processSettingsDirectorySources(const QString &commandLineDirectory);
