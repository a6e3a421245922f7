#include "platform/xml_values.h"

#include <limits>

namespace {

// Reads decimal digits from a position of a text, failing on overflow.
class DigitScanner
{
public:
    explicit DigitScanner(QStringView text)
        : m_text(text.trimmed())
    {}

    bool atEnd() const { return m_at == m_text.size(); }
    // True, and the scanner moves past it, when the next character is `c`.
    bool skip(QChar c)
    {
        if (atEnd() || m_text[m_at] != c)
            return false;
        ++m_at;
        return true;
    }
    // The next run of digits: exactly `count` of them, or any number of at least one when `count` is 0.
    std::optional<qint64> digits(int count = 0)
    {
        qint64 value = 0;
        int read = 0;
        while (isDigitAt(m_at) && (count == 0 || read < count)) {
            const int digit = m_text[m_at].unicode() - '0';
            if (value > (std::numeric_limits<qint64>::max() - digit) / 10)
                return std::nullopt;
            value = value * 10 + digit;
            ++m_at;
            ++read;
        }
        if (read == 0 || (count != 0 && read != count))
            return std::nullopt;
        return value;
    }
    // The digits of a fraction (after its point) as milliseconds, the rest truncated.
    std::optional<int> fractionMilliseconds()
    {
        int milliseconds = 0;
        int read = 0;
        while (isDigitAt(m_at)) {
            if (read < 3)
                milliseconds = milliseconds * 10 + (m_text[m_at].unicode() - '0');
            ++m_at;
            ++read;
        }
        if (read == 0)
            return std::nullopt;
        for (; read < 3; ++read)
            milliseconds *= 10;
        return milliseconds;
    }
    bool atDigit() const { return isDigitAt(m_at); }

private:
    bool isDigitAt(qsizetype at) const
    {
        return at < m_text.size() && m_text[at] >= u'0' && m_text[at] <= u'9';
    }

    QStringView m_text;
    qsizetype m_at = 0;
};

// "Z" or "+hh:mm" / "-hh:mm" as seconds east of UTC; nothing when absent or malformed, `present` says which.
std::optional<int> readOffset(DigitScanner &scanner, bool *present)
{
    *present = !scanner.atEnd();
    if (scanner.skip(u'Z'))
        return 0;
    const int sign = scanner.skip(u'+') ? 1 : scanner.skip(u'-') ? -1 : 0;
    if (sign == 0)
        return std::nullopt;
    const auto hours = scanner.digits(2);
    if (!hours || !scanner.skip(u':'))
        return std::nullopt;
    const auto minutes = scanner.digits(2);
    if (!minutes || *hours > 23 || *minutes > 59)
        return std::nullopt;
    return sign * int(*hours * 3600 + *minutes * 60);
}

// Adds `count` units of `unit` seconds to `total`, failing on overflow.
bool addSeconds(qint64 &total, qint64 count, qint64 unit)
{
    qint64 seconds = 0;
    return !__builtin_mul_overflow(count, unit, &seconds) && !__builtin_add_overflow(total, seconds, &total);
}

} // namespace

std::optional<DocumentDate> parseXmlDate(QStringView text)
{
    DigitScanner scanner(text);
    const auto year = scanner.digits(4);
    std::optional<qint64> month = 1, day = 1, hour = 0, minute = 0, second = 0;
    int milliseconds = 0;
    if (scanner.skip(u'-')) {
        month = scanner.digits(2);
        if (scanner.skip(u'-'))
            day = scanner.digits(2);
    }
    bool hasTime = false;
    if (scanner.skip(u'T')) {
        hasTime = true;
        hour = scanner.digits(2);
        minute = scanner.skip(u':') ? scanner.digits(2) : std::nullopt;
        if (scanner.skip(u':')) {
            second = scanner.digits(2);
            if (scanner.skip(u'.')) {
                const auto fraction = scanner.fractionMilliseconds();
                milliseconds = fraction.value_or(-1);
            }
        }
    }
    bool hasOffset = false;
    const auto offset = hasTime ? readOffset(scanner, &hasOffset) : std::nullopt;
    if (!year || !month || !day || !hour || !minute || !second || milliseconds < 0 ||
        (hasOffset && !offset) || !scanner.atEnd())
        return std::nullopt;

    QDate date{int(*year), int(*month), int(*day)};
    const bool endOfDay = *hour == 24 && *minute == 0 && *second == 0 && milliseconds == 0;
    if (endOfDay) {
        date = date.addDays(1);
        hour = 0;
    }
    const QTime time{int(*hour), int(*minute), int(*second), milliseconds};
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    QDateTime instant(date, time, Qt::UTC);
    if (!hasOffset)
        return DocumentDate{instant, true};
    return DocumentDate{instant.addSecs(-*offset), false};
}

std::optional<qint64> parseXmlDurationMinutes(QStringView text)
{
    DigitScanner scanner(text);
    if (!scanner.skip(u'P'))
        return std::nullopt;
    qint64 total = 0;
    bool any = false;
    // Designators in their order; the count before each is optional.
    const auto part = [&](QChar designator, qint64 unit, bool *seen) {
        if (!scanner.atDigit())
            return true;
        DigitScanner rewind = scanner;
        const auto count = scanner.digits();
        if (!count)
            return false;
        if (!scanner.skip(designator)) {
            scanner = rewind;
            return true;
        }
        any = *seen = true;
        return unit < 0 ? *count == 0 : addSeconds(total, *count, unit);
    };
    bool seen = false;
    if (!part(u'Y', -1, &seen) || !part(u'M', -1, &seen) || !part(u'D', 86400, &seen))
        return std::nullopt;
    if (scanner.skip(u'T')) {
        bool timeSeen = false;
        if (!part(u'H', 3600, &timeSeen) || !part(u'M', 60, &timeSeen))
            return std::nullopt;
        if (!scanner.atEnd()) {
            const auto seconds = scanner.digits();
            if (!seconds || (scanner.skip(u'.') && !scanner.fractionMilliseconds()) || !scanner.skip(u'S') ||
                !addSeconds(total, *seconds, 1))
                return std::nullopt;
            timeSeen = any = true;
        }
        if (!timeSeen)
            return std::nullopt;
    }
    if (!any || !scanner.atEnd())
        return std::nullopt;
    return total / 60;
}

std::optional<qint64> parseXmlInteger(QStringView text)
{
    DigitScanner scanner(text);
    const bool negative = scanner.skip(u'-');
    if (!negative)
        scanner.skip(u'+');
    const auto magnitude = scanner.digits();
    if (!magnitude || !scanner.atEnd())
        return std::nullopt;
    return negative ? -*magnitude : *magnitude;
}
