#include "platform/byte_source.h"

#include <algorithm>
#include <cstring>

qint64 ByteSource::readStart(qint64 capacity, char *out)
{
    const qint64 length = std::clamp<qint64>(capacity, 0, size());
    return read(0, length, out) ? length : -1;
}

bool MemoryByteSource::read(qint64 offset, qint64 length, char *out)
{
    if (offset < 0 || length < 0 || offset > m_bytes.size() || length > m_bytes.size() - offset)
        return false;
    if (length > 0)
        std::memcpy(out, m_bytes.constData() + offset, size_t(length));
    return true;
}

QByteArrayView MemoryByteSource::view(qint64 offset, qint64 length) const
{
    if (offset < 0 || length <= 0 || offset > m_bytes.size() || length > m_bytes.size() - offset)
        return {};
    return QByteArrayView(m_bytes).sliced(offset, length);
}
