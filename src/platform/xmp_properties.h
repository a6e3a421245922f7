#pragma once

#include "platform/document_properties.h"

#include <QByteArray>
#include <QDateTime>
#include <optional>

// Deepest element nesting an XMP packet may have; real packets use about ten levels.
inline constexpr int kXmpMaxDepth = 64;

// Reads the summary properties an XMP packet holds, by the identifiers of DocumentProperties:
// 2 dc:title and 3 dc:description (the "x-default" item, else the first), 4 dc:creator (items joined
// with "; "), 5 pdf:Keywords, else dc:subject (items joined with ", "), 12 xmp:CreateDate, 13
// xmp:ModifyDate and 18 xmp:CreatorTool, each in element or attribute form; the first occurrence of a
// property counts. A packet that declares a DTD, is not well-formed or nests deeper than kXmpMaxDepth
// gives no values at all. One pass over the packet, without recursion.
DocumentProperties readXmpProperties(const QByteArray &packet);
// The same reading done by QXmlStreamReader alone, to check the XML readers against each other.
DocumentProperties readXmpPropertiesWithStreamReader(const QByteArray &packet);

// An XMP date, "YYYY[-MM[-DD[Thh:mm[:ss[.s...]][Z|+hh:mm|-hh:mm]]]]", as a UTC instant (UTC when no
// offset is written); nothing when malformed or out of range.
std::optional<QDateTime> parseXmpDate(const QString &text);
