#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

// Decodes text stored in a Windows code page: 1252 (also for unknown code pages), 65001 (UTF-8) and 1200
// (UTF-16LE) here, every other code page through the system's converter.
QString decodeCodePage(const QByteArray &bytes, quint16 codePage);

// Decodes with the system's converter; nothing when it does not know the code page or the bytes do not fit
// it. Implemented once per platform.
std::optional<QString> decodeWithSystemConverter(const QByteArray &bytes, quint16 codePage);

// Decodes UTF-16LE bytes; an odd last byte is ignored.
QString fromUtf16Le(QByteArrayView bytes);
