#include "platform/byte_cursor.h"

std::optional<QByteArrayView> ByteCursor::bytes(qint64 offset, qint64 length) const
{
    if (!contains(offset, length))
        return std::nullopt;
    return m_bytes.sliced(offset, length);
}
