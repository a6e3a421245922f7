#pragma once

#include <QByteArrayView>
#include <QtEndian>
#include <optional>

// Bounds-checked little-endian reads from a byte range; every read outside the range gives nothing.
class ByteCursor
{
public:
    explicit ByteCursor(QByteArrayView bytes)
        : m_bytes(bytes)
    {}

    qint64 size() const { return m_bytes.size(); }
    // True when [offset, offset + length) lies inside the range.
    bool contains(qint64 offset, qint64 length) const
    {
        return offset >= 0 && length >= 0 && offset <= m_bytes.size() && length <= m_bytes.size() - offset;
    }

    std::optional<quint8> u8(qint64 offset) const { return read<quint8>(offset); }
    std::optional<quint16> u16(qint64 offset) const { return read<quint16>(offset); }
    std::optional<quint32> u32(qint64 offset) const { return read<quint32>(offset); }
    std::optional<quint64> u64(qint64 offset) const { return read<quint64>(offset); }
    std::optional<QByteArrayView> bytes(qint64 offset, qint64 length) const;

private:
    template <typename T>
    std::optional<T> read(qint64 offset) const
    {
        if (!contains(offset, qint64(sizeof(T))))
            return std::nullopt;
        return qFromLittleEndian<T>(m_bytes.data() + offset);
    }

    QByteArrayView m_bytes;
};
