#pragma once

#include "platform/directory_reader.h"

#include <QStringList>
#include <QVector>

// One directory as a listing reads it, in one enumeration: its files in the file system's order (each
// name once; hidden ones only when asked for), which give the file count, and the names of its
// sub-directories (not "." and "..", not hidden ones) for the directory list.
struct DirectoryContents
{
    bool opened = false; // false when the directory could not be read
    QVector<DirectoryEntry> files;
    QStringList subDirectories;
};

// Reads `directory` once, to its end: the file count is whole even when the listing is interrupted.
DirectoryContents readDirectoryContents(const QString &directory, bool includeHidden);
