#include "platform/ole_properties.h"

#include "platform/byte_source.h"
#include "platform/compound_file.h"
#include "platform/property_set.h"

#include <limits>

namespace {

// The most of a summary stream that is read; the properties shown sit in its first few hundred bytes.
constexpr qint64 kMaxSummaryBytes = 4 * 1024 * 1024;
// 100-nanosecond units between 1601-01-01 and 1970-01-01, both UTC.
constexpr quint64 kFileTimeAtUnixEpoch = 116444736000000000ULL;
constexpr quint64 kUnitsPerMinute = 600000000;
constexpr int kTextIds[] = {2, 3, 4, 5, 6, 7, 8, 9, 18};
constexpr int kNumberIds[] = {14, 15, 16, 19};
constexpr int kDateIds[] = {11, 12, 13};
constexpr int kEditingTimeId = 10;

std::optional<DocumentProperties> failWith(ReadStatus *status, ReadStatus why)
{
    if (status)
        *status = why;
    return std::nullopt;
}

DocumentProperties propertiesOf(const PropertySet &set)
{
    DocumentProperties properties;
    for (const int id : kTextIds) {
        if (auto text = set.text(id))
            properties.setText(id, std::move(*text));
    }
    for (const int id : kNumberIds) {
        if (const auto number = set.number(id))
            properties.setNumber(id, *number);
    }
    for (const int id : kDateIds) {
        const auto fileTime = set.fileTime(id);
        if (!fileTime || *fileTime == 0)
            continue;
        // Whole milliseconds, rounded down, since the Unix epoch (negative before 1970).
        const qint64 msecs = qint64(*fileTime / 10000) - qint64(kFileTimeAtUnixEpoch / 10000);
        properties.setDate(id, DocumentDate{QDateTime::fromMSecsSinceEpoch(msecs, Qt::UTC)});
    }
    // A duration beyond the range of qint64 is taken as damaged.
    const auto editing = set.fileTime(kEditingTimeId);
    if (editing && *editing <= quint64(std::numeric_limits<qint64>::max()))
        properties.setEditingMinutes(qint64(*editing / kUnitsPerMinute));
    return properties;
}

} // namespace

std::optional<DocumentProperties> readOleProperties(ByteSource &source, ReadStatus *status)
{
    CompoundFile file(source);
    ReadStatus why = file.open();
    if (why != ReadStatus::Ok)
        return failWith(status, why);
    const auto stream = file.rootStream(u"\u0005SummaryInformation", kMaxSummaryBytes, why);
    if (!stream)
        return failWith(status, why);
    const auto set = PropertySet::parse(*stream);
    if (!set)
        return failWith(status, ReadStatus::Damaged);
    if (status)
        *status = ReadStatus::Ok;
    return propertiesOf(*set);
}
