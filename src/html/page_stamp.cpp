#include "html/page_stamp.h"

#include <array>

using namespace Qt::StringLiterals;

namespace {

const std::array<const char16_t *, 12> kFrenchMonths = {
    u"janvier", u"février", u"mars",      u"avril",   u"mai",      u"juin",
    u"juillet", u"août",    u"septembre", u"octobre", u"novembre", u"décembre",
};

const std::array<const char16_t *, 12> kEnglishMonths = {
    u"January", u"February", u"March",     u"April",   u"May",      u"June",
    u"July",    u"August",   u"September", u"October", u"November", u"December",
};

} // namespace

QString DateDuJour(const QDate &date, qint16 language)
{
    const int month = qBound(1, date.month(), 12) - 1;
    const QString day = QString::number(date.day());
    const QString year = QString::number(date.year());
    if (language == 1)
        return day + u' ' + QString::fromUtf16(kFrenchMonths[month]) + u' ' + year;
    return QString::fromUtf16(kEnglishMonths[month]) + u' ' + day + u", "_s + year;
}

QString HeureDuJour(const QTime &time)
{
    return QStringLiteral("%1 h %2")
        .arg(time.hour(), 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'));
}

QDateTime systemClock()
{
    return QDateTime::currentDateTime();
}

PageStamp makePageStamp(const Clock &clock, qint16 language)
{
    const QDateTime now = clock ? clock() : systemClock();
    return PageStamp{DateDuJour(now.date(), language), HeureDuJour(now.time())};
}

QString pageBaseName(const HtmlSettings &html, const PageStamp &stamp)
{
    if (!html.ajouterDate)
        return html.prefixeTableau;
    return html.prefixeTableau + u' ' + stamp.date + u" - "_s + stamp.time;
}

QString RemplacerVariables(const QString &text, const PageStamp &stamp, const StartupValues &startup)
{
    const std::array<std::pair<const char16_t *, const QString *>, 10> steps = {{
        {u"%Date", &stamp.date},
        {u"%date", &stamp.date},
        {u"%Time", &stamp.time},
        {u"%time", &stamp.time},
        {u"%User", &startup.userName},
        {u"%user", &startup.userName},
        {u"%Computer", &startup.computerName},
        {u"%computer", &startup.computerName},
        {u"%Version", &startup.systemVersion},
        {u"%version", &startup.systemVersion},
    }};
    QString result = text;
    for (const auto &[placeholder, value] : steps)
        result.replace(QString::fromUtf16(placeholder), *value, Qt::CaseSensitive);
    return result;
}
