#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// Called while a sub-directory scan runs, with the number of directories found so far: each time that
// number grows and each time the scan enters a directory. Returning false stops the scan. The callback
// decides how often it lets window events through.
using SubDirectoryProgress = std::function<bool(qint64 found)>;

// The sub-directories of one directory at every depth, in the order the add-grids dialog adds them.
struct SubDirectoryList
{
    QStringList directories; // full paths, without the starting directory
    bool stopped = false;    // the progress callback asked to stop; `directories` holds what was found
};

// Lists every sub-directory of `directory` at every depth. All children of a directory come before
// the sub-directories of the first of them, and every level keeps the file system's order. Names that
// start with a full stop are skipped with everything below them, symbolic links to directories are
// not followed, and directories that cannot be read contribute nothing. The walk keeps its own stack,
// so the depth of the tree does not reach the call stack.
SubDirectoryList ListerSousDossiers(const QString &directory, const SubDirectoryProgress &progress = {});

// True for the paths the sub-directory scan accepts: absolute local paths (not "//server/share").
bool isScannableDirectory(const QString &path);
// True when `directory` can be opened for enumeration.
bool canEnumerateDirectory(const QString &directory);
