#include "platform/prefetched_byte_source.h"

#include <algorithm>
#include <cstring>

PrefetchedByteSource::PrefetchedByteSource(ByteSource &source, qint64 headSize)
    : m_source(source)
{
    const qint64 length = std::clamp<qint64>(headSize, 0, source.size());
    m_head = QByteArray(length, Qt::Uninitialized);
    m_isRead = source.read(0, length, m_head.data());
    if (!m_isRead)
        m_head.clear();
}

bool PrefetchedByteSource::read(qint64 offset, qint64 length, char *out)
{
    if (!m_isRead || offset < 0 || length < 0 || offset > size() || length > size() - offset)
        return false;
    const qint64 inHead = std::clamp<qint64>(m_head.size() - offset, 0, length);
    if (inHead > 0)
        std::memcpy(out, m_head.constData() + offset, size_t(inHead));
    return inHead == length || m_source.read(offset + inHead, length - inHead, out + inHead);
}
