#include "platform/xml_fields.h"

#include <QXmlStreamReader>

bool collectXmlFields(const QByteArray &part, int depth, const std::function<void(const XmlField &)> &visit)
{
    if (part.size() > kMaxXmlPartSize)
        return false;
    QXmlStreamReader xml(part);
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
