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
    int reads = 0;
    qint64 bytesRead = 0;
};
