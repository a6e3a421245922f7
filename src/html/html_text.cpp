#include "html/html_text.h"

#include <algorithm>

QString escapeHtml(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            result += u"&amp;";
            break;
        case u'<':
            result += u"&lt;";
            break;
        case u'>':
            result += u"&gt;";
            break;
        case u'"':
            result += u"&quot;";
            break;
        default:
            result += c;
        }
    }
    return result;
}

QString linkTarget(const QString &target)
{
    const auto needsCode = [](QChar c) { return c == u'%' || c == u'#' || c == u'?'; };
    if (std::none_of(target.cbegin(), target.cend(), needsCode))
        return target;
    QString safe;
    safe.reserve(target.size());
    for (const QChar c : target) {
        switch (c.unicode()) {
        case u'%':
            safe += u"%25";
            break;
        case u'#':
            safe += u"%23";
            break;
        case u'?':
            safe += u"%3F";
            break;
        default:
            safe += c;
        }
    }
    return safe;
}

QString escapeLink(const QString &target)
{
    return escapeHtml(linkTarget(target));
}

QString titleColourText(qint32 colour)
{
    const auto value = quint32(colour);
    const quint32 red = value & 0xFF;
    const quint32 green = (value >> 8) & 0xFF;
    const quint32 blue = (value >> 16) & 0xFF;
    return QStringLiteral("%1%2%3")
        .arg(red, 2, 16, QLatin1Char('0'))
        .arg(green, 2, 16, QLatin1Char('0'))
        .arg(blue, 2, 16, QLatin1Char('0'))
        .toUpper();
}
