#include "platform/windows1252.h"

#include <QList>
#include <QStringDecoder>
#include <array>

namespace {

// Code points of the bytes 0x80 to 0x9F; the other bytes are their own code points.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int byteFor(uint codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return int(codePoint);
    for (int i = 0; i < int(kHighControls.size()); ++i) {
        if (kHighControls[i] == codePoint)
            return 0x80 + i;
    }
    return -1;
}

void appendReference(QByteArray &bytes, uint codePoint)
{
    char digits[16];
    int length = 0;
    do {
        digits[length++] = char('0' + codePoint % 10);
        codePoint /= 10;
    } while (codePoint);
    bytes.append("&#", 2);
    while (length)
        bytes.append(digits[--length]);
    bytes.append(';');
}

} // namespace

QString fromWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = byte >= 0x80 && byte < 0xA0 ? QChar(kHighControls[byte - 0x80]) : QChar(byte);
    }
    return text;
}

QByteArray toWindows1252WithReferences(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    appendWindows1252WithReferences(bytes, text);
    return bytes;
}

void appendWindows1252WithReferences(QByteArray &bytes, QStringView text)
{
    const qsizetype size = text.size();
    const char16_t *units = text.utf16();
    qsizetype i = 0;
    while (i < size) {
        // A run of ASCII goes in one append.
        qsizetype ascii = i;
        while (ascii < size && units[ascii] < 0x80)
            ++ascii;
        if (ascii > i) {
            const qsizetype start = bytes.size();
            bytes.resize(start + (ascii - i));
            char *out = bytes.data() + start;
            for (qsizetype k = i; k < ascii; ++k)
                *out++ = char(units[k]);
            i = ascii;
            continue;
        }
        uint codePoint = units[i++];
        if (QChar::isHighSurrogate(codePoint) && i < size && QChar::isLowSurrogate(units[i]))
            codePoint = QChar::surrogateToUcs4(char16_t(codePoint), units[i++]);
        else if (QChar::isSurrogate(codePoint))
            codePoint = QChar::ReplacementCharacter;
        const int byte = byteFor(codePoint);
        if (byte >= 0)
            bytes.append(char(byte));
        else
            appendReference(bytes, codePoint);
    }
}

bool isValidUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder.decode(bytes); // the conversion to QString runs the decoder
    Q_UNUSED(decoded)
    return !decoder.hasError();
}
