#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// The read rules of the value forms of a configuration file.

// A default-off flag is on exactly when the text is "1"; a default-on flag is off exactly when it is "0".
inline bool readDefaultOffFlag(QStringView text)
{
    return text == u"1";
}
inline bool readDefaultOnFlag(QStringView text)
{
    return text != u"0";
}
inline QString flagText(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

// The leading decimal number of a text (blanks before it skipped, reading stopped at the first character
// that cannot continue the number: sign, digits, one decimal point, an exponent), rounded to the nearest
// whole number with halves to the even neighbour. Empty when the text starts with no number or the value
// lies beyond +/- 2^53.
std::optional<qint64> readWholeNumber(QStringView text);
