#pragma once

#include "platform/byte_source.h"

// A file in memory that counts the reads made of it and the bytes they ask for.
class CountingSource : public MemoryByteSource
{
public:
    using MemoryByteSource::MemoryByteSource;
    bool read(qint64 offset, qint64 length, char *out) override
    {
        ++reads;
        bytesRead += length;
        return MemoryByteSource::read(offset, length, out);
    }
    // Like a file on disk, it holds nothing in memory: every byte used is read, and counted.
    QByteArrayView view(qint64, qint64) const override { return {}; }
    int reads = 0;
    qint64 bytesRead = 0;
};
