#pragma once

#include <QByteArray>
#include <QString>
#include <QXmlStreamAttributes>
#include <functional>

// One element of a property part, with all the text inside it.
struct XmlField
{
    QString namespaceUri;
    QString name; // local name
    QXmlStreamAttributes attributes;
    QString text; // every character inside the element, nested elements' included, in document order
    QString parentNamespaceUri;
    QString parentName;
};

// Limits of a part that is read: property parts hold a few kilobytes, nested three or four elements
// deep; a large workbook's extended properties list a few thousand sheet and range names. They bound the
// time of a hostile part: QXmlStreamReader parses 20 to 60 MB per second here.
constexpr qsizetype kMaxXmlPartSize = 1024 * 1024;
constexpr int kMaxXmlElements = 50000;
constexpr int kMaxXmlDepth = 64;

// Reads a whole XML part (UTF-8, or UTF-16 with its byte order mark or declaration) and hands each
// element at `depth` (1 is the root) to `visit` at its end tag. Returns false when the part is refused:
// not well-formed, declaring a document type (so no entity is ever declared, expanded or fetched), or
// beyond a limit above. Visits happen while reading: on false, drop what they gave. Text is gathered
// iteratively, never by recursion.
bool collectXmlFields(const QByteArray &part, int depth, const std::function<void(const XmlField &)> &visit);
