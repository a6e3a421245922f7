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

// The text of a date or duration cell, put together in place: a row formats several of them, and each
// temporary string would be an allocation.
class ShortText
{
public:
    void appendNumber(qint64 value)
    {
        char16_t digits[20];
        int count = 0;
        // The digits of the magnitude, taken from a negative value so that the smallest one has them too.
        for (qint64 rest = value < 0 ? value : -value; count == 0 || rest != 0; rest /= 10)
            digits[count++] = char16_t(u'0' - rest % 10);
        if (value < 0)
            m_chars[m_size++] = u'-';
        while (count > 0)
            m_chars[m_size++] = digits[--count];
    }
    // A number below 10 with a leading zero.
    void appendTwoDigits(qint64 value)
    {
        if (value >= 0 && value < 10)
            m_chars[m_size++] = u'0';
        appendNumber(value);
    }
    void append(QLatin1StringView text)
    {
        for (const char c : text)
            m_chars[m_size++] = char16_t(c);
    }
    QString toString() const { return QString(reinterpret_cast<const QChar *>(m_chars), m_size); }

private:
    char16_t m_chars[48];
    int m_size = 0;
};

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
    ShortText text;
    text.appendNumber(day.year());
    text.append(QLatin1StringView("/"));
    text.appendTwoDigits(day.month());
    text.append(QLatin1StringView("/"));
    text.appendTwoDigits(day.day());
    text.append(QLatin1StringView(" "));
    text.appendTwoDigits(time.hour());
    text.append(QLatin1StringView(":"));
    text.appendTwoDigits(time.minute());
    return text.toString();
}

QString durationCell(std::optional<qint64> minutes)
{
    if (!minutes || *minutes < 0)
        return {};
    ShortText text;
    text.appendNumber(*minutes / 1440);
    text.append(QLatin1StringView(" j "));
    text.appendTwoDigits(*minutes % 1440 / 60);
    text.append(QLatin1StringView(" h "));
    text.appendTwoDigits(*minutes % 60);
    text.append(QLatin1StringView(" min"));
    return text.toString();
}
