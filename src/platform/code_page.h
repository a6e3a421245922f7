#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

// Decodes text stored in a Windows code page: 1252 (also for unknown code pages), 65001 (UTF-8) and 1200
// (UTF-16LE) here, every other code page through the system's converter. Bytes that do not fit the code
// page become U+FFFD, each on its own; the rest of the text is decoded. Safe to call from several threads.
QString decodeCodePage(QByteArrayView bytes, quint16 codePage);

// Decodes with the system's converter, each byte that does not fit the code page as U+FFFD; nothing when
// the system does not know the code page. A thread keeps its converters until it ends. Implemented once per
// platform.
std::optional<QString> decodeWithSystemConverter(QByteArrayView bytes, quint16 codePage);

// Decodes UTF-16LE bytes; an odd last byte is ignored.
QString fromUtf16Le(QByteArrayView bytes);
