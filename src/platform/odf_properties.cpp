#include "platform/odf_properties.h"

#include "platform/xml_fields.h"
#include "platform/xml_values.h"

#include <QStringList>

namespace {

constexpr QLatin1StringView kOffice("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
constexpr QLatin1StringView kMeta("urn:oasis:names:tc:opendocument:xmlns:meta:1.0");
constexpr QLatin1StringView kDublinCore("http://purl.org/dc/elements/1.1/");
constexpr QLatin1StringView kXlink("http://www.w3.org/1999/xlink");

enum class Kind { Text, Date, Duration, Generator };

struct Element
{
    QLatin1StringView namespaceUri;
    QStringView name;
    Kind kind;
    int id;
};

constexpr Element kElements[] = {
    {kDublinCore, u"title", Kind::Text, 2},           {kDublinCore, u"subject", Kind::Text, 3},
    {kMeta, u"initial-creator", Kind::Text, 4},       {kDublinCore, u"description", Kind::Text, 6},
    {kDublinCore, u"creator", Kind::Text, 8},         {kMeta, u"editing-cycles", Kind::Text, 9},
    {kMeta, u"editing-duration", Kind::Duration, 10}, {kMeta, u"print-date", Kind::Date, 11},
    {kMeta, u"creation-date", Kind::Date, 12},        {kDublinCore, u"date", Kind::Date, 13},
    {kMeta, u"generator", Kind::Generator, 18},
};

// meta:document-statistic attributes.
constexpr std::pair<QLatin1StringView, int> kStatistics[] = {
    {QLatin1StringView("page-count"), 14},
    {QLatin1StringView("word-count"), 15},
    {QLatin1StringView("character-count"), 16},
};

} // namespace

bool readOpenDocumentMeta(const QByteArray &part, DocumentProperties &properties)
{
    DocumentProperties found = properties;
    bool seen[std::size(kElements)] = {};
    bool seenTemplate = false;
    bool seenStatistic = false;
    QStringList keywords;
    const bool read = collectXmlFields(part, 3, [&](const XmlField &field) {
        if (field.parentName != u"meta" || field.parentNamespaceUri != kOffice)
            return;
        if (field.namespaceUri == kMeta && field.name == u"keyword") {
            keywords.append(field.text);
        } else if (field.namespaceUri == kMeta && field.name == u"template" && !seenTemplate) {
            seenTemplate = true;
            if (field.attributes.hasAttribute(kXlink, QLatin1StringView("title")))
                found.setText(7, field.attributes.value(kXlink, QLatin1StringView("title")).toString());
        } else if (field.namespaceUri == kMeta && field.name == u"document-statistic" && !seenStatistic) {
            seenStatistic = true;
            for (const auto &[name, id] : kStatistics) {
                if (const auto count = parseXmlInteger(field.attributes.value(kMeta, name)))
                    found.setNumber(id, *count);
            }
        }
        for (size_t i = 0; i < std::size(kElements); ++i) {
            const Element &element = kElements[i];
            if (seen[i] || field.name != element.name || field.namespaceUri != element.namespaceUri)
                continue;
            seen[i] = true;
            switch (element.kind) {
            case Kind::Text:
                found.setText(element.id, field.text);
                break;
            case Kind::Generator:
                // "LibreOffice/7.4.7.2$Linux_X86_64 ..." names the application before its first "$".
                found.setText(element.id, field.text.section(u'$', 0, 0));
                break;
            case Kind::Date:
                if (const auto date = parseXmlDate(field.text))
                    found.setDate(element.id, *date);
                break;
            case Kind::Duration:
                if (const auto minutes = parseXmlDurationMinutes(field.text))
                    found.setEditingMinutes(*minutes);
                break;
            }
        }
    });
    if (!read)
        return false;
    if (!keywords.isEmpty())
        found.setText(5, keywords.join(u", "));
    properties = std::move(found);
    return true;
}
