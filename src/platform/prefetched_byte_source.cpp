#include "platform/prefetched_byte_source.h"

#include <algorithm>
#include <cstring>

namespace {

// The buffer of the thread's outermost prefetch, kept from file to file: a listing reads thousands of small
// files one after the other on each reader thread, and a fresh buffer each time costs an allocation and
// the faults of its new pages. A prefetch made while another is alive on the thread has its own buffer.
struct ThreadBuffer
{
    QByteArray bytes;
    bool inUse = false;
};
thread_local ThreadBuffer t_buffer;

} // namespace

PrefetchedByteSource::PrefetchedByteSource(ByteSource &source, qint64 headSize)
    : m_source(source)
{
    const qint64 capacity = std::max<qint64>(headSize, 0);
    char *storage = nullptr;
    if (!t_buffer.inUse) {
        t_buffer.inUse = m_borrowsThreadBuffer = true;
        if (t_buffer.bytes.size() < capacity)
            t_buffer.bytes.resize(capacity);
        storage = t_buffer.bytes.data();
    } else {
        m_ownBuffer = QByteArray(capacity, Qt::Uninitialized);
        storage = m_ownBuffer.data();
    }
    const qint64 length = source.readStart(capacity, storage);
    m_isRead = length >= 0;
    if (m_isRead)
        m_head = QByteArrayView(storage, length);
}

PrefetchedByteSource::~PrefetchedByteSource()
{
    if (m_borrowsThreadBuffer)
        t_buffer.inUse = false;
}

bool PrefetchedByteSource::read(qint64 offset, qint64 length, char *out)
{
    if (!m_isRead || offset < 0 || length < 0 || offset > size() || length > size() - offset)
        return false;
    const qint64 inHead = std::clamp<qint64>(m_head.size() - offset, 0, length);
    if (inHead > 0)
        std::memcpy(out, m_head.data() + offset, size_t(inHead));
    return inHead == length || m_source.read(offset + inHead, length - inHead, out + inHead);
}

QByteArrayView PrefetchedByteSource::view(qint64 offset, qint64 length) const
{
    if (offset < 0 || length <= 0 || offset > m_head.size() || length > m_head.size() - offset)
        return {};
    return m_head.sliced(offset, length);
}
