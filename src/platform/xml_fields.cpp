#include "platform/xml_fields.h"

#include "platform/plain_xml_fields.h"

#include <QXmlStreamReader>
#include <optional>
#include <vector>

namespace {

bool readFields(QXmlStreamReader &xml, int depth, const std::function<void(const XmlField &)> &visit)
{
    int level = 0;
    int elements = 0;
    XmlField field;
    QString parentNamespaceUri;
    QString parentName;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
        case QXmlStreamReader::EntityReference:
            return false;
        case QXmlStreamReader::StartElement:
            if (++level > kMaxXmlDepth || ++elements > kMaxXmlElements)
                return false;
            if (level == depth - 1) {
                parentNamespaceUri = xml.namespaceUri().toString();
                parentName = xml.name().toString();
            } else if (level == depth) {
                field = XmlField{xml.namespaceUri().toString(),
                                 xml.name().toString(),
                                 {},
                                 QString(),
                                 parentNamespaceUri,
                                 parentName};
                for (const QXmlStreamAttribute &attribute : xml.attributes()) {
                    field.attributes.list.append(
                        {attribute.namespaceUri().toString(), attribute.name().toString(),
                         attribute.qualifiedName().toString(), attribute.value().toString()});
                }
            }
            break;
        case QXmlStreamReader::Characters:
            if (level >= depth)
                field.text += xml.text();
            break;
        case QXmlStreamReader::EndElement:
            if (level-- == depth)
                visit(field);
            break;
        default:
            break;
        }
    }
    return !xml.hasError();
}

} // namespace

bool collectXmlFieldsWithStreamReader(const QByteArray &part, int depth,
                                      const std::function<void(const XmlField &)> &visit)
{
    if (part.size() > kMaxXmlPartSize)
        return false;
    // One reader per thread, cleared for each part: setting a reader up costs as much as reading a small
    // part. Clearing keeps the entities a document type declared, so a reader that met one (every refused
    // or broken part) is dropped instead: no part sees another's declarations.
    thread_local std::optional<QXmlStreamReader> reader;
    if (reader)
        reader->clear();
    else
        reader.emplace();
    reader->addData(part);
    const bool read = readFields(*reader, depth, visit);
    if (!read)
        reader.reset();
    return read;
}

bool collectXmlFields(const QByteArray &part, int depth, const std::function<void(const XmlField &)> &visit)
{
    if (part.size() > kMaxXmlPartSize)
        return false;
    thread_local std::vector<XmlField> fields;
    fields.clear();
    switch (readPlainXmlFields(part, depth, fields)) {
    case PlainXmlOutcome::Read:
        for (const XmlField &field : fields)
            visit(field);
        return true;
    case PlainXmlOutcome::Refused:
        return false;
    case PlainXmlOutcome::Unsure:
        break;
    }
    return collectXmlFieldsWithStreamReader(part, depth, visit);
}
