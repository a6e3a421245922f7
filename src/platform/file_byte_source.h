#pragma once

#include "platform/byte_source.h"

#include <QFile>

// A byte source over a regular file on disk that reads only the ranges asked for, with unbuffered
// positioned reads. Anything else (directory, named pipe, device) is not opened.
class FileByteSource : public ByteSource
{
public:
    explicit FileByteSource(const QString &path);

    bool isOpen() const { return m_file.isOpen(); }
    qint64 size() const override { return m_size; }
    bool read(qint64 offset, qint64 length, char *out) override;

private:
    QFile m_file;
    qint64 m_size = 0;
};
