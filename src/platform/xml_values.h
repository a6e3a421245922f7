#pragma once

#include "platform/document_properties.h"

#include <QStringView>
#include <optional>

// Typed values of property parts, read from element text; leading and trailing white space is ignored.

// A date and time of the W3C profile of ISO 8601 (XML Schema dateTime, and its reduced forms "YYYY",
// "YYYY-MM", "YYYY-MM-DD", "YYYY-MM-DDThh:mm"), fractions of a second truncated to milliseconds, "24:00:00"
// as the next day's 00:00. With "Z" or an offset, the UTC instant; without, the wall-clock time as written.
// Nothing when malformed or out of range.
std::optional<DocumentDate> parseXmlDate(QStringView text);

// An XML Schema duration "PnDTnHnMnS" in whole minutes, fractions of a second truncated. Nothing when
// negative, malformed, holding a year or month count other than zero (their length varies), or beyond
// the range of qint64.
std::optional<qint64> parseXmlDurationMinutes(QStringView text);

// A decimal integer with an optional sign; nothing when malformed or beyond the range of qint64.
std::optional<qint64> parseXmlInteger(QStringView text);
