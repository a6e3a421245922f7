#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Random access to the bytes of one compound file: the whole file in memory, or positioned reads on disk.
class ByteSource
{
public:
    virtual ~ByteSource() = default;

    virtual qint64 size() const = 0;
    // Reads `length` bytes at `offset` into `out`; false when the range is not wholly inside the file or
    // the read fails.
    virtual bool read(qint64 offset, qint64 length, char *out) = 0;
    // Reads the first `capacity` bytes, or the whole source when it is shorter, into `out`; the count read,
    // or -1 when the read fails.
    virtual qint64 readStart(qint64 capacity, char *out);
    // The bytes of the range when the source already holds them in memory, valid as long as the source;
    // empty otherwise (and then read() is the way). Lets a reader use bytes without copying them.
    virtual QByteArrayView view(qint64 offset, qint64 length) const
    {
        Q_UNUSED(offset);
        Q_UNUSED(length);
        return {};
    }
};

// A byte source over bytes already in memory; the bytes must outlive it.
class MemoryByteSource : public ByteSource
{
public:
    explicit MemoryByteSource(const QByteArray &bytes)
        : m_bytes(bytes)
    {}

    qint64 size() const override { return m_bytes.size(); }
    bool read(qint64 offset, qint64 length, char *out) override;
    QByteArrayView view(qint64 offset, qint64 length) const override;

private:
    const QByteArray &m_bytes;
};
