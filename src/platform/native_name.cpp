#include "platform/native_name.h"

#include <QDir>

namespace {

constexpr char16_t kFirstRawByte = 0xDC80;
constexpr char16_t kLastRawByte = 0xDCFF;

bool isContinuation(uchar byte, uchar low = 0x80, uchar high = 0xBF)
{
    return byte >= low && byte <= high;
}

// The length of the well-formed UTF-8 sequence that starts at `at` (no overlong forms, no surrogates,
// nothing above U+10FFFF), or 0 when the byte there does not start one.
qsizetype sequenceLength(QByteArrayView bytes, qsizetype at)
{
    const auto byte = [&](qsizetype i) { return at + i < bytes.size() ? uchar(bytes[at + i]) : uchar(0); };
    const uchar lead = byte(0);
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return isContinuation(byte(1)) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        const uchar low = lead == 0xE0 ? 0xA0 : 0x80;
        const uchar high = lead == 0xED ? 0x9F : 0xBF;
        return isContinuation(byte(1), low, high) && isContinuation(byte(2)) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const uchar low = lead == 0xF0 ? 0x90 : 0x80;
        const uchar high = lead == 0xF4 ? 0x8F : 0xBF;
        return isContinuation(byte(1), low, high) && isContinuation(byte(2)) && isContinuation(byte(3)) ? 4
                                                                                                        : 0;
    }
    return 0;
}

} // namespace

QString fromNativeBytes(QByteArrayView bytes)
{
    if (bytes.isValidUtf8())
        return QString::fromUtf8(bytes);
    QString text;
    text.reserve(bytes.size());
    qsizetype runStart = 0;
    qsizetype at = 0;
    while (at < bytes.size()) {
        const qsizetype length = sequenceLength(bytes, at);
        if (length > 0) {
            at += length;
            continue;
        }
        text += QString::fromUtf8(bytes.sliced(runStart, at - runStart));
        text += QChar(char16_t(0xDC00 + uchar(bytes[at])));
        runStart = ++at;
    }
    text += QString::fromUtf8(bytes.sliced(runStart));
    return text;
}

bool isRawByteAt(QStringView text, qsizetype index)
{
    const char16_t unit = text[index].unicode();
    return unit >= kFirstRawByte && unit <= kLastRawByte &&
           (index == 0 || !text[index - 1].isHighSurrogate());
}

bool hasRawBytes(QStringView nameOrPath)
{
    for (qsizetype i = 0; i < nameOrPath.size(); ++i) {
        if (isRawByteAt(nameOrPath, i))
            return true;
    }
    return false;
}

QByteArray nativeBytes(QStringView nameOrPath)
{
    if (!hasRawBytes(nameOrPath))
        return nameOrPath.toUtf8();
    QByteArray bytes;
    bytes.reserve(nameOrPath.size());
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < nameOrPath.size(); ++i) {
        if (!isRawByteAt(nameOrPath, i))
            continue;
        bytes += nameOrPath.sliced(runStart, i - runStart).toUtf8();
        bytes += char(nameOrPath[i].unicode() - 0xDC00);
        runStart = i + 1;
    }
    bytes += nameOrPath.sliced(runStart).toUtf8();
    return bytes;
}

QString displayName(const QString &nameOrPath)
{
    if (!hasRawBytes(nameOrPath))
        return nameOrPath;
    QString shown = nameOrPath;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (isRawByteAt(nameOrPath, i))
            shown[i] = QChar::ReplacementCharacter;
    }
    return shown;
}

QString fileNameOf(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString cleanAbsolutePath(const QString &path)
{
    if (QDir::isAbsolutePath(path))
        return QDir::cleanPath(path);
    return QDir::cleanPath(QDir::currentPath() + QLatin1Char('/') + path);
}
