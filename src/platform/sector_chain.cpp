#include "platform/sector_chain.h"

#include <algorithm>

namespace {

// No chain the reader needs is longer: 32 MB of 512-byte sectors. Bounds the time and memory one damaged
// file can cost.
constexpr quint64 kMaxChainLength = 65536;

} // namespace

SectorChain::SectorChain(std::optional<quint32> start, quint64 maxLength)
    : m_maxLength(std::min(maxLength, kMaxChainLength))
    , m_ended(!start || m_maxLength == 0)
{
    if (!m_ended) {
        m_sectors.push_back(*start);
        m_visited.insert(*start);
    }
}

std::optional<quint32> SectorChain::at(quint64 index, const NextSector &next)
{
    while (index >= m_sectors.size() && !m_ended) {
        const std::optional<quint32> following =
            m_sectors.size() < m_maxLength ? next(m_sectors.back()) : std::nullopt;
        if (!following || m_visited.contains(*following)) {
            m_ended = true;
            break;
        }
        m_sectors.push_back(*following);
        m_visited.insert(*following);
    }
    if (index >= m_sectors.size())
        return std::nullopt;
    return m_sectors[size_t(index)];
}
