#pragma once

#include "platform/byte_source.h"

#include <QString>

// A byte source over a regular file on disk that reads only the ranges asked for, with positioned reads
// (pread, or ReadFile at an offset). Anything else (directory, named pipe, device) is not opened.
// Implemented once per platform.
class FileByteSource : public ByteSource
{
public:
    // `path` in native form (see native_name.h).
    explicit FileByteSource(const QString &path);
    ~FileByteSource() override;
    FileByteSource(const FileByteSource &) = delete;
    FileByteSource &operator=(const FileByteSource &) = delete;

    bool isOpen() const { return m_handle != -1; }
    // The system's reason when the file could not be opened or a read failed ("Permission denied",
    // "Input/output error"); empty otherwise, and for a file left unopened because it is not a regular file.
    QString failureReason() const;
    qint64 size() const override { return m_size; }
    bool read(qint64 offset, qint64 length, char *out) override;

private:
    qintptr m_handle = -1; // file descriptor, or Windows file handle
    qint64 m_size = 0;
    int m_error = 0; // errno, or the Windows error code, of the last failure
};
