#pragma once

#include "platform/document_properties.h"

#include <QString>
#include <optional>

class LocalTime;

// How a summary property is shown in its grid cell.
enum class SummaryKind { Text, Application, Number, Date, Duration, None };

// The kind of property `propertyId`: text 2 to 9, application 18, number 14, 15, 16 and 19, date 11, 12
// and 13, duration 10; None for any other identifier.
SummaryKind summaryKind(int propertyId);

// How a number that a document does not hold is shown: "0" for the OLE summary information, as its
// readers have always shown it; empty for the other formats, which name no number they do not hold.
enum class MissingNumber { Zero, Empty };

// The cell text of property `propertyId` of a document, whatever its format, formatted by its kind; empty
// for None. Dates are shown in the local time of `localTime`.
QString summaryCell(const DocumentProperties &properties, int propertyId, const LocalTime &localTime,
                    MissingNumber missingNumber = MissingNumber::Zero);

// The cell text of the short-name column for a file; empty where the platform has no short names.
QString shortNameCell(const QString &path);

// The formats of each kind, each with a tab, carriage return or line feed turned into one blank.
// Text up to its first NUL; missing gives empty.
QString textCell(const std::optional<QString> &text);
// As a text, without a leading "Microsoft " when more follows it.
QString applicationCell(const std::optional<QString> &text);
// Decimal; missing gives "0" or empty, as `missing` says.
QString numberCell(std::optional<qint64> number, MissingNumber missing = MissingNumber::Zero);
// "2000/05/09 07:03": an instant in the local time of `localTime`, a wall-clock date as written; missing
// gives empty.
QString dateCell(const std::optional<DocumentDate> &date, const LocalTime &localTime);
// "0 j 01 h 05 min" from whole minutes; missing or negative gives empty.
QString durationCell(std::optional<qint64> minutes);
