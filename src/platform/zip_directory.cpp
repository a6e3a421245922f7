#include "platform/zip_directory.h"

#include "platform/byte_cursor.h"

#include <limits>

namespace {

constexpr quint32 kEndSignature = 0x06054b50;          // "PK\5\6"
constexpr quint32 kZip64EndSignature = 0x06064b50;     // "PK\6\6"
constexpr quint32 kZip64LocatorSignature = 0x07064b50; // "PK\6\7"
constexpr quint32 kRecordSignature = 0x02014b50;       // "PK\1\2"
constexpr qint64 kEndSize = 22;
constexpr qint64 kZip64LocatorSize = 20;
constexpr qint64 kZip64EndSize = 56;
constexpr qint64 kRecordSize = 46;
constexpr quint16 kZip64ExtraId = 0x0001;

// The offset in `tail` of the end-of-central-directory record nearest the end whose comment fits.
std::optional<qint64> findEndRecord(const ByteCursor &tail)
{
    const qint64 last = tail.size() - kEndSize;
    const qint64 first = std::max<qint64>(0, last - 0xFFFF); // the comment is at most 65,535 bytes
    for (qint64 at = last; at >= first; --at) {
        if (tail.u32(at) != kEndSignature)
            continue;
        if (at + kEndSize + *tail.u16(at + 20) <= tail.size())
            return at;
    }
    return std::nullopt;
}

// A 64-bit value from the file as a non-negative qint64.
std::optional<qint64> toOffset(std::optional<quint64> value)
{
    if (!value || *value > quint64(std::numeric_limits<qint64>::max()))
        return std::nullopt;
    return qint64(*value);
}

// Part names compare without regard to the case of ASCII letters; other bytes compare exactly.
bool equalIgnoringAsciiCase(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size())
        return false;
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

} // namespace

std::optional<ZipDirectoryLocation> ZipDirectory::locate(QByteArrayView tailBytes, qint64 fileSize)
{
    const ByteCursor tail(tailBytes);
    const qint64 tailStart = fileSize - tail.size();
    const auto end = findEndRecord(tail);
    if (tailStart < 0 || !end)
        return std::nullopt;

    // 0x0C, 4 bytes: directory size; 0x10, 4 bytes: directory offset; 0xFFFFFFFF defers to Zip64.
    std::optional<qint64> size = *tail.u32(*end + 12);
    std::optional<qint64> offset = *tail.u32(*end + 16);
    qint64 directoryEnd = tailStart + *end;
    const bool defers = *size == 0xFFFFFFFF || *offset == 0xFFFFFFFF || *tail.u16(*end + 10) == 0xFFFF;
    const qint64 locator = *end - kZip64LocatorSize;
    if (defers && tail.u32(locator) == kZip64LocatorSignature) {
        // Locator 0x08, 8 bytes: file offset of the Zip64 end record, which must lie in the tail.
        const auto record = toOffset(tail.u64(locator + 8));
        if (!record || *record < tailStart || *record - tailStart > locator - kZip64EndSize)
            return std::nullopt;
        const qint64 at = *record - tailStart;
        if (tail.u32(at) != kZip64EndSignature)
            return std::nullopt;
        // Zip64 end record 0x28, 8 bytes: directory size; 0x30, 8 bytes: directory offset.
        size = toOffset(tail.u64(at + 40));
        offset = toOffset(tail.u64(at + 48));
        directoryEnd = *record;
    }
    if (!size || !offset || *size > kMaxSize || *offset > directoryEnd || *size > directoryEnd - *offset)
        return std::nullopt;
    return ZipDirectoryLocation{*offset, *size};
}

std::optional<ZipDirectory> ZipDirectory::parse(QByteArray bytes)
{
    ZipDirectory directory(std::move(bytes));
    const ByteCursor cursor(directory.m_bytes);
    qint64 at = 0;
    while (at < cursor.size() && cursor.u32(at) == kRecordSignature && cursor.contains(at, kRecordSize)) {
        // 0x1C, 0x1E, 0x20, 2 bytes each: lengths of the name, the extra field and the comment.
        const qint64 length =
            kRecordSize + *cursor.u16(at + 28) + *cursor.u16(at + 30) + *cursor.u16(at + 32);
        if (!cursor.contains(at, length))
            break;
        directory.m_records.push_back(qint32(at));
        at += length;
    }
    if (directory.m_records.empty() && !directory.m_bytes.isEmpty())
        return std::nullopt;
    return directory;
}

std::optional<ZipEntry> ZipDirectory::find(QByteArrayView name) const
{
    const ByteCursor cursor(m_bytes);
    for (qsizetype i = 0; i < count(); ++i) {
        const qint64 at = m_records[size_t(i)];
        const auto stored = cursor.bytes(at + kRecordSize, *cursor.u16(at + 28));
        if (stored && equalIgnoringAsciiCase(*stored, name))
            return entryAt(i);
    }
    return std::nullopt;
}

std::optional<ZipEntry> ZipDirectory::entryAt(qsizetype record) const
{
    const ByteCursor cursor(m_bytes);
    const qint64 at = m_records[size_t(record)];
    ZipEntry entry;
    entry.flags = *cursor.u16(at + 8);
    entry.method = *cursor.u16(at + 10);
    entry.crc = *cursor.u32(at + 16);
    std::optional<qint64> compressedSize = *cursor.u32(at + 20);
    std::optional<qint64> size = *cursor.u32(at + 24);
    std::optional<qint64> offset = *cursor.u32(at + 42);

    // A field of 0xFFFFFFFF is in the Zip64 extra field, which holds, in this order, only those of
    // the size, the compressed size and the local header offset that need it.
    const qint64 extraStart = at + kRecordSize + *cursor.u16(at + 28);
    const qint64 extraEnd = extraStart + *cursor.u16(at + 30);
    for (qint64 field = extraStart; field + 4 <= extraEnd;) {
        const quint16 id = *cursor.u16(field);
        const quint16 length = *cursor.u16(field + 2);
        if (field + 4 + length > extraEnd)
            break;
        if (id == kZip64ExtraId) {
            qint64 value = field + 4;
            for (std::optional<qint64> *wide : {&size, &compressedSize, &offset}) {
                if (**wide != 0xFFFFFFFF)
                    continue;
                *wide = value + 8 <= field + 4 + length ? toOffset(cursor.u64(value)) : std::nullopt;
                value += 8;
            }
            break;
        }
        field += 4 + length;
    }
    if (!size || !compressedSize || !offset)
        return std::nullopt;
    entry.size = *size;
    entry.compressedSize = *compressedSize;
    entry.localHeaderOffset = *offset;
    return entry;
}
