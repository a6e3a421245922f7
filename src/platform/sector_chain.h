#pragma once

#include <QSet>
#include <functional>
#include <optional>
#include <vector>

// The sectors of one chain of an allocation table (FAT or mini FAT), followed lazily from its start.
// The walk stops for good at the end of the chain, at an entry that leaves the table, at the first sector
// seen twice (a cycle) and after `maxLength` sectors (never more than 65536), so a damaged table can neither
// loop nor grow it.
class SectorChain
{
public:
    // Gives the entry that follows a sector, or nothing at the end of the chain or for an invalid entry.
    using NextSector = std::function<std::optional<quint32>(quint32)>;

    SectorChain() = default;
    // `start` must already be known to be a valid sector; an invalid start makes an empty chain.
    SectorChain(std::optional<quint32> start, quint64 maxLength);

    // The sector at position `index` of the chain, or nothing when the chain stops before it.
    std::optional<quint32> at(quint64 index, const NextSector &next);

private:
    std::vector<quint32> m_sectors;
    QSet<quint32> m_visited;
    quint64 m_maxLength = 0;
    bool m_ended = true;
};
