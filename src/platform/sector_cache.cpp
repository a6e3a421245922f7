#include "platform/sector_cache.h"

#include "platform/byte_source.h"

#include <algorithm>

namespace {

// Far more than the directory, allocation tables and mini stream sectors that a real document's summary
// needs; an 8 MB bound on what one damaged file can make the reader hold.
constexpr qint64 kMaxCachedBytes = 8 * 1024 * 1024;

} // namespace

void SectorCache::setGeometry(qint64 sectorSize, quint32 sectorCount)
{
    m_sectorSize = sectorSize;
    m_sectorCount = sectorCount;
    m_sectors.clear();
}

QByteArray SectorCache::sector(quint32 id)
{
    const qint64 offset = (qint64(id) + 1) * m_sectorSize;
    // A sector the source holds in memory is used where it is: nothing to read, copy or keep.
    if (id < m_sectorCount) {
        if (const QByteArrayView inMemory = m_source.view(offset, m_sectorSize); !inMemory.isEmpty())
            return QByteArray::fromRawData(inMemory.constData(), inMemory.size());
    }
    if (const auto cached = m_sectors.constFind(id); cached != m_sectors.cend())
        return *cached;
    if (id >= m_sectorCount || qint64(m_sectors.size() + 1) * m_sectorSize > kMaxCachedBytes)
        return {};
    const qint64 available = std::min(m_sectorSize, m_source.size() - offset);
    QByteArray bytes(m_sectorSize, '\0');
    if (available <= 0 || !m_source.read(offset, available, bytes.data()))
        return {};
    m_sectors.insert(id, bytes);
    return bytes;
}
