#include "platform/zip_archive.h"

#include "platform/byte_cursor.h"
#include "platform/byte_source.h"
#include "platform/zip_member.h"

#include <algorithm>

namespace {

constexpr quint32 kLocalSignature = 0x04034b50; // "PK\3\4"
constexpr qint64 kLocalHeaderSize = 30;
// Read past the name with the data, so that a usual local extra field costs no second read.
constexpr qint64 kLocalExtraAllowance = 64;

void setStatus(ReadStatus *status, ReadStatus value)
{
    if (status)
        *status = value;
}

} // namespace

std::optional<ZipArchive> ZipArchive::open(ByteSource &source, ReadStatus *status)
{
    const qint64 fileSize = source.size();
    const qint64 tailSize = std::min(fileSize, kTailSize);
    QByteArray tail(qsizetype(tailSize), Qt::Uninitialized);
    if (fileSize < 0 || !source.read(fileSize - tailSize, tailSize, tail.data())) {
        setStatus(status, ReadStatus::Unreadable);
        return std::nullopt;
    }
    const auto location = ZipDirectory::locate(tail, fileSize);
    std::optional<ZipDirectory> directory;
    if (location) {
        QByteArray bytes;
        if (location->offset >= fileSize - tailSize) {
            bytes = tail.mid(qsizetype(location->offset - (fileSize - tailSize)), qsizetype(location->size));
        } else {
            bytes.resize(qsizetype(location->size));
            if (!source.read(location->offset, location->size, bytes.data())) {
                setStatus(status, ReadStatus::Unreadable);
                return std::nullopt;
            }
        }
        directory = ZipDirectory::parse(std::move(bytes));
    }
    if (!directory) {
        // A file that begins with a local header is a zip archive, however broken its end.
        char head[4] = {};
        const bool startsLikeZip =
            source.read(0, 4, head) && ByteCursor(QByteArrayView(head, 4)).u32(0) == kLocalSignature;
        setStatus(status, startsLikeZip ? ReadStatus::Damaged : ReadStatus::OtherFormat);
        return std::nullopt;
    }
    setStatus(status, ReadStatus::Ok);
    return ZipArchive(source, std::move(tail), std::move(*directory));
}

ZipArchive::Member ZipArchive::read(QByteArrayView name, QByteArray *bytes, qint64 maxSize) const
{
    const auto entry = m_directory.find(name);
    if (!entry)
        return Member::Missing;
    if (entry->size > std::min(maxSize, kMaxZipMemberSize) ||
        entry->compressedSize > maxZipCompressedSize(entry->size))
        return Member::Unreadable;
    // Local header: 0x00 signature; 0x1A, 2 bytes: name length; 0x1C, 2 bytes: extra field length;
    // the data follows the name and the extra field. Sizes come from the central directory, since a
    // header followed by a data descriptor holds none.
    const qint64 guess = kLocalHeaderSize + name.size() + kLocalExtraAllowance + entry->compressedSize;
    auto block =
        bytesAt(entry->localHeaderOffset, std::min(guess, m_source->size() - entry->localHeaderOffset));
    if (!block)
        return Member::Unreadable;
    const ByteCursor header(*block);
    if (header.u32(0) != kLocalSignature || !header.contains(0, kLocalHeaderSize))
        return Member::Unreadable;
    const qint64 dataStart = kLocalHeaderSize + *header.u16(26) + *header.u16(28);
    auto data = header.bytes(dataStart, entry->compressedSize);
    std::optional<QByteArray> rest;
    if (!data) {
        rest = bytesAt(entry->localHeaderOffset + dataStart, entry->compressedSize);
        if (!rest)
            return Member::Unreadable;
        data = QByteArrayView(*rest);
    }
    auto member = extractZipMember(*entry, *data);
    if (!member)
        return Member::Unreadable;
    *bytes = std::move(*member);
    return Member::Present;
}

std::optional<QByteArray> ZipArchive::bytesAt(qint64 offset, qint64 length) const
{
    const qint64 fileSize = m_source->size();
    if (offset < 0 || length < 0 || offset > fileSize || length > fileSize - offset)
        return std::nullopt;
    const qint64 tailStart = fileSize - m_tail.size();
    if (offset >= tailStart)
        return m_tail.mid(qsizetype(offset - tailStart), qsizetype(length));
    QByteArray bytes(qsizetype(length), Qt::Uninitialized);
    if (!m_source->read(offset, length, bytes.data()))
        return std::nullopt;
    return bytes;
}
