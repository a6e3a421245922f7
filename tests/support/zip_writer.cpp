#include "support/zip_writer.h"

#include "support/little_endian.h"

#include <zlib.h>

QByteArray deflateRaw(const QByteArray &bytes)
{
    z_stream stream{};
    deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY);
    QByteArray out(qsizetype(deflateBound(&stream, uLong(bytes.size()))), Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(bytes.constData()));
    stream.avail_in = uInt(bytes.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    deflate(&stream, Z_FINISH);
    out.truncate(qsizetype(stream.total_out));
    deflateEnd(&stream);
    return out;
}

QByteArray buildZip(const std::vector<ZipMemberLayout> &members, const ZipEndLayout &end)
{
    QByteArray out;
    QByteArray directory;
    for (const ZipMemberLayout &member : members) {
        const QByteArray stored = member.deflate ? deflateRaw(member.data) : member.data;
        const quint16 method = member.method.value_or(member.deflate ? 8 : 0);
        const quint32 crc = member.crc.value_or(quint32(
            crc32(0, reinterpret_cast<const Bytef *>(member.data.constData()), uInt(member.data.size()))));
        const quint32 size = member.declaredSize.value_or(quint32(member.data.size()));
        const auto common = [&](QByteArray &header) {
            header += littleEndian<quint16>(20); // version needed
            header += littleEndian<quint16>(member.flags);
            header += littleEndian<quint16>(method);
            header += littleEndian<quint32>(0); // time and date
            header += littleEndian<quint32>(crc);
            header += littleEndian<quint32>(member.compressedSize.value_or(quint32(stored.size())));
            header += littleEndian<quint32>(size);
            header += littleEndian<quint16>(quint16(member.name.size()));
            header += littleEndian<quint16>(0); // extra field
        };
        const quint32 offset = quint32(out.size());
        out += littleEndian<quint32>(0x04034b50);
        common(out);
        out += member.name;
        out += stored;

        directory += littleEndian<quint32>(0x02014b50);
        directory += littleEndian<quint16>(20); // version made by
        common(directory);
        directory += littleEndian<quint16>(0); // comment
        directory += littleEndian<quint16>(0); // disk
        directory += littleEndian<quint16>(0); // internal attributes
        directory += littleEndian<quint32>(0); // external attributes
        directory += littleEndian<quint32>(member.localHeaderOffset.value_or(offset));
        directory += member.name;
    }
    const quint32 directoryOffset = quint32(out.size());
    out += directory;
    out += end.beforeEnd;
    out += littleEndian<quint32>(0x06054b50);
    out += littleEndian<quint32>(0); // disks
    out += littleEndian<quint16>(end.count.value_or(quint16(members.size())));
    out += littleEndian<quint16>(end.count.value_or(quint16(members.size())));
    out += littleEndian<quint32>(end.directorySize.value_or(quint32(directory.size())));
    out += littleEndian<quint32>(end.directoryOffset.value_or(directoryOffset));
    out += littleEndian<quint16>(0); // comment
    return out;
}
