#pragma once

#include "platform/document_properties.h"

#include <QByteArray>

// Fills `properties` from an OpenDocument meta part (meta.xml), the children of office:meta: title,
// subject, author (meta:initial-creator), keywords (every meta:keyword, joined with ", "), comments,
// template (the xlink:title of meta:template), last author (dc:creator), revision (meta:editing-cycles,
// as text), editing time, the printed, created and saved dates, the page, word and character counts of
// meta:document-statistic and the application (meta:generator up to its first "$"). Returns false,
// leaving `properties` untouched, when the part is refused (see collectXmlFields); the first element of
// a kind counts and a value that does not parse is missing.
bool readOpenDocumentMeta(const QByteArray &part, DocumentProperties &properties);
