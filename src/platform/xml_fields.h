#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

// One attribute of an element, its namespace resolved.
struct XmlAttribute
{
    QString namespaceUri;
    QString name;          // local name
    QString qualifiedName; // with its prefix, as written
    QString value;
};

// An element's attributes in document order, without its namespace declarations.
struct XmlAttributes
{
    QList<XmlAttribute> list;

    bool hasAttribute(QLatin1StringView namespaceUri, QLatin1StringView name) const
    {
        return find(namespaceUri, name) != nullptr;
    }
    // Empty when there is no such attribute.
    QStringView value(QLatin1StringView namespaceUri, QLatin1StringView name) const
    {
        const XmlAttribute *attribute = find(namespaceUri, name);
        return attribute ? QStringView(attribute->value) : QStringView();
    }
    QStringView value(QLatin1StringView qualifiedName) const
    {
        for (const XmlAttribute &attribute : list) {
            if (attribute.qualifiedName == qualifiedName)
                return attribute.value;
        }
        return {};
    }

private:
    const XmlAttribute *find(QLatin1StringView namespaceUri, QLatin1StringView name) const
    {
        for (const XmlAttribute &attribute : list) {
            if (attribute.name == name && attribute.namespaceUri == namespaceUri)
                return &attribute;
        }
        return nullptr;
    }
};

// One element of a property part, with all the text inside it.
struct XmlField
{
    QString namespaceUri;
    QString name; // local name
    XmlAttributes attributes;
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

// The same reading done by QXmlStreamReader alone, for every part: collectXmlFields gives its result
// faster for the plain parts that property files are made of (see plain_xml_fields.h).
bool collectXmlFieldsWithStreamReader(const QByteArray &part, int depth,
                                      const std::function<void(const XmlField &)> &visit);
