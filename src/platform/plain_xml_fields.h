#pragma once

#include "platform/xml_fields.h"

#include <QByteArrayView>
#include <vector>

// What a plain reading made of a part.
enum class PlainXmlOutcome {
    Read,    // `fields` holds the elements at the depth asked for, in the order of their end tags
    Refused, // well-formed so far but beyond a limit of xml_fields.h: the part is refused
    Unsure,  // the part holds something this reader leaves to QXmlStreamReader
};

// Reads the plain XML that property parts are made of, several times faster than QXmlStreamReader and
// with the same fields: UTF-8 text, ASCII names, namespaces, the five predefined entities and character
// references. Everything else (a document type, a comment, a processing instruction, CDATA, a carriage
// return, a control character or a line break in an attribute value, another encoding, and any fault of
// well-formedness) gives Unsure, so that QXmlStreamReader decides: whatever this reader accepts or
// refuses, QXmlStreamReader accepts with the same fields or refuses too.
PlainXmlOutcome readPlainXmlFields(QByteArrayView part, int depth, std::vector<XmlField> &fields);
