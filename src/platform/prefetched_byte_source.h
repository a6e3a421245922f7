#pragma once

#include "platform/byte_source.h"

#include <QByteArray>
#include <QByteArrayView>

// A byte source over another that reads the first bytes of the file once, in one read, and serves every read
// that falls inside them from memory; other reads go to the source underneath.
class PrefetchedByteSource : public ByteSource
{
public:
    // Reads the first `headSize` bytes of `source` (all of it when it is shorter) in one read; `source` must
    // outlive this object.
    PrefetchedByteSource(ByteSource &source, qint64 headSize);
    ~PrefetchedByteSource() override;
    PrefetchedByteSource(const PrefetchedByteSource &) = delete;
    PrefetchedByteSource &operator=(const PrefetchedByteSource &) = delete;

    // False when the first read failed; every read then fails too.
    bool isRead() const { return m_isRead; }
    // The bytes read at the start: the whole file when it is no longer than the head size.
    QByteArrayView head() const { return m_head; }

    qint64 size() const override { return m_source.size(); }
    bool read(qint64 offset, qint64 length, char *out) override;
    QByteArrayView view(qint64 offset, qint64 length) const override;

private:
    ByteSource &m_source;
    QByteArrayView m_head; // in the thread's buffer or in m_ownBuffer
    QByteArray m_ownBuffer;
    bool m_isRead = false;
    bool m_borrowsThreadBuffer = false;
};
