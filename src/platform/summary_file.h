#pragma once

#include "platform/property_set.h"
#include "platform/read_status.h"

#include <QDateTime>
#include <QString>
#include <optional>

class ByteSource;

// The summary-information property set ("\005SummaryInformation") of one OLE compound file, answering
// values by property identifier. Opening reads the header, the allocation-table sectors on the way, the
// directory entries it visits and the summary stream (at most 4 MB of it); values are decoded when asked
// for. A value the file does not hold, holds with an unexpected type or holds damaged is missing.
class SummaryFile
{
public:
    // Opens a file on disk with positioned reads; nothing when it is not a compound file, has no summary
    // stream under its root, or its property set header cannot be read. `status` says which.
    static std::optional<SummaryFile> open(const QString &path, ReadStatus *status = nullptr);
    // The same over the bytes of a whole file in memory.
    static std::optional<SummaryFile> parse(const QByteArray &wholeFile, ReadStatus *status = nullptr);
    static std::optional<SummaryFile> read(ByteSource &source, ReadStatus *status = nullptr);

    // A text property (VT_LPSTR in the set's code page, or VT_LPWSTR), up to its first NUL.
    std::optional<QString> text(int id) const { return m_set.text(id); }
    // A VT_I4 or VT_I2 property.
    std::optional<qint32> number(int id) const { return m_set.number(id); }
    // A VT_FILETIME property as a local date and time; nothing when missing or zero.
    std::optional<QDateTime> date(int id) const;
    // A VT_FILETIME property read as a duration in 100-nanosecond units; a zero duration is a value.
    // Nothing when missing or beyond the range of qint64.
    std::optional<qint64> duration(int id) const;
    // Property 1; 1252 when the set has none.
    quint16 codePage() const { return m_set.codePage(); }

private:
    explicit SummaryFile(PropertySet set)
        : m_set(std::move(set))
    {}

    PropertySet m_set;
};
