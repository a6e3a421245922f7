#include "platform/zip_member.h"

#include <zlib.h>

namespace {

constexpr quint16 kEncryptedFlag = 0x0001;
constexpr quint16 kStored = 0;
constexpr quint16 kDeflated = 8;

// Raw deflate data into exactly `size` bytes; one spare byte of room shows a stream that runs longer.
std::optional<QByteArray> inflateExactly(QByteArrayView data, qint64 size)
{
    QByteArray out(qsizetype(size + 1), Qt::Uninitialized);
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return std::nullopt;
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.data()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    const int result = inflate(&stream, Z_FINISH);
    const qint64 produced = qint64(stream.total_out);
    inflateEnd(&stream);
    if (result != Z_STREAM_END || produced != size)
        return std::nullopt;
    out.truncate(qsizetype(size));
    return out;
}

} // namespace

std::optional<QByteArray> extractZipMember(const ZipEntry &entry, QByteArrayView data)
{
    if ((entry.flags & kEncryptedFlag) || entry.size > kMaxZipMemberSize ||
        entry.compressedSize > maxZipCompressedSize(entry.size) || data.size() != entry.compressedSize)
        return std::nullopt;
    std::optional<QByteArray> bytes;
    if (entry.method == kStored && entry.compressedSize == entry.size)
        bytes = data.toByteArray();
    else if (entry.method == kDeflated)
        bytes = inflateExactly(data, entry.size);
    if (!bytes)
        return std::nullopt;
#ifndef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
    if (crc32(0, reinterpret_cast<const Bytef *>(bytes->constData()), uInt(bytes->size())) != entry.crc)
        return std::nullopt;
#endif
    return bytes;
}
