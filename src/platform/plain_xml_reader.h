#pragma once

#include "platform/xml_reading.h"

#include <QByteArrayView>

// What a plain reading made of a part.
enum class PlainXmlOutcome {
    Read,    // read to its end, or to the handler's Stop
    Refused, // well-formed as far as it was read, and refused by the handler
    Unsure,  // the part holds something this reader leaves to QXmlStreamReader
};

// Reads the plain XML that property parts and XMP packets are made of, several times faster than
// QXmlStreamReader and handing `handler` the same elements and text: UTF-8, ASCII names, namespaces,
// comments, processing instructions, the five predefined entities and character references. Anything
// else (a document type, CDATA, a tab or a line end written in an attribute value, a byte order mark in
// text, another encoding, more than 64 attributes on an element or 256 namespace declarations in scope,
// and any fault of well-formedness) gives Unsure, so that QXmlStreamReader decides: whatever this reader
// reads or refuses, QXmlStreamReader reads alike or refuses too. After Unsure, the handler has had some
// of the part: reset it before reading again.
PlainXmlOutcome readPlainXml(QByteArrayView part, XmlHandler &handler);
