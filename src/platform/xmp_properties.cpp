#include "platform/xmp_properties.h"

#include "platform/xml_reading.h"

#include <QRegularExpression>
#include <array>

namespace {

const QString kRdf = QStringLiteral("http://www.w3.org/1999/02/22-rdf-syntax-ns#");
const QString kDublinCore = QStringLiteral("http://purl.org/dc/elements/1.1/");
const QString kXmpBasic = QStringLiteral("http://ns.adobe.com/xap/1.0/");
const QString kAdobePdf = QStringLiteral("http://ns.adobe.com/pdf/1.3/");
const QString kXmlNamespace = QStringLiteral("http://www.w3.org/XML/1998/namespace");

// How the items of a property become one value.
enum class Shape { Alternative, List, Single };

struct Property
{
    const QString &ns;
    const char *name;
    Shape shape;
    const char *separator;
};

// Indexes into kProperties.
enum Slot { Title, Description, Creator, Keywords, Subject, CreateDate, ModifyDate, CreatorTool, SlotCount };

const std::array<Property, SlotCount> kProperties = {{
    {kDublinCore, "title", Shape::Alternative, ""},
    {kDublinCore, "description", Shape::Alternative, ""},
    {kDublinCore, "creator", Shape::List, "; "},
    {kAdobePdf, "Keywords", Shape::Single, ""},
    {kDublinCore, "subject", Shape::List, ", "},
    {kXmpBasic, "CreateDate", Shape::Single, ""},
    {kXmpBasic, "ModifyDate", Shape::Single, ""},
    {kXmpBasic, "CreatorTool", Shape::Single, ""},
}};

// What one property element held: its own text, or its rdf:li items with their languages.
struct Collected
{
    bool isSeen = false;
    bool hasChildElements = false;
    QString text;
    QStringList items;
    QStringList languages;
};

int slotOf(QStringView ns, QAnyStringView name)
{
    for (int slot = 0; slot < SlotCount; ++slot) {
        if (ns == kProperties[slot].ns && name == QLatin1StringView(kProperties[slot].name))
            return slot;
    }
    return -1;
}

std::optional<QString> valueOf(const Collected &collected, const Property &property)
{
    if (!collected.isSeen)
        return std::nullopt;
    if (collected.items.isEmpty())
        return collected.hasChildElements ? std::nullopt : std::optional(collected.text);
    switch (property.shape) {
    case Shape::Alternative: {
        const qsizetype preferred = collected.languages.indexOf(QStringLiteral("x-default"));
        return collected.items.at(preferred >= 0 ? preferred : 0);
    }
    case Shape::List:
        return collected.items.join(QLatin1String(property.separator));
    case Shape::Single:
        return collected.items.first();
    }
    return std::nullopt;
}

// Walks the packet once, up to the end of its root element (whatever follows, padding, does not matter).
class XmpCollector : public XmlHandler
{
public:
    std::array<Collected, SlotCount> collected;

    XmlStep startElement(const XmlElementView &element) override
    {
        if (++m_depth > kXmpMaxDepth)
            return XmlStep::Refuse;
        if (m_slot >= 0) {
            Collected &property = collected[m_slot];
            property.hasChildElements = true;
            if (m_itemDepth == 0 && element.namespaceUri == kRdf && element.name == QLatin1StringView("li")) {
                m_itemDepth = m_depth;
                property.items.append(QString());
                property.languages.append(language(element));
            }
            return XmlStep::Continue;
        }
        for (const XmlAttributeView &attribute : element.attributes) {
            const int attributeSlot = slotOf(attribute.namespaceUri, attribute.name);
            if (attributeSlot >= 0 && !collected[attributeSlot].isSeen) {
                collected[attributeSlot].isSeen = true;
                collected[attributeSlot].text = attribute.value.toString();
            }
        }
        const int elementSlot = slotOf(element.namespaceUri, element.name);
        if (elementSlot >= 0 && !collected[elementSlot].isSeen) {
            m_slot = elementSlot;
            m_propertyDepth = m_depth;
            collected[m_slot].isSeen = true;
        }
        return XmlStep::Continue;
    }

    XmlStep endElement() override
    {
        if (m_depth == m_itemDepth)
            m_itemDepth = 0;
        if (m_depth == m_propertyDepth) {
            m_slot = -1;
            m_propertyDepth = 0;
        }
        return --m_depth == 0 ? XmlStep::Stop : XmlStep::Continue;
    }

    void characters(QAnyStringView text) override
    {
        if (m_slot >= 0 && m_itemDepth > 0)
            appendXmlText(collected[m_slot].items.last(), text);
        else if (m_slot >= 0 && m_depth == m_propertyDepth)
            appendXmlText(collected[m_slot].text, text);
    }

    void reset() override { *this = XmpCollector(); }

private:
    static QString language(const XmlElementView &element)
    {
        for (const XmlAttributeView &attribute : element.attributes) {
            if (attribute.namespaceUri == kXmlNamespace && attribute.name == QLatin1StringView("lang"))
                return attribute.value.toString();
        }
        return QString();
    }

    int m_depth = 0;
    int m_slot = -1;         // the property being read
    int m_propertyDepth = 0; // its element's depth
    int m_itemDepth = 0;     // depth of the rdf:li being read, 0 outside one
};

} // namespace

namespace {

DocumentProperties readXmpPropertiesWith(bool (*read)(const QByteArray &, XmlHandler &),
                                         const QByteArray &packet)
{
    DocumentProperties properties;
    XmpCollector collector;
    if (!read(packet, collector))
        return properties;
    const auto value = [&](Slot slot) { return valueOf(collector.collected[slot], kProperties[slot]); };
    const auto setText = [&](int id, const std::optional<QString> &text) {
        if (text)
            properties.setText(id, *text);
    };
    const auto setDate = [&](int id, const std::optional<QString> &text) {
        if (const auto instant = text ? parseXmpDate(*text) : std::nullopt)
            properties.setDate(id, DocumentDate{*instant, false});
    };
    setText(2, value(Title));
    setText(3, value(Description));
    setText(4, value(Creator));
    const auto keywords = value(Keywords);
    setText(5, keywords ? keywords : value(Subject));
    setDate(12, value(CreateDate));
    setDate(13, value(ModifyDate));
    setText(18, value(CreatorTool));
    return properties;
}

} // namespace

DocumentProperties readXmpProperties(const QByteArray &packet)
{
    return readXmpPropertiesWith(readXml, packet);
}

DocumentProperties readXmpPropertiesWithStreamReader(const QByteArray &packet)
{
    return readXmpPropertiesWith(readXmlWithStreamReader, packet);
}

std::optional<QDateTime> parseXmpDate(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral(
        R"(^(\d{4})(?:-(\d\d)(?:-(\d\d)(?:T(\d\d):(\d\d)(?::(\d\d)(?:\.\d+)?)?(Z|[+-]\d\d:?\d\d)?)?)?)?$)"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const auto field = [&](int group, int missing) {
        return match.capturedView(group).isEmpty() ? missing : match.capturedView(group).toInt();
    };
    const QDate date(field(1, 0), field(2, 1), field(3, 1));
    const QTime time(field(4, 0), field(5, 0), field(6, 0));
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    QDateTime instant(date, time, Qt::UTC);
    const QStringView zone = match.capturedView(7);
    if (zone.size() > 1) {
        const int hours = zone.sliced(1, 2).toInt();
        const int minutes = zone.right(2).toInt();
        if (hours > 23 || minutes > 59)
            return std::nullopt;
        const int offset = (hours * 60 + minutes) * 60;
        instant = instant.addSecs(zone.front() == QLatin1Char('+') ? -offset : offset);
    }
    return instant;
}
