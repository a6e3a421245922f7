#include "listing/summary_values.h"

#include "platform/local_time.h"
#include "platform/short_name.h"

#include <algorithm>

namespace {

const QLatin1StringView kMicrosoftPrefix("Microsoft ");

// Tabs and line breaks would split the tab-separated row or the cell; each becomes one blank.
QString withoutBreaks(QString text)
{
    const auto isBreak = [](QChar c) { return c == u'\t' || c == u'\r' || c == u'\n'; };
    // Only a text that holds a break is written to, so the others keep sharing their data.
    if (std::none_of(text.cbegin(), text.cend(), isBreak))
        return text;
    for (QChar &c : text) {
        if (isBreak(c))
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

// Appends a number below 100 with two digits, zero-filled; QString::arg is far slower at this.
void appendTwoDigits(QString &text, qint64 value)
{
    if (value >= 0 && value < 10)
        text += u'0';
    text += QString::number(value);
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

QString summaryCell(const DocumentProperties &properties, int propertyId, const LocalTime &localTime,
                    MissingNumber missingNumber)
{
    switch (summaryKind(propertyId)) {
    case SummaryKind::Text:
        return textCell(properties.text(propertyId));
    case SummaryKind::Application:
        return applicationCell(properties.text(propertyId));
    case SummaryKind::Number:
        return numberCell(properties.number(propertyId), missingNumber);
    case SummaryKind::Date:
        return dateCell(properties.date(propertyId), localTime);
    case SummaryKind::Duration:
        return durationCell(properties.editingMinutes());
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

QString numberCell(std::optional<qint64> number, MissingNumber missing)
{
    if (!number && missing == MissingNumber::Empty)
        return {};
    return QString::number(number.value_or(0));
}

QString dateCell(const std::optional<DocumentDate> &date, const LocalTime &localTime)
{
    if (!date || !date->time.isValid())
        return {};
    // Both forms end as the fields of a UTC date-time, which Qt reads without asking the time zone.
    const QDateTime shown = date->isWallClock ? date->time : localTime.wallClock(date->time);
    const QDate day = shown.date();
    const QTime time = shown.time();
    QString text = QString::number(day.year());
    text.reserve(16);
    text += u'/';
    appendTwoDigits(text, day.month());
    text += u'/';
    appendTwoDigits(text, day.day());
    text += u' ';
    appendTwoDigits(text, time.hour());
    text += u':';
    appendTwoDigits(text, time.minute());
    return text;
}

QString durationCell(std::optional<qint64> minutes)
{
    if (!minutes || *minutes < 0)
        return {};
    QString text = QString::number(*minutes / 1440) + QStringLiteral(" j ");
    appendTwoDigits(text, *minutes % 1440 / 60);
    text += QStringLiteral(" h ");
    appendTwoDigits(text, *minutes % 60);
    text += QStringLiteral(" min");
    return text;
}
