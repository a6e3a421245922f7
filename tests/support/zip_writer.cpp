#include "support/zip_writer.h"

#include <QtEndian>
#include <zlib.h>

namespace {

void put16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void put32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

} // namespace

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
            put16(header, 20); // version needed
            put16(header, member.flags);
            put16(header, method);
            put32(header, 0); // time and date
            put32(header, crc);
            put32(header, member.compressedSize.value_or(quint32(stored.size())));
            put32(header, size);
            put16(header, quint16(member.name.size()));
            put16(header, 0); // extra field
        };
        const quint32 offset = quint32(out.size());
        put32(out, 0x04034b50);
        common(out);
        out += member.name;
        out += stored;

        put32(directory, 0x02014b50);
        put16(directory, 20); // version made by
        common(directory);
        put16(directory, 0); // comment
        put16(directory, 0); // disk
        put16(directory, 0); // internal attributes
        put32(directory, 0); // external attributes
        put32(directory, member.localHeaderOffset.value_or(offset));
        directory += member.name;
    }
    const quint32 directoryOffset = quint32(out.size());
    out += directory;
    out += end.beforeEnd;
    put32(out, 0x06054b50);
    put32(out, 0); // disks
    put16(out, end.count.value_or(quint16(members.size())));
    put16(out, end.count.value_or(quint16(members.size())));
    put32(out, end.directorySize.value_or(quint32(directory.size())));
    put32(out, end.directoryOffset.value_or(directoryOffset));
    put16(out, 0); // comment
    return out;
}
