#include "platform/byte_source.h"

#include <cstring>

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
