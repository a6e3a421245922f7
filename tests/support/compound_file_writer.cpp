#include "support/compound_file_writer.h"

#include "support/little_endian.h"

#include <QtEndian>
#include <algorithm>
#include <functional>

namespace {

constexpr quint32 kFree = 0xFFFFFFFF;
constexpr quint32 kEnd = 0xFFFFFFFE;
constexpr quint32 kFatSector = 0xFFFFFFFD;
constexpr quint32 kDifatSector = 0xFFFFFFFC;
constexpr quint32 kNoStream = 0xFFFFFFFF;
constexpr qint64 kCutoff = 4096;

void padTo(QByteArray &bytes, qint64 multiple)
{
    if (bytes.size() % multiple)
        bytes.append(multiple - bytes.size() % multiple, '\0');
}

QByteArray typed(quint16 type, const QByteArray &value)
{
    QByteArray bytes;
    bytes += littleEndian<quint16>(type);
    bytes += littleEndian<quint16>(0);
    bytes.append(value);
    padTo(bytes, 4);
    return bytes;
}

// Appends a chain of `count` entries, each naming the next, to a FAT or mini FAT; returns its first entry.
quint32 appendChain(QVector<quint32> &fat, quint32 count)
{
    const quint32 first = quint32(fat.size());
    for (quint32 i = 0; i < count; ++i)
        fat.append(i + 1 < count ? first + i + 1 : kEnd);
    return first;
}

// A count, then the UTF-16LE units of `text` and a NUL unit.
QByteArray utf16Value(quint32 count, const QString &text)
{
    QByteArray value;
    value += littleEndian<quint32>(count);
    for (const QChar c : text)
        value += littleEndian<quint16>(c.unicode());
    value += littleEndian<quint16>(0);
    return value;
}

} // namespace

void patchU32(QByteArray &bytes, qint64 offset, quint32 value)
{
    qToLittleEndian(value, bytes.data() + offset);
}

void PropertySetWriter::addLpstr(int id, const QByteArray &bytes)
{
    QByteArray value;
    value += littleEndian<quint32>(quint32(bytes.size() + 1));
    value.append(bytes).append('\0');
    m_properties.append({quint32(id), typed(0x1E, value)});
}

void PropertySetWriter::addLpstrUtf16(int id, const QString &text)
{
    m_properties.append({quint32(id), typed(0x1E, utf16Value(quint32(2 * (text.size() + 1)), text))});
}

void PropertySetWriter::addLpwstr(int id, const QString &text)
{
    m_properties.append({quint32(id), typed(0x1F, utf16Value(quint32(text.size() + 1), text))});
}

void PropertySetWriter::addI2(int id, qint16 value)
{
    m_properties.append({quint32(id), typed(2, littleEndian(value))});
}

void PropertySetWriter::addI4(int id, qint32 value)
{
    m_properties.append({quint32(id), typed(3, littleEndian(value))});
}

void PropertySetWriter::addFileTime(int id, quint64 value)
{
    m_properties.append({quint32(id), typed(0x40, littleEndian(value))}); // low then high 32 bits
}

void PropertySetWriter::addRaw(int id, quint16 type, const QByteArray &value)
{
    m_properties.append({quint32(id), typed(type, value)});
}

QByteArray PropertySetWriter::build(qint64 minimumSize) const
{
    // Section: size, count, (id, offset) pairs, then the values.
    QByteArray section;
    quint32 offset = 8 + 8 * quint32(m_properties.size());
    QByteArray values;
    QByteArray table;
    for (const auto &[id, value] : m_properties) {
        table += littleEndian<quint32>(id);
        table += littleEndian<quint32>(offset + quint32(values.size()));
        values.append(value);
    }
    section += littleEndian<quint32>(quint32(offset + values.size()));
    section += littleEndian<quint32>(quint32(m_properties.size()));
    section.append(table).append(values);

    QByteArray stream;
    stream += littleEndian<quint16>(0xFFFE);
    stream += littleEndian<quint16>(0);
    stream += littleEndian<quint32>(0x00020006);
    stream.append(16, '\0');
    stream += littleEndian<quint32>(1);
    stream.append(QByteArray::fromHex("E0859FF2F94F6810AB9108002B27B3D9"));
    stream += littleEndian<quint32>(48);
    stream.append(section);
    if (stream.size() < minimumSize)
        stream.append(minimumSize - stream.size(), '\0');
    return stream;
}

qint64 CompoundFileLayout::fatEntryOffset(quint32 sector) const
{
    const quint32 perSector = quint32(sectorSize / 4);
    return sectorOffset(fatSectors[int(sector / perSector)]) + 4 * (sector % perSector);
}

void CompoundFileWriter::addStream(const QString &name, const QByteArray &bytes, int parent)
{
    m_nodes.append(Node{name, 2, parent, bytes});
}

int CompoundFileWriter::addStorage(const QString &name, int parent)
{
    m_nodes.append(Node{name, 1, parent, {}});
    return int(m_nodes.size() - 1);
}

QByteArray CompoundFileWriter::build(CompoundFileLayout *layoutOut) const
{
    CompoundFileLayout layout;
    const qint64 sectorSize = qint64(1) << m_sectorShift;
    const quint32 perFat = quint32(sectorSize / 4);
    layout.sectorSize = sectorSize;
    QVector<quint32> fat(m_leadingFree, kFree);
    QByteArray body(qint64(m_leadingFree) * sectorSize, '\0');
    const auto allocate = [&](const QByteArray &bytes) {
        QByteArray padded = bytes;
        padTo(padded, sectorSize);
        const quint32 count = quint32(padded.size() / sectorSize);
        const quint32 first = appendChain(fat, count);
        body.append(padded);
        return count ? first : kEnd;
    };

    // Streams: large ones in their own sectors, small ones in the mini stream.
    QVector<quint32> starts(m_nodes.size(), kEnd);
    QByteArray miniStream;
    QVector<quint32> miniFat;
    for (int i = 1; i < m_nodes.size(); ++i) {
        const Node &node = m_nodes[i];
        if (node.type != 2 || node.bytes.isEmpty())
            continue;
        if (node.bytes.size() >= kCutoff) {
            starts[i] = allocate(node.bytes);
        } else {
            QByteArray padded = node.bytes;
            padTo(padded, 64);
            starts[i] = appendChain(miniFat, quint32(padded.size() / 64));
            miniStream.append(padded);
        }
        layout.streamStart.insert(node.name, starts[i]);
    }
    starts[0] = miniStream.isEmpty() ? kEnd : allocate(miniStream);
    QByteArray miniFatBytes;
    for (const quint32 entry : miniFat)
        miniFatBytes += littleEndian<quint32>(entry);
    padTo(miniFatBytes, sectorSize);
    layout.miniFatStart = miniFat.isEmpty() ? kEnd : allocate(miniFatBytes);
    const quint32 miniFatSectors = quint32(miniFatBytes.size() / sectorSize);

    // Directory: each storage's children as a balanced tree through the sibling links.
    QVector<std::array<quint32, 3>> links(m_nodes.size(), {kNoStream, kNoStream, kNoStream});
    for (int parent = 0; parent < m_nodes.size(); ++parent) {
        QVector<int> children;
        for (int i = 1; i < m_nodes.size(); ++i) {
            if (m_nodes[i].parent == parent)
                children.append(i);
        }
        const std::function<quint32(int, int)> tree = [&](int low, int high) -> quint32 {
            if (low > high)
                return kNoStream;
            const int middle = (low + high) / 2;
            const int id = children[middle];
            links[id][0] = tree(low, middle - 1);
            links[id][1] = tree(middle + 1, high);
            return quint32(id);
        };
        links[parent][2] = tree(0, int(children.size()) - 1);
    }
    QByteArray directory;
    for (int i = 0; i < m_nodes.size(); ++i) {
        const Node &node = m_nodes[i];
        QByteArray entry;
        for (const QChar c : node.name.left(31))
            entry += littleEndian<quint16>(c.unicode());
        entry.append(64 - entry.size(), '\0');
        entry += littleEndian<quint16>(quint16(2 * (std::min<qsizetype>(node.name.size(), 31) + 1)));
        entry.append(char(node.type)).append(char(1));
        for (const quint32 link : links[i])
            entry += littleEndian<quint32>(link);
        entry.append(36, '\0'); // class identifier, state bits, two times
        entry += littleEndian<quint32>(starts[i]);
        const quint64 size = i == 0 ? quint64(miniStream.size()) : quint64(node.bytes.size());
        entry += littleEndian<quint32>(quint32(size));
        entry += littleEndian<quint32>(quint32(size >> 32));
        layout.entryOffset.insert(i == 0 ? QString() : node.name, directory.size());
        directory.append(entry);
    }
    padTo(directory, sectorSize);
    layout.directoryStart = allocate(directory);
    for (auto &offset : layout.entryOffset)
        offset += layout.sectorOffset(layout.directoryStart);

    // FAT and DIFAT sectors go last; their number depends on the total.
    const quint32 used = quint32(fat.size());
    quint32 fatCount = 0, difatCount = 0;
    for (;;) {
        const quint32 total = used + fatCount + difatCount;
        const quint32 neededFat = (total + perFat - 1) / perFat;
        const quint32 neededDifat = neededFat > 109 ? (neededFat - 109 + perFat - 2) / (perFat - 1) : 0;
        if (neededFat == fatCount && neededDifat == difatCount)
            break;
        fatCount = neededFat;
        difatCount = neededDifat;
    }
    for (quint32 i = 0; i < fatCount; ++i) {
        layout.fatSectors.append(used + i);
        fat.append(kFatSector);
    }
    for (quint32 i = 0; i < difatCount; ++i) {
        layout.difatSectors.append(used + fatCount + i);
        fat.append(kDifatSector);
    }
    fat.resize(qsizetype(fatCount) * perFat, kFree);
    for (const quint32 entry : fat)
        body += littleEndian<quint32>(entry);
    for (quint32 d = 0; d < difatCount; ++d) {
        QByteArray sector;
        for (quint32 k = 0; k < perFat - 1; ++k) {
            const quint32 index = 109 + d * (perFat - 1) + k;
            sector += littleEndian<quint32>(index < fatCount ? layout.fatSectors[int(index)] : kFree);
        }
        sector += littleEndian<quint32>(d + 1 < difatCount ? layout.difatSectors[int(d + 1)] : kEnd);
        body.append(sector);
    }

    QByteArray header = QByteArray::fromHex("D0CF11E0A1B11AE1");
    header.append(16, '\0');
    header += littleEndian<quint16>(0x3E);
    header += littleEndian<quint16>(m_sectorShift == 12 ? 4 : 3);
    header += littleEndian<quint16>(0xFFFE);
    header += littleEndian<quint16>(quint16(m_sectorShift));
    header += littleEndian<quint16>(6);
    header.append(6, '\0');
    header += littleEndian<quint32>(m_sectorShift == 12 ? quint32(directory.size() / sectorSize) : 0);
    header += littleEndian<quint32>(fatCount);
    header += littleEndian<quint32>(layout.directoryStart);
    header += littleEndian<quint32>(0);
    header += littleEndian<quint32>(4096);
    header += littleEndian<quint32>(layout.miniFatStart);
    header += littleEndian<quint32>(miniFatSectors);
    header += littleEndian<quint32>(difatCount ? layout.difatSectors[0] : kEnd);
    header += littleEndian<quint32>(difatCount);
    for (quint32 i = 0; i < 109; ++i)
        header += littleEndian<quint32>(i < fatCount ? layout.fatSectors[int(i)] : kFree);
    header.append(sectorSize - header.size(), '\0');
    if (layoutOut)
        *layoutOut = layout;
    return header + body;
}

QByteArray summaryDocument(const QByteArray &summary, int sectorShift, CompoundFileLayout *layout)
{
    CompoundFileWriter writer(sectorShift);
    writer.addStream(QStringLiteral("WordDocument"), QByteArray(600, 'w'));
    writer.addStream(QStringLiteral("\u0005SummaryInformation"), summary);
    writer.addStream(QStringLiteral("1Table"), QByteArray(5000, 't'));
    return writer.build(layout);
}

QByteArray sprawlingDocument(const QByteArray &summary)
{
    constexpr quint32 kSectors = 1600, kFatSectors = 13, kDirectoryFirst = 13, kDirectorySectors = 1200;
    constexpr quint32 kMiniFatFirst = 1213, kMiniFatSectors = 11, kMiniStreamFirst = 1224,
                      kSummaryMini = 1400;
    QByteArray bytes(qint64(kSectors + 1) * 512, '\0');
    const auto offsetOf = [](quint32 sector) { return (qint64(sector) + 1) * 512; };
    bytes.replace(0, 8, QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8));
    patchU32(bytes, 0x18, 0x0003003E); // minor and major version
    patchU32(bytes, 0x1C, 0x0009FFFE); // byte order, sector shift
    patchU32(bytes, 0x20, 6);
    patchU32(bytes, 0x2C, kFatSectors);
    patchU32(bytes, 0x30, kDirectoryFirst);
    patchU32(bytes, 0x38, 4096);
    patchU32(bytes, 0x3C, kMiniFatFirst);
    patchU32(bytes, 0x40, kMiniFatSectors);
    patchU32(bytes, 0x44, kEnd);
    for (quint32 i = 0; i < 109; ++i)
        patchU32(bytes, 0x4C + 4 * i, i < kFatSectors ? i : kFree);
    const auto setNext = [&](quint32 sector, quint32 next) {
        patchU32(bytes, offsetOf(sector / 128) + 4 * (sector % 128), next);
    };
    for (quint32 s = 0; s < kFatSectors; ++s)
        setNext(s, kFatSector);
    const auto chain = [&](quint32 first, quint32 count) {
        for (quint32 i = 0; i < count; ++i)
            setNext(first + i, i + 1 < count ? first + i + 1 : kEnd);
    };
    chain(kDirectoryFirst, kDirectorySectors);
    chain(kMiniFatFirst, kMiniFatSectors);
    chain(kMiniStreamFirst, kSectors - kMiniStreamFirst);

    const auto writeEntry = [&](quint32 id, const QString &name, quint8 type, quint32 right, quint32 child,
                                quint32 start, quint32 size) {
        const qint64 at = offsetOf(kDirectoryFirst + id / 4) + 128 * (id % 4);
        for (qsizetype i = 0; i < name.size(); ++i)
            qToLittleEndian<quint16>(name[i].unicode(), bytes.data() + at + 2 * i);
        qToLittleEndian<quint16>(quint16(2 * (name.size() + 1)), bytes.data() + at + 0x40);
        bytes[at + 0x42] = char(type);
        patchU32(bytes, at + 0x44, kNoStream);
        patchU32(bytes, at + 0x48, right);
        patchU32(bytes, at + 0x4C, child);
        patchU32(bytes, at + 0x74, start);
        patchU32(bytes, at + 0x78, size);
    };
    // Entries taken slot by slot across all the sectors, so that consecutive entries of the walk lie in
    // different sectors.
    QList<quint32> order;
    for (quint32 slot = 0; slot < 4; ++slot) {
        for (quint32 sector = 0; sector < kDirectorySectors; ++sector) {
            if (sector * 4 + slot != 0)
                order.append(sector * 4 + slot);
        }
    }
    writeEntry(0, QStringLiteral("Root Entry"), 5, kNoStream, order.first(), kMiniStreamFirst,
               (kSectors - kMiniStreamFirst) * 512);
    for (qsizetype k = 0; k < order.size(); ++k) {
        const bool last = k + 1 == order.size();
        writeEntry(order[k], last ? QStringLiteral("\u0005SummaryInformation") : QStringLiteral("x"), 2,
                   last ? kNoStream : order[k + 1], kNoStream, last ? kSummaryMini : 0,
                   last ? quint32(summary.size()) : 0);
    }
    // The summary's mini sectors, chained in the mini FAT; the mini stream's chain runs in sector order.
    const quint32 minis = quint32((summary.size() + 63) / 64);
    for (quint32 i = 0; i < minis; ++i) {
        const quint32 mini = kSummaryMini + i;
        patchU32(bytes, offsetOf(kMiniFatFirst + mini / 128) + 4 * (mini % 128),
                 i + 1 < minis ? mini + 1 : kEnd);
        const QByteArray piece = summary.mid(64 * i, 64);
        bytes.replace(offsetOf(kMiniStreamFirst + mini / 8) + 64 * (mini % 8), piece.size(), piece);
    }
    return bytes;
}
