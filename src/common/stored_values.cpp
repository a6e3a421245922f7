#include "common/stored_values.h"

#include <cmath>

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

qsizetype skipDigits(QStringView text, qsizetype at)
{
    while (at < text.size() && isDigit(text.at(at)))
        ++at;
    return at;
}

} // namespace

std::optional<qint64> readWholeNumber(QStringView text)
{
    qsizetype start = 0;
    while (start < text.size() && (text.at(start) == u' ' || text.at(start) == u'\t'))
        ++start;
    qsizetype at = start;
    if (at < text.size() && (text.at(at) == u'+' || text.at(at) == u'-'))
        ++at;
    const qsizetype intStart = at;
    at = skipDigits(text, at);
    qsizetype digits = at - intStart;
    if (at < text.size() && text.at(at) == u'.') {
        const qsizetype fracEnd = skipDigits(text, at + 1);
        digits += fracEnd - at - 1;
        at = fracEnd;
    }
    if (digits == 0)
        return std::nullopt;
    if (at < text.size() && (text.at(at) == u'e' || text.at(at) == u'E')) {
        qsizetype exp = at + 1;
        if (exp < text.size() && (text.at(exp) == u'+' || text.at(exp) == u'-'))
            ++exp;
        const qsizetype expEnd = skipDigits(text, exp);
        if (expEnd > exp)
            at = expEnd;
    }

    bool ok = false;
    const double value = text.mid(start, at - start).toString().toDouble(&ok);
    constexpr double kLimit = 9007199254740992.0; // 2^53: every whole number up to here is exact
    if (!ok || !std::isfinite(value) || std::fabs(value) > kLimit)
        return std::nullopt;
    return qint64(std::nearbyint(value)); // the default rounding mode rounds halves to even
}
