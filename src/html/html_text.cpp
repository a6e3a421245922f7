#include "html/html_text.h"

#include "platform/native_name.h"

using namespace Qt::StringLiterals;

namespace {

// Characters of a link that a URL parser would not read as themselves (see escapeLink).
bool mustBeEncoded(QChar c)
{
    const char16_t unit = c.unicode();
    return unit < 0x20 || (unit >= 0x7F && unit <= 0x9F) || unit == u'%' || unit == u'#' || unit == u'?' ||
           unit == u'\\' || unit == u'|';
}

} // namespace

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

QString escapeLink(const QString &target)
{
    qsizetype first = 0;
    while (first < target.size() && target[first] == u' ')
        ++first;
    qsizetype end = target.size();
    while (end > first && target[end - 1] == u' ')
        --end;
    QString safe;
    safe.reserve(target.size());
    auto percent = [&safe](uchar byte) {
        safe += u'%' + QString::number(byte, 16).rightJustified(2, u'0').toUpper();
    };
    for (qsizetype i = 0; i < target.size(); ++i) {
        const QChar c = target[i];
        if (isRawByteAt(target, i)) {
            percent(uchar(c.unicode() - 0xDC00));
        } else if (i < first || i >= end || mustBeEncoded(c)) {
            for (const char byte : QString(c).toUtf8())
                percent(uchar(byte));
        } else {
            safe += c;
        }
    }
    return escapeHtml(safe);
}

QString linkToName(const QString &name)
{
    if (name.contains(u':'))
        return u"./"_s + escapeLink(name);
    return escapeLink(name);
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
