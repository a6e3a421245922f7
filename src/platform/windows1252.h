#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Decodes Windows-1252 bytes; the five unassigned bytes (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1
// control characters of the same value, as Windows does.
QString fromWindows1252(QByteArrayView bytes);

// Encodes text in Windows-1252. A character that Windows-1252 cannot hold is written as a decimal numeric
// character reference of its code point ("&#1046;", "&#128512;"), never as "?".
QByteArray toWindows1252WithReferences(const QString &text);
// The same, appended to `bytes`; a surrogate pair gives the reference of its code point, a lone surrogate
// that of the replacement character U+FFFD.
void appendWindows1252WithReferences(QByteArray &bytes, QStringView text);

// True when the bytes are valid UTF-8 (the empty array included).
bool isValidUtf8(const QByteArray &bytes);
