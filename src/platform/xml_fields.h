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

// Deepest nesting read; property parts nest three or four elements deep.
constexpr int kMaxXmlDepth = 64;

// Reads a whole XML part (UTF-8, or UTF-16 with its byte order mark or declaration) and hands each
// element at `depth` (1 is the root) to `visit` at its end tag. Returns false when the part is refused:
// not well-formed, declaring a document type (so no entity is ever declared, expanded or fetched), or
// nesting deeper than kMaxXmlDepth. Visits happen while reading: on false, drop what they gave.
// Text is gathered iteratively, never by recursion.
bool collectXmlFields(const QByteArray &part, int depth, const std::function<void(const XmlField &)> &visit);
