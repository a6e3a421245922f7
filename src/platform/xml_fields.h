#pragma once

#include "platform/plain_xml_reader.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <vector>

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

// Reads a whole XML part with readXml (see xml_reading.h) and hands each element at `depth` (1 is the
// root) to `visit`, in the order of their end tags, once the whole part is read. Returns false, without
// any visit, when the part is refused: larger than kMaxXmlPartSize, beyond another limit above, or
// refused by readXml.
bool collectXmlFields(const QByteArray &part, int depth, const std::function<void(const XmlField &)> &visit);

// The fields as each reader alone reads them, to check one against the other.
bool readXmlFieldsWithStreamReader(const QByteArray &part, int depth, std::vector<XmlField> &fields);
PlainXmlOutcome readPlainXmlFields(QByteArrayView part, int depth, std::vector<XmlField> &fields);
