#include "platform/code_page.h"

#include <windows.h>

std::optional<QString> decodeWithSystemConverter(const QByteArray &bytes, quint16 codePage)
{
    if (bytes.isEmpty())
        return QString();
    const int units =
        MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.constData(), int(bytes.size()), nullptr, 0);
    if (units <= 0)
        return std::nullopt;
    QString text(units, Qt::Uninitialized);
    MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.constData(), int(bytes.size()),
                        reinterpret_cast<wchar_t *>(text.data()), units);
    return text;
}
