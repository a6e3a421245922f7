#include "platform/compound_file.h"

#include "platform/byte_cursor.h"

#include <QStack>
#include <algorithm>

namespace {

constexpr quint32 kMaxRegularSector = 0xFFFFFFFA;
constexpr quint32 kNoStream = 0xFFFFFFFF;
constexpr qint64 kHeaderSize = 512;
constexpr qint64 kDirectoryEntrySize = 128;
constexpr qint64 kMiniSectorSize = 64;
constexpr qint64 kMiniStreamCutoff = 4096;
// Directory entries visited while looking for a name; a real root storage holds far fewer.
constexpr int kMaxVisitedEntries = 8192;
constexpr quint8 kStreamType = 2;
constexpr quint8 kRootType = 5;
constexpr char kSignature[] = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";

quint64 ceilDiv(quint64 value, quint64 divisor)
{
    return (value + divisor - 1) / divisor;
}

bool sameNameIgnoringAsciiCase(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const char16_t x = a[i].unicode(), y = b[i].unicode();
        const auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; };
        if (lower(x) != lower(y))
            return false;
    }
    return true;
}

} // namespace

ReadStatus CompoundFile::open()
{
    QByteArray header(kHeaderSize, '\0');
    const qint64 size = m_source.size();
    if (size < 8)
        return ReadStatus::OtherFormat;
    if (!m_source.read(0, std::min(size, kHeaderSize), header.data()))
        return ReadStatus::Unreadable;
    if (!header.startsWith(QByteArrayView(kSignature, 8)))
        return ReadStatus::OtherFormat;
    if (size < kHeaderSize)
        return ReadStatus::Damaged;

    const ByteCursor cursor(header);
    // 0x1A, 2 bytes: major version, 3 or 4. 0x1C: byte order mark 0xFFFE.
    // 0x1E, 2 bytes: sector shift; 9 gives 512-byte sectors, 12 gives 4096. 0x20: mini sector shift, 6.
    const quint16 major = *cursor.u16(0x1A);
    if ((major != 3 && major != 4) || *cursor.u16(0x1C) != 0xFFFE)
        return ReadStatus::Damaged;
    m_sectorShift = *cursor.u16(0x1E);
    if ((m_sectorShift != 9 && m_sectorShift != 12) || *cursor.u16(0x20) != 6)
        return ReadStatus::Damaged;
    m_versionFour = major == 4;
    m_sectorSize = qint64(1) << m_sectorShift;
    // Sector n starts at (n + 1) * sector size; the header fills sector -1. A short last sector counts.
    const qint64 sectors = size > m_sectorSize ? qint64(ceilDiv(size - m_sectorSize, m_sectorSize)) : 0;
    m_sectorCount = quint32(std::min<qint64>(sectors, kMaxRegularSector));
    m_sectors.setGeometry(m_sectorSize, m_sectorCount);

    // 0x2C: FAT sector count; 0x30: first directory sector; 0x3C: first mini FAT sector (chains end
    // themselves, so the mini FAT and DIFAT sector counts at 0x40 and 0x48 are not needed);
    // 0x44: first DIFAT sector; 0x4C: the first 109 FAT sector numbers.
    m_fatSectorCount = *cursor.u32(0x2C);
    m_firstDirectorySector = *cursor.u32(0x30);
    m_firstMiniFatSector = *cursor.u32(0x3C);
    m_firstDifatSector = *cursor.u32(0x44);
    for (int i = 0; i < int(m_headerDifat.size()); ++i)
        m_headerDifat[size_t(i)] = *cursor.u32(0x4C + 4 * i);

    m_difatChain = SectorChain(validSector(m_firstDifatSector), m_sectorCount);
    m_directoryChain = SectorChain(validSector(m_firstDirectorySector), m_sectorCount);
    m_miniFatChain = SectorChain(validSector(m_firstMiniFatSector), m_sectorCount);
    return ReadStatus::Ok;
}

std::optional<quint32> CompoundFile::validSector(quint32 sector) const
{
    if (sector > kMaxRegularSector || sector >= m_sectorCount)
        return std::nullopt;
    return sector;
}

std::optional<quint32> CompoundFile::fatSectorLocation(quint32 index)
{
    if (index >= m_fatSectorCount)
        return std::nullopt;
    if (index < m_headerDifat.size())
        return validSector(m_headerDifat[index]);
    // Each DIFAT sector holds (sector size / 4 - 1) FAT sector numbers, then the next DIFAT sector.
    const quint32 perSector = quint32(m_sectorSize / 4 - 1);
    const quint32 rest = index - quint32(m_headerDifat.size());
    const auto next = [this, perSector](quint32 difat) -> std::optional<quint32> {
        const auto value = ByteCursor(sector(difat)).u32(4 * qint64(perSector));
        return value ? validSector(*value) : std::nullopt;
    };
    const auto difat = m_difatChain.at(rest / perSector, next);
    if (!difat)
        return std::nullopt;
    const auto value = ByteCursor(sector(*difat)).u32(4 * qint64(rest % perSector));
    return value ? validSector(*value) : std::nullopt;
}

std::optional<quint32> CompoundFile::nextSector(quint32 current)
{
    const quint32 perSector = quint32(m_sectorSize / 4);
    const auto location = fatSectorLocation(current / perSector);
    if (!location)
        return std::nullopt;
    const auto value = ByteCursor(sector(*location)).u32(4 * qint64(current % perSector));
    return value ? validSector(*value) : std::nullopt;
}

std::optional<quint32> CompoundFile::nextMiniSector(quint32 current)
{
    const quint32 perSector = quint32(m_sectorSize / 4);
    const auto location = m_miniFatChain.at(current / perSector, [this](quint32 s) { return nextSector(s); });
    if (!location)
        return std::nullopt;
    const auto value = ByteCursor(sector(*location)).u32(4 * qint64(current % perSector));
    if (!value || *value >= ceilDiv(m_miniStreamSize, kMiniSectorSize))
        return std::nullopt;
    return value;
}

std::optional<CompoundFile::Entry> CompoundFile::entry(quint32 id)
{
    const quint64 perSector = quint64(m_sectorSize / kDirectoryEntrySize);
    const auto location = m_directoryChain.at(id / perSector, [this](quint32 s) { return nextSector(s); });
    if (!location)
        return std::nullopt;
    const QByteArray bytes = sector(*location);
    const ByteCursor cursor(bytes);
    const qint64 base = qint64(id % perSector) * kDirectoryEntrySize;
    if (!cursor.contains(base, kDirectoryEntrySize))
        return std::nullopt;

    // 0x00, 64 bytes: name in UTF-16LE, NUL-terminated; 0x40, 2 bytes: its length in bytes with the NUL.
    // 0x42: object type; 0x44, 0x48, 0x4C: left sibling, right sibling, child; 0x74: start sector;
    // 0x78, 8 bytes: stream size (version 3 files may hold garbage in the high half).
    Entry entry;
    const int units = std::min<int>(*cursor.u16(base + 0x40) / 2, 32);
    for (int i = 0; i < units; ++i) {
        const quint16 unit = *cursor.u16(base + 2 * i);
        if (unit == 0)
            break;
        entry.name.append(QChar(unit));
    }
    entry.type = *cursor.u8(base + 0x42);
    entry.left = *cursor.u32(base + 0x44);
    entry.right = *cursor.u32(base + 0x48);
    entry.child = *cursor.u32(base + 0x4C);
    entry.start = *cursor.u32(base + 0x74);
    entry.size = *cursor.u64(base + 0x78);
    if (!m_versionFour)
        entry.size &= 0xFFFFFFFFu;
    return entry;
}

std::optional<CompoundFile::Entry> CompoundFile::findRootChild(QStringView name)
{
    const auto root = entry(0);
    if (!root || root->type != kRootType)
        return std::nullopt;
    m_miniStreamSize = root->size;
    // A chain can hold no more sectors than the file, whatever size the root entry claims.
    m_miniStreamChain =
        SectorChain(validSector(root->start),
                    std::min<quint64>(ceilDiv(root->size, quint64(m_sectorSize)), m_sectorCount));

    // The children of a storage form a tree through the left and right sibling links.
    QSet<quint32> visited;
    QStack<quint32> pending;
    pending.push(root->child);
    while (!pending.isEmpty() && visited.size() < kMaxVisitedEntries) {
        const quint32 id = pending.pop();
        if (id == kNoStream || visited.contains(id))
            continue;
        visited.insert(id);
        const auto child = entry(id);
        if (!child)
            continue;
        if (child->type == kStreamType && sameNameIgnoringAsciiCase(child->name, name))
            return child;
        pending.push(child->left);
        pending.push(child->right);
    }
    return std::nullopt;
}

std::optional<QByteArray> CompoundFile::rootStream(QStringView name, qint64 maxBytes, ReadStatus &status)
{
    if (!entry(0)) {
        status = ReadStatus::Damaged;
        return std::nullopt;
    }
    const auto found = findRootChild(name);
    if (!found) {
        status = ReadStatus::NoSummary;
        return std::nullopt;
    }
    status = ReadStatus::Ok;
    const qint64 length =
        qint64(std::min<quint64>(found->size, quint64(std::min(maxBytes, m_source.size()))));
    return found->size < quint64(kMiniStreamCutoff) ? readMini(*found, length) : readRegular(*found, length);
}

QByteArray CompoundFile::readRegular(const Entry &stream, qint64 length)
{
    SectorChain chain(validSector(stream.start), ceilDiv(quint64(length), quint64(m_sectorSize)));
    const auto next = [this](quint32 s) { return nextSector(s); };
    QByteArray bytes;
    bytes.reserve(length);
    quint64 index = 0;
    while (bytes.size() < length) {
        // Consecutive sectors are read in one go.
        const auto first = chain.at(index, next);
        if (!first)
            break;
        quint64 run = 1;
        while (qint64(run) * m_sectorSize < length - bytes.size()) {
            const auto following = chain.at(index + run, next);
            if (!following || *following != *first + run)
                break;
            ++run;
        }
        const qint64 offset = (qint64(*first) + 1) * m_sectorSize;
        const qint64 wanted = std::min(qint64(run) * m_sectorSize, length - bytes.size());
        const qint64 available = std::min(wanted, m_source.size() - offset);
        const qint64 oldSize = bytes.size();
        bytes.resize(oldSize + available);
        if (available <= 0 || !m_source.read(offset, available, bytes.data() + oldSize)) {
            bytes.resize(oldSize);
            break;
        }
        if (available < wanted)
            break;
        index += run;
    }
    return bytes;
}

QByteArray CompoundFile::readMini(const Entry &stream, qint64 length)
{
    const quint64 miniSectors = ceilDiv(m_miniStreamSize, kMiniSectorSize);
    const std::optional<quint32> start =
        stream.start < miniSectors ? std::optional<quint32>(stream.start) : std::nullopt;
    SectorChain chain(start, ceilDiv(quint64(length), kMiniSectorSize));
    QByteArray bytes;
    bytes.reserve(length);
    for (quint64 index = 0; bytes.size() < length; ++index) {
        const auto mini = chain.at(index, [this](quint32 s) { return nextMiniSector(s); });
        if (!mini)
            break;
        // A mini sector is 64 bytes of the mini stream, which is the root entry's chain of sectors.
        const qint64 offset = qint64(*mini) * kMiniSectorSize;
        const auto location = m_miniStreamChain.at(quint64(offset >> m_sectorShift),
                                                   [this](quint32 s) { return nextSector(s); });
        if (!location)
            break;
        const QByteArray data = sector(*location);
        const auto piece = ByteCursor(data).bytes(offset & (m_sectorSize - 1),
                                                  std::min(kMiniSectorSize, length - bytes.size()));
        if (!piece)
            break;
        bytes.append(*piece);
    }
    return bytes;
}
