#pragma once

#include "platform/byte_source.h"
#include "platform/read_status.h"
#include "platform/sector_cache.h"
#include "platform/sector_chain.h"

#include <QStringView>
#include <array>

// Reads streams of an OLE compound file (major versions 3 and 4) through a byte source, touching only the
// header, the allocation-table sectors on the way, the directory entries visited and the stream's own
// sectors. Every sector number, offset and chain taken from the file is checked before use.
class CompoundFile
{
public:
    explicit CompoundFile(ByteSource &source)
        : m_source(source)
        , m_sectors(source)
    {}

    // Reads and checks the header; Ok, OtherFormat, Damaged or Unreadable.
    ReadStatus open();
    // The bytes of the stream called `name` (compared without regard to ASCII case) directly under the root
    // storage, at most `maxBytes` of them. A chain that stops early gives the bytes found so far. Nothing,
    // with `status` NoSummary or Damaged (no readable root entry), when there is no such stream.
    std::optional<QByteArray> rootStream(QStringView name, qint64 maxBytes, ReadStatus &status);

private:
    struct Entry
    {
        QString name;
        quint8 type = 0;
        quint32 left = 0;
        quint32 right = 0;
        quint32 child = 0;
        quint32 start = 0;
        quint64 size = 0;
    };

    std::optional<quint32> validSector(quint32 sector) const;
    QByteArray sector(quint32 id) { return m_sectors.sector(id); }
    std::optional<quint32> fatSectorLocation(quint32 index);
    std::optional<quint32> nextSector(quint32 sector);
    std::optional<quint32> nextMiniSector(quint32 miniSector);
    std::optional<Entry> entry(quint32 id);
    std::optional<Entry> findRootChild(QStringView name);
    QByteArray readRegular(const Entry &entry, qint64 length);
    QByteArray readMini(const Entry &entry, qint64 length);

    ByteSource &m_source;
    int m_sectorShift = 9;
    qint64 m_sectorSize = 512;
    quint32 m_sectorCount = 0;
    bool m_versionFour = false;
    quint32 m_fatSectorCount = 0;
    quint32 m_firstDirectorySector = 0;
    quint32 m_firstMiniFatSector = 0;
    quint32 m_firstDifatSector = 0;
    std::array<quint32, 109> m_headerDifat{};

    SectorCache m_sectors;
    SectorChain m_difatChain;
    SectorChain m_directoryChain;
    SectorChain m_miniFatChain;
    SectorChain m_miniStreamChain;
    quint64 m_miniStreamSize = 0;
};
