#include "platform/pdf_object_parser.h"

namespace {

constexpr int kMaxDepth = 32;
constexpr int kMaxDigits = 18;
// Real dictionaries have some tens of keys; each key is checked against the others.
constexpr size_t kMaxEntries = 1024;
// Values in one parse, nested ones included: the objects on the way hold a few hundred, a flat page tree
// one per page. Each value takes about 100 bytes of fresh memory, and fresh memory is slow to touch; a
// larger object (an array of millions of numbers) is left to qpdf, whose time is bounded.
constexpr int kMaxValues = 1 << 14;

} // namespace

void ObjectParser::skipWhite()
{
    while (ok()) {
        if (atEnd())
            return;
        const char c = m_text[m_pos];
        if (c == '%') {
            while (!atEnd() && m_text[m_pos] != '\r' && m_text[m_pos] != '\n')
                ++m_pos;
            if (atEnd())
                runOut();
        } else if (c == '\v') {
            unsure(); // white space to qpdf, not to the PDF format
        } else if (isPdfWhite(c)) {
            ++m_pos;
        } else {
            return;
        }
    }
}

bool ObjectParser::keyword(QByteArrayView word)
{
    skipWhite();
    if (!ok())
        return false;
    if (m_text.size() - m_pos < word.size()) {
        if (!m_endsFile)
            runOut();
        return false;
    }
    if (m_text.sliced(m_pos, word.size()) != word)
        return false;
    const qsizetype start = m_pos;
    m_pos += word.size();
    if (tokenEnds())
        return true;
    m_pos = start;
    return false;
}

std::optional<qint64> ObjectParser::integer()
{
    skipWhite();
    if (!ok())
        return std::nullopt;
    if (atEnd()) {
        runOut();
        return std::nullopt;
    }
    if (!isAsciiDigit(m_text[m_pos])) {
        unsure();
        return std::nullopt;
    }
    PdfObject number = numberValue();
    if (!ok() || !number.isInteger || number.integer < 0) {
        unsure();
        return std::nullopt;
    }
    return number.integer;
}

PdfObject ObjectParser::value(int depth)
{
    skipWhite();
    if (!ok())
        return {};
    if (++m_values > kMaxValues) {
        unsure();
        return {};
    }
    if (depth > kMaxDepth || atEnd()) {
        depth > kMaxDepth ? unsure() : runOut();
        return {};
    }
    const char c = m_text[m_pos];
    if (c == '/') {
        PdfObject name{PdfObject::Kind::Name};
        name.bytes = nameToken();
        return name;
    }
    if (c == '(')
        return literalString();
    if (c == '<') {
        if (m_pos + 1 >= m_text.size()) {
            runOut();
            return {};
        }
        return m_text[m_pos + 1] == '<' ? dictionary(depth) : hexString();
    }
    if (c == '[')
        return array(depth);
    if (isAsciiDigit(c) || c == '+' || c == '-' || c == '.')
        return numberOrReference();
    if (!isPdfDelimiter(c) && !isPdfWhite(c)) {
        const qsizetype start = m_pos;
        while (!atEnd() && !isPdfWhite(m_text[m_pos]) && !isPdfDelimiter(m_text[m_pos]) &&
               m_text[m_pos] != '\v')
            ++m_pos;
        if (!tokenEnds())
            return {};
        const QByteArrayView word = m_text.sliced(start, m_pos - start);
        if (word == "null")
            return {};
        if (word == "true" || word == "false") {
            PdfObject boolean{PdfObject::Kind::Boolean};
            boolean.integer = word == "true";
            return boolean;
        }
    }
    unsure();
    return {};
}

void ObjectParser::fail(Parse outcome)
{
    if (m_status == Parse::Ok)
        m_status = outcome;
}

bool ObjectParser::tokenEnds()
{
    if (atEnd()) {
        if (!m_endsFile)
            runOut();
        return ok();
    }
    const char c = m_text[m_pos];
    if (c == '\v') {
        unsure();
        return false;
    }
    return isPdfWhite(c) || isPdfDelimiter(c);
}

QByteArray ObjectParser::nameToken()
{
    const qsizetype start = ++m_pos;
    while (!atEnd()) {
        const char c = m_text[m_pos];
        if (isPdfWhite(c) || isPdfDelimiter(c))
            break;
        if (c == '#' || c == '\v') { // escapes are left to qpdf
            unsure();
            return {};
        }
        ++m_pos;
    }
    if (!tokenEnds())
        return {};
    return m_text.sliced(start, m_pos - start).toByteArray();
}

PdfObject ObjectParser::numberValue()
{
    PdfObject number{PdfObject::Kind::Number};
    const qsizetype start = m_pos;
    const bool negative = m_text[m_pos] == '-';
    if (m_text[m_pos] == '+' || negative)
        ++m_pos;
    int digits = 0;
    bool point = false;
    qint64 value = 0;
    while (!atEnd() && (isAsciiDigit(m_text[m_pos]) || (m_text[m_pos] == '.' && !point))) {
        if (m_text[m_pos] == '.') {
            point = true;
        } else if (++digits <= kMaxDigits && !point) {
            value = value * 10 + (m_text[m_pos] - '0');
        }
        ++m_pos;
    }
    if (!tokenEnds()) {
        unsure();
        return {};
    }
    if (digits == 0 || digits > kMaxDigits || m_pos - start > kMaxDigits + 2) {
        unsure();
        return {};
    }
    number.isInteger = !point;
    number.integer = negative ? -value : value;
    return number;
}

bool ObjectParser::nextIs(bool (*test)(char))
{
    skipWhite();
    if (ok() && atEnd() && !m_endsFile)
        runOut();
    return ok() && !atEnd() && test(m_text[m_pos]);
}

PdfObject ObjectParser::numberOrReference()
{
    const bool signedToken = !isAsciiDigit(m_text[m_pos]);
    PdfObject first = numberValue();
    if (!ok() || !first.isInteger)
        return first;
    const qsizetype afterFirst = m_pos;
    if (!nextIs(isAsciiDigit)) {
        m_pos = afterFirst;
        return ok() ? first : PdfObject{};
    }
    const PdfObject second = numberValue();
    if (!nextIs([](char c) { return c == 'R'; })) {
        m_pos = afterFirst;
        return ok() ? first : PdfObject{};
    }
    ++m_pos;
    if (!tokenEnds()) {
        unsure();
        return {};
    }
    if (signedToken || !second.isInteger || first.integer <= 0 || second.integer > 65535) {
        unsure();
        return {};
    }
    PdfObject reference{PdfObject::Kind::Reference};
    reference.integer = first.integer;
    reference.generation = second.integer;
    return reference;
}

PdfObject ObjectParser::literalString()
{
    PdfObject string{PdfObject::Kind::String};
    ++m_pos;
    int depth = 1;
    while (ok()) {
        // The characters that stand for themselves are copied a run at a time.
        const qsizetype run = m_pos;
        while (m_pos < m_text.size() && m_text[m_pos] != '(' && m_text[m_pos] != ')' &&
               m_text[m_pos] != '\\' && m_text[m_pos] != '\r')
            ++m_pos;
        string.bytes.append(m_text.sliced(run, m_pos - run));
        if (atEnd()) {
            runOut();
            break;
        }
        const char c = m_text[m_pos++];
        if (c == ')' && --depth == 0)
            return string;
        if (c == '(')
            ++depth;
        if (c == '\r') { // qpdf turns line ends into LF
            unsure();
        } else if (c == '\\') {
            escape(string.bytes);
        } else {
            string.bytes.append(c);
        }
    }
    return {};
}

void ObjectParser::escape(QByteArray &out)
{
    if (atEnd()) {
        runOut();
        return;
    }
    const char c = m_text[m_pos++];
    static constexpr char kEscapes[] = "n\nr\rt\tb\bf\f(())\\\\";
    for (size_t i = 0; i + 1 < sizeof kEscapes; i += 2) {
        if (kEscapes[i] == c) {
            out.append(kEscapes[i + 1]);
            return;
        }
    }
    if (c == '\n')
        return; // a line continued
    if (c < '0' || c > '7') {
        unsure();
        return;
    }
    int code = c - '0';
    for (int i = 1; i < 3; ++i) {
        if (atEnd()) {
            runOut();
            return;
        }
        if (m_text[m_pos] < '0' || m_text[m_pos] > '7')
            break;
        code = code * 8 + (m_text[m_pos++] - '0');
    }
    if (code > 255)
        unsure();
    out.append(char(code));
}

PdfObject ObjectParser::hexString()
{
    // The whole string is in the window before any of it is decoded.
    const qsizetype end = m_text.indexOf('>', m_pos + 1);
    if (end < 0) {
        m_pos = m_text.size();
        runOut();
        return {};
    }
    PdfObject string{PdfObject::Kind::String};
    string.bytes.reserve((end - m_pos) / 2);
    int high = -1;
    for (qsizetype at = m_pos + 1; at < end; ++at) {
        const char c = m_text[at];
        if (isPdfWhite(c))
            continue;
        const int digit = isAsciiDigit(c)          ? c - '0'
                          : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                          : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                                   : -1;
        if (digit < 0) {
            m_pos = at;
            unsure();
            return {};
        }
        if (high < 0) {
            high = digit;
        } else {
            string.bytes.append(char(high * 16 + digit));
            high = -1;
        }
    }
    m_pos = end + 1;
    if (high >= 0)
        unsure(); // an odd count of digits
    return string;
}

PdfObject ObjectParser::array(int depth)
{
    PdfObject array{PdfObject::Kind::Array};
    ++m_pos;
    while (ok()) {
        skipWhite();
        if (!ok())
            break;
        if (atEnd()) {
            runOut();
            break;
        }
        if (m_text[m_pos] == ']') {
            ++m_pos;
            return array;
        }
        array.items.push_back(value(depth + 1));
    }
    return {};
}

PdfObject ObjectParser::dictionary(int depth)
{
    PdfObject dictionary{PdfObject::Kind::Dictionary};
    m_pos += 2;
    while (ok()) {
        skipWhite();
        if (!ok())
            break;
        if (m_text.size() - m_pos < 2) {
            runOut();
            break;
        }
        if (m_text[m_pos] == '>') {
            if (m_text[m_pos + 1] != '>')
                break;
            m_pos += 2;
            return dictionary;
        }
        if (m_text[m_pos] != '/')
            break;
        QByteArray key = nameToken();
        PdfObject entry = value(depth + 1);
        if (!ok() || dictionary.has(key) || dictionary.entries.size() == kMaxEntries)
            break;
        dictionary.entries.emplace_back(std::move(key), std::move(entry));
    }
    unsure();
    return {};
}
