#pragma once

#include <QDateTime>
#include <QString>

// What the file system says of a native-form path (see native_name.h).
struct FileStatus
{
    bool exists = false;         // the entry itself, a dangling symbolic link included
    bool isDirectory = false;    // a directory, or a symbolic link to one
    bool isSymbolicLink = false; // the entry itself is a symbolic link
    qint64 size = 0;             // of the entry or of the link's target
    QDateTime lastModified;      // likewise; invalid when the entry does not exist
};

FileStatus fileStatus(const QString &path);
