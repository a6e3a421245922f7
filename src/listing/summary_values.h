#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

class SummaryFile;

// How a summary property is shown in its grid cell.
enum class SummaryKind { Text, Application, Number, Date, Duration, None };

// The kind of property `propertyId`: text 2 to 9, application 18, number 14, 15, 16 and 19, date 11, 12
// and 13, duration 10; None for any other identifier.
SummaryKind summaryKind(int propertyId);

// The cell text of property `propertyId` of an open file, formatted by its kind; empty for None.
QString summaryCell(const SummaryFile &file, int propertyId);

// The cell text of the short-name column for a file; empty where the platform has no short names.
QString shortNameCell(const QString &path);

// The formats of each kind, each with a tab, carriage return or line feed turned into one blank.
// Text up to its first NUL; missing gives empty.
QString textCell(const std::optional<QString> &text);
// As a text, without a leading "Microsoft " when more follows it.
QString applicationCell(const std::optional<QString> &text);
// Decimal; missing gives "0".
QString numberCell(std::optional<qint32> number);
// "2000/05/09 07:03" in the date's own time zone (local for the reader's dates); missing gives empty.
QString dateCell(const std::optional<QDateTime> &date);
// "0 j 01 h 05 min" from a count of 100-nanosecond units; missing gives empty.
QString durationCell(std::optional<qint64> hundredNanoseconds);
