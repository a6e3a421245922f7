#pragma once

#include "platform/byte_source.h"

#include <QString>

// What the opener of a file already knows of what stands at its path.
enum class KnownFileType {
    Unknown,     // anything: the file is checked to be a regular one before it is read
    RegularFile, // the directory's enumeration typed the entry as a regular file (not a link)
};

// A byte source over a regular file on disk that reads only the ranges asked for, with positioned reads
// (pread, or ReadFile at an offset). Anything else (directory, named pipe, device) is not read.
// Implemented once per platform.
class FileByteSource : public ByteSource
{
public:
    // `path` in native form (see native_name.h). A file known as a regular one is opened without following
    // a link and is not asked for its type and size: the first read tells them (listings open thousands of
    // files, and each question to the system costs as much as the read).
    explicit FileByteSource(const QString &path, KnownFileType known = KnownFileType::Unknown);
    ~FileByteSource() override;
    FileByteSource(const FileByteSource &) = delete;
    FileByteSource &operator=(const FileByteSource &) = delete;

    bool isOpen() const { return m_handle != -1; }
    // The system's reason when the file could not be opened or a read failed ("Permission denied",
    // "Input/output error"); empty otherwise, and for a file left unopened because it is not a regular file.
    QString failureReason() const;
    qint64 size() const override;
    bool read(qint64 offset, qint64 length, char *out) override;
    qint64 readStart(qint64 capacity, char *out) override;

private:
    qintptr m_handle = -1;      // file descriptor, or Windows file handle
    mutable qint64 m_size = -1; // -1 until known
    mutable int m_error = 0;    // errno, or the Windows error code, of the last failure
};
