#include "listing/summary_values.h"

#include "platform/short_name.h"
#include "platform/summary_file.h"

namespace {

constexpr qint64 kUnitsPerMinute = 600000000;
const QLatin1StringView kMicrosoftPrefix("Microsoft ");

// Tabs and line breaks would split the tab-separated row or the cell; each becomes one blank.
QString withoutBreaks(QString text)
{
    for (QChar &c : text) {
        if (c == u'\t' || c == u'\r' || c == u'\n')
            c = u' ';
    }
    return text;
}

QString beforeNul(const std::optional<QString> &text)
{
    if (!text)
        return {};
    const qsizetype nul = text->indexOf(QChar(0));
    return nul >= 0 ? text->first(nul) : *text;
}

QString twoDigits(qint64 value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

SummaryKind summaryKind(int propertyId)
{
    switch (propertyId) {
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
    case 8:
    case 9:
        return SummaryKind::Text;
    case 18:
        return SummaryKind::Application;
    case 14:
    case 15:
    case 16:
    case 19:
        return SummaryKind::Number;
    case 11:
    case 12:
    case 13:
        return SummaryKind::Date;
    case 10:
        return SummaryKind::Duration;
    default:
        return SummaryKind::None;
    }
}

QString summaryCell(const SummaryFile &file, int propertyId)
{
    switch (summaryKind(propertyId)) {
    case SummaryKind::Text:
        return textCell(file.text(propertyId));
    case SummaryKind::Application:
        return applicationCell(file.text(propertyId));
    case SummaryKind::Number:
        return numberCell(file.number(propertyId));
    case SummaryKind::Date:
        return dateCell(file.date(propertyId));
    case SummaryKind::Duration:
        return durationCell(file.duration(propertyId));
    case SummaryKind::None:
        break;
    }
    return {};
}

QString shortNameCell(const QString &path)
{
    return shortName(path);
}

QString textCell(const std::optional<QString> &text)
{
    return withoutBreaks(beforeNul(text));
}

QString applicationCell(const std::optional<QString> &text)
{
    QString cell = beforeNul(text);
    if (cell.size() > kMicrosoftPrefix.size() && cell.startsWith(kMicrosoftPrefix))
        cell.remove(0, kMicrosoftPrefix.size());
    return withoutBreaks(cell);
}

QString numberCell(std::optional<qint32> number)
{
    return QString::number(number.value_or(0));
}

QString dateCell(const std::optional<QDateTime> &date)
{
    if (!date || !date->isValid())
        return {};
    const QDate day = date->date();
    const QTime time = date->time();
    return QString::number(day.year()) + u'/' + twoDigits(day.month()) + u'/' + twoDigits(day.day()) + u' ' +
           twoDigits(time.hour()) + u':' + twoDigits(time.minute());
}

QString durationCell(std::optional<qint64> hundredNanoseconds)
{
    if (!hundredNanoseconds || *hundredNanoseconds < 0)
        return {};
    const qint64 minutes = *hundredNanoseconds / kUnitsPerMinute;
    return QString::number(minutes / 1440) + QStringLiteral(" j ") + twoDigits(minutes % 1440 / 60) +
           QStringLiteral(" h ") + twoDigits(minutes % 60) + QStringLiteral(" min");
}
