#include "platform/code_page.h"

#include "platform/windows1252.h"

#include <QtEndian>

QString decodeCodePage(QByteArrayView bytes, quint16 codePage)
{
    switch (codePage) {
    case 1252:
        return fromWindows1252(bytes);
    case 65001:
        return QString::fromUtf8(bytes);
    case 1200:
        return fromUtf16Le(bytes);
    default:
        break;
    }
    if (auto text = decodeWithSystemConverter(bytes, codePage))
        return *text;
    return fromWindows1252(bytes);
}

QString fromUtf16Le(QByteArrayView bytes)
{
    QString text(bytes.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        text[i] = QChar(qFromLittleEndian<quint16>(bytes.data() + 2 * i));
    return text;
}
