#include "platform/code_page.h"

#include <windows.h>

std::optional<QString> decodeWithSystemConverter(QByteArrayView bytes, quint16 codePage)
{
    if (!IsValidCodePage(codePage))
        return std::nullopt;
    if (bytes.isEmpty())
        return QString();
    // Without MB_ERR_INVALID_CHARS, a byte that does not fit the code page becomes a replacement character
    // and the rest is decoded.
    const int units = MultiByteToWideChar(codePage, 0, bytes.data(), int(bytes.size()), nullptr, 0);
    if (units <= 0)
        return std::nullopt;
    QString text(units, Qt::Uninitialized);
    MultiByteToWideChar(codePage, 0, bytes.data(), int(bytes.size()),
                        reinterpret_cast<wchar_t *>(text.data()), units);
    return text;
}
