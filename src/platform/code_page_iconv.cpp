#include "platform/code_page.h"

#include <QList>
#include <cerrno>
#include <iconv.h>

namespace {

// The iconv name of a Windows code page; glibc knows most of them as "CP" and the number.
QByteArray iconvName(quint16 codePage)
{
    switch (codePage) {
    case 1201:
        return "UTF-16BE";
    case 10000:
        return "MACINTOSH";
    case 10006:
        return "MAC-GREEK";
    case 10007:
        return "MAC-CYRILLIC";
    case 10029:
        return "MAC-CENTRALEUROPE";
    case 20127:
        return "ASCII";
    case 20866:
        return "KOI8-R";
    case 21866:
        return "KOI8-U";
    case 50220:
        return "ISO-2022-JP";
    case 51932:
        return "EUC-JP";
    case 51949:
        return "EUC-KR";
    case 54936:
        return "GB18030";
    case 65000:
        return "UTF-7";
    default:
        break;
    }
    if (codePage >= 28591 && codePage <= 28606)
        return "ISO-8859-" + QByteArray::number(codePage - 28590);
    return "CP" + QByteArray::number(codePage);
}

} // namespace

std::optional<QString> decodeWithSystemConverter(const QByteArray &bytes, quint16 codePage)
{
    const iconv_t converter = iconv_open("UTF-16LE", iconvName(codePage).constData());
    if (converter == iconv_t(-1))
        return std::nullopt;
    // Each input byte gives at most two UTF-16 units (4 bytes), plus room for a shift sequence reset.
    QByteArray output(bytes.size() * 4 + 16, '\0');
    char *in = const_cast<char *>(bytes.constData());
    size_t inLeft = size_t(bytes.size());
    char *out = output.data();
    size_t outLeft = size_t(output.size());
    const size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    if (result == size_t(-1))
        return std::nullopt;
    const qsizetype written = output.size() - qsizetype(outLeft);
    return fromUtf16Le(QByteArrayView(output.constData(), written));
}
