#include "platform/ooxml_properties.h"

#include "platform/xml_fields.h"
#include "platform/xml_values.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr QStringView kCoreNamespace =
    u"http://schemas.openxmlformats.org/package/2006/metadata/core-properties";
constexpr QStringView kDublinCore = u"http://purl.org/dc/elements/1.1/";
constexpr QStringView kDublinCoreTerms = u"http://purl.org/dc/terms/";
constexpr QStringView kExtendedNamespaces[] = {
    u"http://schemas.openxmlformats.org/officeDocument/2006/extended-properties",
    u"http://purl.oclc.org/ooxml/officeDocument/extendedProperties",
};

enum class Kind { Text, Date, Number, EditingTime, Slides };

struct Element
{
    QStringView namespaceUri; // empty: either extended-properties namespace
    QStringView name;
    Kind kind;
    int id;
};

constexpr Element kCore[] = {
    {kDublinCore, u"title", Kind::Text, 2},         {kDublinCore, u"subject", Kind::Text, 3},
    {kDublinCore, u"creator", Kind::Text, 4},       {kCoreNamespace, u"keywords", Kind::Text, 5},
    {kDublinCore, u"description", Kind::Text, 6},   {kCoreNamespace, u"lastModifiedBy", Kind::Text, 8},
    {kCoreNamespace, u"revision", Kind::Text, 9},   {kCoreNamespace, u"lastPrinted", Kind::Date, 11},
    {kDublinCoreTerms, u"created", Kind::Date, 12}, {kDublinCoreTerms, u"modified", Kind::Date, 13},
};

constexpr Element kExtended[] = {
    {{}, u"Template", Kind::Text, 7},     {{}, u"TotalTime", Kind::EditingTime, 10},
    {{}, u"Pages", Kind::Number, 14},     {{}, u"Slides", Kind::Slides, 14},
    {{}, u"Words", Kind::Number, 15},     {{}, u"Characters", Kind::Number, 16},
    {{}, u"Application", Kind::Text, 18}, {{}, u"DocSecurity", Kind::Number, 19},
};

bool matches(const Element &element, const XmlField &field)
{
    if (field.name != element.name)
        return false;
    if (!element.namespaceUri.isEmpty())
        return field.namespaceUri == element.namespaceUri;
    return std::find(std::begin(kExtendedNamespaces), std::end(kExtendedNamespaces), field.namespaceUri) !=
           std::end(kExtendedNamespaces);
}

// Reads the elements of `table` that are children of the part's root element into `properties`.
template <size_t N>
bool readPart(const QByteArray &part, const Element (&table)[N], DocumentProperties &properties)
{
    DocumentProperties found = properties;
    bool seen[N] = {};
    std::optional<qint64> slides;
    const bool read = collectXmlFields(part, 2, [&](const XmlField &field) {
        for (size_t i = 0; i < N; ++i) {
            if (seen[i] || !matches(table[i], field))
                continue;
            seen[i] = true;
            const int id = table[i].id;
            switch (table[i].kind) {
            case Kind::Text:
                found.setText(id, field.text);
                break;
            case Kind::Date:
                if (const auto date = parseXmlDate(field.text))
                    found.setDate(id, *date);
                break;
            case Kind::Number:
                if (const auto number = parseXmlInteger(field.text))
                    found.setNumber(id, *number);
                break;
            case Kind::EditingTime:
                if (const auto minutes = parseXmlInteger(field.text); minutes && *minutes >= 0)
                    found.setEditingMinutes(*minutes);
                break;
            case Kind::Slides:
                slides = parseXmlInteger(field.text);
                break;
            }
        }
    });
    if (!read)
        return false;
    // Presentations count slides instead of pages.
    if (slides && !found.number(14))
        found.setNumber(14, *slides);
    properties = std::move(found);
    return true;
}

} // namespace

bool readCoreProperties(const QByteArray &part, DocumentProperties &properties)
{
    return readPart(part, kCore, properties);
}

bool readExtendedProperties(const QByteArray &part, DocumentProperties &properties)
{
    return readPart(part, kExtended, properties);
}
