#include "platform/xml_fields.h"

#include "platform/xml_reading.h"

namespace {

// Gathers the elements at one depth, with the text inside them.
class FieldCollector : public XmlHandler
{
public:
    FieldCollector(int depth, std::vector<XmlField> &fields)
        : m_depth(depth)
        , m_fields(fields)
    {}

    XmlStep startElement(const XmlElementView &element) override
    {
        if (++m_level > kMaxXmlDepth || ++m_elements > kMaxXmlElements)
            return XmlStep::Refuse;
        if (m_level == m_depth - 1) {
            m_parentNamespaceUri = namespaceString(element.namespaceUri);
            m_parentName = element.name.toString();
        } else if (m_level == m_depth) {
            m_field = XmlField{namespaceString(element.namespaceUri),
                               element.name.toString(),
                               {},
                               QString(),
                               m_parentNamespaceUri,
                               m_parentName};
            m_field.attributes.list.reserve(qsizetype(element.attributes.size()));
            for (const XmlAttributeView &attribute : element.attributes) {
                m_field.attributes.list.append({namespaceString(attribute.namespaceUri),
                                                attribute.name.toString(), attribute.qualifiedName.toString(),
                                                attribute.value.toString()});
            }
        }
        return XmlStep::Continue;
    }

    XmlStep endElement() override
    {
        if (m_level-- == m_depth)
            m_fields.push_back(std::move(m_field));
        return XmlStep::Continue;
    }

    void characters(QAnyStringView text) override
    {
        if (m_level >= m_depth)
            appendXmlText(m_field.text, text);
    }

    void reset() override
    {
        m_level = 0;
        m_elements = 0;
        m_parentNamespaceUri.clear();
        m_parentName.clear();
        m_fields.clear();
    }

private:
    // A part names a handful of namespaces, each many times: share one string for each of the first few
    // (a hostile part may name thousands, and the search is linear).
    QString namespaceString(QStringView uri)
    {
        for (const QString &known : m_namespaces) {
            if (known == uri)
                return known;
        }
        QString string = uri.toString();
        if (m_namespaces.size() < 16)
            m_namespaces.append(string);
        return string;
    }

    const int m_depth;
    std::vector<XmlField> &m_fields;
    int m_level = 0;
    int m_elements = 0;
    XmlField m_field;
    QString m_parentNamespaceUri;
    QString m_parentName;
    QList<QString> m_namespaces;
};

} // namespace

bool collectXmlFields(const QByteArray &part, int depth, const std::function<void(const XmlField &)> &visit)
{
    if (part.size() > kMaxXmlPartSize)
        return false;
    thread_local std::vector<XmlField> fields;
    fields.clear();
    FieldCollector collector(depth, fields);
    if (!readXml(part, collector))
        return false;
    for (const XmlField &field : fields)
        visit(field);
    return true;
}

bool readXmlFieldsWithStreamReader(const QByteArray &part, int depth, std::vector<XmlField> &fields)
{
    FieldCollector collector(depth, fields);
    return part.size() <= kMaxXmlPartSize && readXmlWithStreamReader(part, collector);
}

PlainXmlOutcome readPlainXmlFields(QByteArrayView part, int depth, std::vector<XmlField> &fields)
{
    FieldCollector collector(depth, fields);
    return part.size() <= kMaxXmlPartSize ? readPlainXml(part, collector) : PlainXmlOutcome::Refused;
}
