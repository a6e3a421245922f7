#include "platform/xml_fields.h"

#include <QXmlStreamReader>
#include <optional>

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
                                 xml.attributes(),
                                 QString(),
                                 parentNamespaceUri,
                                 parentName};
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

bool collectXmlFields(const QByteArray &part, int depth, const std::function<void(const XmlField &)> &visit)
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
