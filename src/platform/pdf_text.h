#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

// Decodes a PDF text string: UTF-16BE after an FE FF byte order mark, UTF-8 after an EF BB BF one,
// otherwise PDFDocEncoding. Language marks (ESC, a language code, ESC) inside the Unicode forms are
// dropped; invalid sequences and the codes PDFDocEncoding leaves undefined give U+FFFD.
QString decodePdfText(const QByteArray &bytes);

// Reads a PDF date, "D:YYYYMMDDHHmmSSOHH'mm'" (the "D:" optional, any tail after the year missing,
// missing parts January 1st 00:00; O is "+", "-" or "Z", the apostrophes may be missing, "Z" and no
// offset at all mean UTC) as a UTC instant. Nothing when the fields are out of range.
std::optional<QDateTime> parsePdfDate(const QString &text);
