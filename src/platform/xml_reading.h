#pragma once

#include <QAnyStringView>
#include <QByteArray>
#include <QString>
#include <QStringView>
#include <vector>

// One attribute of an element as it is read; the views last until the handler returns.
struct XmlAttributeView
{
    QStringView namespaceUri;
    QAnyStringView name; // local name
    QAnyStringView qualifiedName;
    QAnyStringView value;
};

// A start tag as it is read, its namespaces resolved; namespace declarations are not among its attributes.
struct XmlElementView
{
    QStringView namespaceUri;
    QAnyStringView name; // local name
    const std::vector<XmlAttributeView> &attributes;
};

// What a handler tells the reader after an element.
enum class XmlStep {
    Continue,
    Stop,   // the handler has all it needs: whatever follows is not read
    Refuse, // the part is refused
};

// Receives the elements and text of one XML part in document order. Text may come in several pieces.
class XmlHandler
{
public:
    virtual ~XmlHandler() = default;
    virtual XmlStep startElement(const XmlElementView &element) = 0;
    virtual XmlStep endElement() = 0;
    virtual void characters(QAnyStringView text) = 0;
    // Forgets what was handed so far: the part is read again from its start.
    virtual void reset() = 0;
};

// QXmlStreamReader checks each attribute of an element against the others and looks each prefix up
// among the declarations in scope: 100,000 attributes on one element take it 14 s. Every attribute and
// declaration holds an "=", so a part with more "=" than this is refused before it reaches it.
constexpr qsizetype kMaxStreamReaderEquals = 4096;

// Reads a whole XML part (UTF-8, or UTF-16 with its byte order mark or declaration) into `handler`,
// with the plain reader of plain_xml_reader.h when it decides, else with QXmlStreamReader when the part
// has no more "=" than kMaxStreamReaderEquals. True when read to its end or to a Stop; false when
// refused: by the handler, for declaring a document type (so no entity is ever declared, expanded or
// fetched), for not being well-formed, or for that many "=". No recursion.
bool readXml(const QByteArray &part, XmlHandler &handler);

// The same reading done by QXmlStreamReader alone, whatever the part holds, to check the readers against
// each other.
bool readXmlWithStreamReader(const QByteArray &part, XmlHandler &handler);

// Appends a piece of text to a string.
void appendXmlText(QString &to, QAnyStringView text);
