#pragma once

#include "listing/job_control.h"

#include <QString>
#include <QStringList>

// The sub-directories of one directory at every depth, in the order the add-grids dialog adds them.
struct SubDirectoryList
{
    QStringList directories; // full paths, without the starting directory
    bool stopped = false;    // the scan was cancelled; `directories` holds what was found
};

// Lists every sub-directory of `directory` at every depth. All children of a directory come before
// the sub-directories of the first of them, and every level keeps the file system's order. Names that
// start with a full stop are skipped with everything below them, symbolic links to directories are
// not followed, and directories that cannot be read contribute nothing. The walk keeps its own stack,
// so the depth of the tree does not reach the call stack. The progress of `control` is the number of
// directories found so far; a cancellation stops the scan at the next entry.
SubDirectoryList ListerSousDossiers(const QString &directory, JobControl &control);

// True for the paths the sub-directory scan accepts: absolute local paths (not "//server/share").
bool isScannableDirectory(const QString &path);
// True when `directory` can be opened for enumeration.
bool canEnumerateDirectory(const QString &directory);
