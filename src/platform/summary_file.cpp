#include "platform/summary_file.h"

#include "platform/byte_source.h"
#include "platform/compound_file.h"
#include "platform/file_byte_source.h"

#include <limits>

namespace {

// The most of a summary stream that is read; the properties shown sit in its first few hundred bytes.
constexpr qint64 kMaxSummaryBytes = 4 * 1024 * 1024;
// 100-nanosecond units between 1601-01-01 and 1970-01-01, both UTC.
constexpr quint64 kFileTimeAtUnixEpoch = 116444736000000000ULL;

std::optional<SummaryFile> failWith(ReadStatus *status, ReadStatus why)
{
    if (status)
        *status = why;
    return std::nullopt;
}

} // namespace

std::optional<SummaryFile> SummaryFile::open(const QString &path, ReadStatus *status)
{
    FileByteSource source(path);
    if (!source.isOpen())
        return failWith(status, ReadStatus::Unreadable);
    return read(source, status);
}

std::optional<SummaryFile> SummaryFile::parse(const QByteArray &wholeFile, ReadStatus *status)
{
    MemoryByteSource source(wholeFile);
    return read(source, status);
}

std::optional<SummaryFile> SummaryFile::read(ByteSource &source, ReadStatus *status)
{
    CompoundFile file(source);
    ReadStatus why = file.open();
    if (why != ReadStatus::Ok)
        return failWith(status, why);
    const auto stream = file.rootStream(u"\u0005SummaryInformation", kMaxSummaryBytes, why);
    if (!stream)
        return failWith(status, why);
    auto set = PropertySet::parse(*stream);
    if (!set)
        return failWith(status, ReadStatus::Damaged);
    if (status)
        *status = ReadStatus::Ok;
    return SummaryFile(std::move(*set));
}

std::optional<QDateTime> SummaryFile::date(int id) const
{
    const auto fileTime = m_set.fileTime(id);
    if (!fileTime || *fileTime == 0)
        return std::nullopt;
    // Whole milliseconds, rounded down, since the Unix epoch (negative before 1970).
    const qint64 msecs = qint64(*fileTime / 10000) - qint64(kFileTimeAtUnixEpoch / 10000);
    return QDateTime::fromMSecsSinceEpoch(msecs, Qt::LocalTime);
}

std::optional<qint64> SummaryFile::duration(int id) const
{
    const auto fileTime = m_set.fileTime(id);
    if (!fileTime || *fileTime > quint64(std::numeric_limits<qint64>::max()))
        return std::nullopt;
    return qint64(*fileTime);
}
