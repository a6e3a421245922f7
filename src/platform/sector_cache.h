#pragma once

#include <QByteArray>
#include <QHash>

class ByteSource;

// The sectors of one compound file that its reader has needed (allocation tables, directory, mini stream),
// each read from the source once and kept for the life of the reader. The bytes kept are bounded, so that a
// damaged file that leads the reader over many sectors costs at most one read per sector of the file and a
// fixed amount of memory.
class SectorCache
{
public:
    explicit SectorCache(ByteSource &source)
        : m_source(source)
    {}

    // Sector n starts at (n + 1) * `sectorSize`; `sectorCount` is the number of sectors the file holds.
    void setGeometry(qint64 sectorSize, quint32 sectorCount);

    // The bytes of sector `id`, a short last sector padded with zeros; valid while the source is (a sector
    // the source holds in memory is not copied). Empty when `id` is not a sector of
    // the file, the read fails, or the cache already holds its most bytes (a file that needs so many sectors
    // is treated as damaged).
    QByteArray sector(quint32 id);

private:
    ByteSource &m_source;
    qint64 m_sectorSize = 512;
    quint32 m_sectorCount = 0;
    QHash<quint32, QByteArray> m_sectors;
};
