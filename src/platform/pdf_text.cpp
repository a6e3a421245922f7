#include "platform/pdf_text.h"

#include <QStringDecoder>
#include <array>

namespace {

constexpr char16_t kUndefined = 0xFFFD;

// PDFDocEncoding where it differs from ISO Latin-1: 0x18-0x1F spacing accents, 0x80-0xA0 typographic
// signs and letters; 0x7F, 0x9F and 0xAD are undefined.
constexpr std::array<char16_t, 8> kAccents = {0x02D8, 0x02C7, 0x02C6, 0x02D9, 0x02DD, 0x02DB, 0x02DA, 0x02DC};
constexpr std::array<char16_t, 33> kHighRow = {
    0x2022, 0x2020, 0x2021, 0x2026, 0x2014, 0x2013, 0x0192, 0x2044,     // 0x80 bullet ... 0x87 fraction slash
    0x2039, 0x203A, 0x2212, 0x2030, 0x201E, 0x201C, 0x201D, 0x2018,     // 0x88 single guillemets ... 0x8F
    0x2019, 0x201A, 0x2122, 0xFB01, 0xFB02, 0x0141, 0x0152, 0x0160,     // 0x90 right quote ... 0x97 S caron
    0x0178, 0x017D, 0x0131, 0x0142, 0x0153, 0x0161, 0x017E, kUndefined, // 0x98 Y diaeresis ... 0x9F
    0x20AC,                                                             // 0xA0 euro sign
};

char16_t pdfDocCharacter(unsigned char byte)
{
    if (byte >= 0x18 && byte <= 0x1F)
        return kAccents[byte - 0x18];
    if (byte >= 0x80 && byte <= 0xA0)
        return kHighRow[byte - 0x80];
    if (byte == 0x7F || byte == 0xAD)
        return kUndefined;
    return byte;
}

// Drops each ESC-delimited language mark (an ESC without its closing one drops the rest) and replaces
// each surrogate that is not part of a pair.
QString cleaned(const QString &text)
{
    QString result(text.size(), Qt::Uninitialized);
    QChar *out = result.data();
    bool inMark = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QChar(0x1B)) {
            inMark = !inMark;
        } else if (inMark) {
            continue;
        } else if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            *out++ = c;
            *out++ = text.at(++i);
        } else {
            *out++ = c.isSurrogate() ? QChar(kUndefined) : c;
        }
    }
    result.truncate(out - result.constData());
    return result;
}

QString decodeUnicode(QStringConverter::Encoding encoding, QByteArrayView bytes)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    return cleaned(decoder.decode(bytes));
}

// Reads `count` digits at `position` as a number; -1 when they are not all there.
int digits(const QString &text, qsizetype position, int count)
{
    if (position + count > text.size())
        return -1;
    int value = 0;
    for (int i = 0; i < count; ++i) {
        const QChar c = text.at(position + i);
        if (!c.isDigit() || c.unicode() > '9')
            return -1;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

} // namespace

QString decodePdfText(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFE\xFF"))
        return decodeUnicode(QStringConverter::Utf16BE, QByteArrayView(bytes).sliced(2));
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return decodeUnicode(QStringConverter::Utf8, QByteArrayView(bytes).sliced(3));
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = QChar(pdfDocCharacter(static_cast<unsigned char>(bytes.at(i))));
    return text;
}

std::optional<QDateTime> parsePdfDate(const QString &text)
{
    const QString trimmed = text.trimmed();
    qsizetype position = trimmed.startsWith(QLatin1String("D:")) ? 2 : 0;
    const int year = digits(trimmed, position, 4);
    if (year < 0)
        return std::nullopt;
    position += 4;
    // Month, day, hour, minute and second, each two digits, each present only when the one before is.
    int fields[5] = {1, 1, 0, 0, 0};
    for (int &field : fields) {
        const int value = digits(trimmed, position, 2);
        if (value < 0)
            break;
        field = value;
        position += 2;
    }
    const QDate date(year, fields[0], fields[1]);
    const QTime time(fields[2], fields[3], fields[4]);
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    QDateTime instant(date, time, Qt::UTC);

    // "+HH'mm'" or "-HH'mm'": the writer's offset from UTC; "Z", anything else or nothing is UTC.
    const QChar sign = position < trimmed.size() ? trimmed.at(position) : QChar();
    if (sign == QLatin1Char('+') || sign == QLatin1Char('-')) {
        const int hours = digits(trimmed, position + 1, 2);
        qsizetype minutesAt = position + 3;
        if (minutesAt < trimmed.size() && trimmed.at(minutesAt) == QLatin1Char('\''))
            ++minutesAt;
        const int minutes = std::max(digits(trimmed, minutesAt, 2), 0);
        if (hours >= 0 && hours < 24 && minutes < 60) {
            const int offset = (hours * 60 + minutes) * 60;
            instant = instant.addSecs(sign == QLatin1Char('+') ? -offset : offset);
        }
    }
    return instant;
}
