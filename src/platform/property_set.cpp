#include "platform/property_set.h"

#include "platform/byte_cursor.h"
#include "platform/code_page.h"

namespace {

constexpr quint16 kVtI2 = 2;
constexpr quint16 kVtI4 = 3;
constexpr quint16 kVtLpstr = 0x1E;
constexpr quint16 kVtLpwstr = 0x1F;
constexpr quint16 kVtFiletime = 0x40;
constexpr qint64 kStreamHeaderSize = 28;
constexpr qint64 kSetEntrySize = 20;
// F29F85E0-4FF9-1068-AB91-08002B27B3D9 as stored: the first three fields little-endian.
constexpr char kSummaryFormat[] = "\xE0\x85\x9F\xF2\xF9\x4F\x68\x10\xAB\x91\x08\x00\x2B\x27\xB3\xD9";

QString beforeNul(QString text)
{
    const qsizetype nul = text.indexOf(QChar(0));
    if (nul >= 0)
        text.truncate(nul);
    return text;
}

} // namespace

std::optional<PropertySet> PropertySet::parse(const QByteArray &stream)
{
    // Stream header: 0x00 byte order mark 0xFFFE, 0x02 version, 0x04 system, 0x08 class identifier,
    // 0x18 number of sections; then per section 16 bytes of format identifier and a 4-byte offset.
    const ByteCursor cursor(stream);
    if (cursor.size() < kStreamHeaderSize || *cursor.u16(0) != 0xFFFE)
        return std::nullopt;
    const quint32 sections = *cursor.u32(24);
    std::optional<quint32> sectionOffset;
    for (quint32 i = 0; i < sections; ++i) {
        const qint64 entry = kStreamHeaderSize + qint64(i) * kSetEntrySize;
        if (!cursor.contains(entry, kSetEntrySize))
            break;
        if (*cursor.bytes(entry, 16) == QByteArrayView(kSummaryFormat, 16)) {
            sectionOffset = *cursor.u32(entry + 16);
            break;
        }
    }
    if (!sectionOffset)
        return std::nullopt;

    // Section header: 4-byte size, 4-byte property count, then per property a 4-byte identifier and a
    // 4-byte offset from the section start. A section said to be longer than the stream ends with it.
    PropertySet set;
    set.m_sectionStart = *sectionOffset;
    const auto sectionSize = cursor.u32(set.m_sectionStart);
    const auto count = cursor.u32(set.m_sectionStart + 4);
    if (!sectionSize || !count || *sectionSize < 8)
        return std::nullopt;
    set.m_sectionEnd = std::min(set.m_sectionStart + qint64(*sectionSize), cursor.size());
    if (qint64(*count) > (set.m_sectionEnd - set.m_sectionStart - 8) / 8)
        return std::nullopt;

    for (quint32 i = 0; i < *count; ++i) {
        const qint64 entry = set.m_sectionStart + 8 + 8 * qint64(i);
        const quint32 id = *cursor.u32(entry);
        const quint32 offset = *cursor.u32(entry + 4);
        if (id < quint32(kIdCount) && set.m_offsets[id] == 0 && offset >= 8)
            set.m_offsets[id] = offset;
    }
    set.m_stream = stream;
    if (const auto start = set.valueStart(1, kVtI2)) {
        if (const auto codePage = ByteCursor(set.m_stream).u16(*start))
            set.m_codePage = *codePage;
    }
    return set;
}

std::optional<qint64> PropertySet::valueStart(int id, quint16 type) const
{
    if (id < 0 || id >= kIdCount || m_offsets[size_t(id)] == 0)
        return std::nullopt;
    // A typed value: 2-byte type, 2 bytes of padding, then the value itself.
    const qint64 start = m_sectionStart + m_offsets[size_t(id)];
    const ByteCursor section(QByteArrayView(m_stream).first(m_sectionEnd));
    const auto storedType = section.u16(start);
    if (!storedType || *storedType != type || !section.contains(start, 4))
        return std::nullopt;
    return start + 4;
}

std::optional<QString> PropertySet::text(int id) const
{
    const ByteCursor section(QByteArrayView(m_stream).first(m_sectionEnd));
    if (const auto start = valueStart(id, kVtLpstr)) {
        // 4-byte length in bytes, the terminating NUL included, then the bytes.
        const auto length = section.u32(*start);
        if (!length)
            return std::nullopt;
        const auto bytes = section.bytes(*start + 4, *length);
        if (!bytes)
            return std::nullopt;
        return beforeNul(decodeCodePage(*bytes, m_codePage));
    }
    if (const auto start = valueStart(id, kVtLpwstr)) {
        // 4-byte length in UTF-16 units, the terminating NUL included, then the units.
        const auto length = section.u32(*start);
        if (!length)
            return std::nullopt;
        const auto bytes = section.bytes(*start + 4, 2 * qint64(*length));
        if (!bytes)
            return std::nullopt;
        return beforeNul(fromUtf16Le(*bytes));
    }
    return std::nullopt;
}

std::optional<qint32> PropertySet::number(int id) const
{
    const ByteCursor section(QByteArrayView(m_stream).first(m_sectionEnd));
    if (const auto start = valueStart(id, kVtI4)) {
        if (const auto value = section.u32(*start))
            return qint32(*value);
    }
    if (const auto start = valueStart(id, kVtI2)) {
        if (const auto value = section.u16(*start))
            return qint16(*value);
    }
    return std::nullopt;
}

std::optional<quint64> PropertySet::fileTime(int id) const
{
    const ByteCursor section(QByteArrayView(m_stream).first(m_sectionEnd));
    if (const auto start = valueStart(id, kVtFiletime))
        return section.u64(*start);
    return std::nullopt;
}
