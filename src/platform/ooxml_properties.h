#pragma once

#include "platform/document_properties.h"

#include <QByteArray>

// Reading the property parts of an Office Open XML package. Each returns false, leaving `properties`
// untouched, when the part is refused (see collectXmlFields); elements are matched by namespace and
// local name, the first of a kind counts, and a value that does not parse is missing.

// The core properties part: title, subject, author, keywords (all the text of cp:keywords), comments,
// last author, revision (as text) and the printed, created and saved dates.
bool readCoreProperties(const QByteArray &part, DocumentProperties &properties);

// The extended properties part: template, editing time (TotalTime, minutes), pages (Slides when there is
// no Pages element, as presentations write), words, characters, application and security.
bool readExtendedProperties(const QByteArray &part, DocumentProperties &properties);
