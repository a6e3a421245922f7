#include "platform/xml_reading.h"

#include "platform/plain_xml_reader.h"

#include <QXmlStreamReader>
#include <optional>

namespace {

// Hands the events of the part to `handler`; false when the part or the handler refuses it.
bool readEvents(QXmlStreamReader &xml, XmlHandler &handler)
{
    std::vector<XmlAttributeView> attributes;
    while (!xml.atEnd()) {
        XmlStep step = XmlStep::Continue;
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
        case QXmlStreamReader::EntityReference:
            return false;
        case QXmlStreamReader::StartElement: {
            const QXmlStreamAttributes &read = xml.attributes();
            attributes.clear();
            for (const QXmlStreamAttribute &attribute : read) {
                attributes.push_back({attribute.namespaceUri(), attribute.name(), attribute.qualifiedName(),
                                      attribute.value()});
            }
            step = handler.startElement({xml.namespaceUri(), xml.name(), attributes});
            break;
        }
        case QXmlStreamReader::Characters:
            handler.characters(xml.text());
            break;
        case QXmlStreamReader::EndElement:
            step = handler.endElement();
            break;
        default:
            break;
        }
        if (step == XmlStep::Refuse)
            return false;
        if (step == XmlStep::Stop)
            return true;
    }
    return !xml.hasError();
}

} // namespace

bool readXmlWithStreamReader(const QByteArray &part, XmlHandler &handler)
{
    // One reader per thread, cleared for each part: setting a reader up costs as much as reading a small
    // part. Clearing keeps the entities a document type declared, so a reader that met one (every refused
    // or broken part) is dropped instead: no part sees another's declarations.
    thread_local std::optional<QXmlStreamReader> reader;
    if (reader)
        reader->clear();
    else
        reader.emplace();
    reader->addData(part);
    const bool read = readEvents(*reader, handler);
    if (!read)
        reader.reset();
    return read;
}

bool readXml(const QByteArray &part, XmlHandler &handler)
{
    switch (readPlainXml(part, handler)) {
    case PlainXmlOutcome::Read:
        return true;
    case PlainXmlOutcome::Refused:
        return false;
    case PlainXmlOutcome::Unsure:
        break;
    }
    if (part.count('=') > kMaxStreamReaderEquals)
        return false;
    handler.reset();
    return readXmlWithStreamReader(part, handler);
}

void appendXmlText(QString &to, QAnyStringView text)
{
    text.visit([&to](auto view) {
        if constexpr (std::is_same_v<decltype(view), QUtf8StringView>)
            to += QString::fromUtf8(view);
        else
            to += view;
    });
}
