#pragma once

#include <QByteArray>
#include <QString>

// The outcome of reading a whole file.
struct RegularFileRead
{
    enum class Status {
        Ok,      // `bytes` holds the whole file
        Missing, // nothing is there (or a directory on the way is missing)
        Failed,  // something is there but cannot be read as a file: see `reason`
    };
    Status status = Status::Missing;
    QByteArray bytes;
    QString reason; // the system's reason when failed
};

// Reads the whole file at `path` (a link is followed) when it is a regular file of at most `maxSize` bytes.
// A named pipe, a device or a directory fails at once, without waiting for a writer or reading endless
// bytes; so does a file larger than `maxSize`. Implemented once per platform.
RegularFileRead readRegularFile(const QString &path, qint64 maxSize);
