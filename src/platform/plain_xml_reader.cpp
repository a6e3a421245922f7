#include "platform/plain_xml_reader.h"

#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace {

using Outcome = PlainXmlOutcome;

constexpr std::string_view kXmlNamespace = "http://www.w3.org/XML/1998/namespace";
constexpr std::string_view kXmlnsNamespace = "http://www.w3.org/2000/xmlns/";
// QXmlStreamReader may drop a byte order mark met inside text or an attribute value.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// More attributes than this on one element, or namespace declarations in scope, go to QXmlStreamReader:
// the duplicate check and the prefix lookup here scan them.
constexpr size_t kMaxPlainAttributes = 64;
constexpr size_t kMaxPlainBindings = 256;

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isNameStart(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

bool isNameChar(char c)
{
    return isNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

bool isContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// True when `bytes` is well-formed UTF-8 made of XML characters: no control character but tab, line feed
// and carriage return, no surrogate, no U+FFFE or U+FFFF.
bool isPlainText(std::string_view bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *end = p + bytes.size();
    while (p < end) {
        const unsigned char c = *p;
        if (c < 0x80) {
            if (c < 0x20 && c != '\t' && c != '\n' && c != '\r')
                return false;
            ++p;
            continue;
        }
        int length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            if (c == 0xE0)
                low = 0xA0;
            else if (c == 0xED)
                high = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            if (c == 0xF0)
                low = 0x90;
            else if (c == 0xF4)
                high = 0x8F;
        } else {
            return false;
        }
        if (end - p < length || p[1] < low || p[1] > high)
            return false;
        for (int i = 2; i < length; ++i) {
            if (!isContinuation(p[i]))
                return false;
        }
        if (c == 0xEF && p[1] == 0xBF && (p[2] == 0xBE || p[2] == 0xBF))
            return false;

        p += length;
    }
    return true;
}

void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// The character that a reference between "&" and ";" names: a predefined entity or a character
// reference to an XML character (kept as it is, even a line end or a tab). 0 for anything else.
char32_t referencedCharacter(std::string_view name)
{
    if (name == "lt")
        return '<';
    if (name == "gt")
        return '>';
    if (name == "amp")
        return '&';
    if (name == "apos")
        return '\'';
    if (name == "quot")
        return '"';
    if (name.size() < 2 || name[0] != '#' || name.size() > 10)
        return 0;
    const bool hex = name[1] == 'x';
    const std::string_view digits = name.substr(hex ? 2 : 1);
    if (digits.empty())
        return 0;
    char32_t value = 0;
    for (const char c : digits) {
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (hex && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0)
            return 0;
        value = value * (hex ? 16 : 10) + char32_t(digit);
        if (value > 0x10FFFF)
            return 0;
    }
    const bool isCharacter = value == '\t' || value == '\n' || value == '\r' ||
                             (value >= 0x20 && value <= 0xD7FF) || (value >= 0xE000 && value <= 0xFFFD) ||
                             (value >= 0x10000 && value <= 0x10FFFF);
    return isCharacter ? value : 0;
}

// Appends `raw` to `out` with its references replaced. False on a reference this reader does not take.
bool appendDecoded(std::string_view raw, std::string &out)
{
    for (size_t ampersand; (ampersand = raw.find('&')) != std::string_view::npos;) {
        out.append(raw.substr(0, ampersand));
        const size_t semicolon = raw.find(';', ampersand);
        if (semicolon == std::string_view::npos)
            return false;
        const char32_t c = referencedCharacter(raw.substr(ampersand + 1, semicolon - ampersand - 1));
        if (c == 0)
            return false;
        appendUtf8(out, c);
        raw.remove_prefix(semicolon + 1);
    }
    out.append(raw);
    return true;
}

QLatin1StringView latin1(std::string_view ascii)
{
    return QLatin1StringView(ascii.data(), qsizetype(ascii.size()));
}

struct QualifiedName
{
    std::string_view whole;
    std::string_view prefix; // empty without one
    std::string_view local;
};

struct NamespaceBinding
{
    std::string_view prefix; // empty for the default namespace
    QString uri;
};

struct RawAttribute
{
    QualifiedName name;
    std::string value;
    QString namespaceUri;
};

class PlainXmlReader
{
public:
    PlainXmlReader(std::string_view part, XmlHandler &handler)
        : m_p(part.data())
        , m_end(part.data() + part.size())
        , m_handler(handler)
    {}

    Outcome read()
    {
        skip(kByteOrderMark);
        if (!isPlainText(std::string_view(m_p, size_t(m_end - m_p))))
            return Outcome::Unsure;
        if (startsWith("<?xml") && !readDeclaration())
            return Outcome::Unsure;
        if (!skipMisc() || m_p == m_end || *m_p != '<')
            return Outcome::Unsure;
        do {
            Outcome outcome = Outcome::Unsure;
            if (m_p == m_end)
                return Outcome::Unsure;
            if (*m_p != '<')
                outcome = readText();
            else if (startsWith("<!--"))
                outcome = skipComment() ? Outcome::Read : Outcome::Unsure;
            else if (startsWith("<?"))
                outcome = skipProcessingInstruction() ? Outcome::Read : Outcome::Unsure;
            else if (startsWith("</"))
                outcome = readEndTag();
            else
                outcome = readStartTag();
            if (outcome != Outcome::Read)
                return outcome;
            if (m_stopped)
                return Outcome::Read;
        } while (!m_open.empty());
        return skipMisc() && m_p == m_end ? Outcome::Read : Outcome::Unsure;
    }

private:
    struct OpenElement
    {
        std::string_view name;
        size_t bindings; // namespace bindings in scope before it
    };

    bool startsWith(std::string_view text) const
    {
        return size_t(m_end - m_p) >= text.size() && std::memcmp(m_p, text.data(), text.size()) == 0;
    }

    bool skip(std::string_view text)
    {
        if (!startsWith(text))
            return false;
        m_p += text.size();
        return true;
    }

    bool skipSpace()
    {
        const char *start = m_p;
        while (m_p < m_end && isSpace(*m_p))
            ++m_p;
        return m_p != start;
    }

    // Moves past the first `terminator` from `from` on; false when there is none.
    bool skipPast(const char *from, std::string_view terminator)
    {
        const std::string_view rest(from, size_t(m_end - from));
        const size_t at = rest.find(terminator);
        if (at == std::string_view::npos)
            return false;
        m_p = from + at + terminator.size();
        return true;
    }

    // "<!--" up to the first "--", which must end it.
    bool skipComment()
    {
        const char *body = m_p + 4;
        return skipPast(body, "--") && skip(">");
    }

    // "<?target ...?>", with a target other than "xml" in any case.
    bool skipProcessingInstruction()
    {
        m_p += 2;
        const std::string_view target = readName();
        if (target.empty() ||
            QByteArrayView(target.data(), qsizetype(target.size())).compare("xml", Qt::CaseInsensitive) == 0)
            return false;
        if (skip("?>"))
            return true;
        return skipSpace() && skipPast(m_p, "?>");
    }

    // White space, comments and processing instructions around the root element.
    bool skipMisc()
    {
        for (;;) {
            skipSpace();
            if (startsWith("<!--")) {
                if (!skipComment())
                    return false;
            } else if (startsWith("<?")) {
                if (!skipProcessingInstruction())
                    return false;
            } else {
                return true;
            }
        }
    }

    std::string_view readName()
    {
        const char *start = m_p;
        if (m_p == m_end || !isNameStart(*m_p))
            return {};
        while (m_p < m_end && isNameChar(*m_p))
            ++m_p;
        return std::string_view(start, size_t(m_p - start));
    }

    std::optional<QualifiedName> readQualifiedName()
    {
        const char *start = m_p;
        const std::string_view first = readName();
        if (first.empty())
            return std::nullopt;
        if (m_p == m_end || *m_p != ':')
            return QualifiedName{first, {}, first};
        ++m_p;
        const std::string_view local = readName();
        if (local.empty() || (m_p < m_end && *m_p == ':'))
            return std::nullopt;
        return QualifiedName{std::string_view(start, size_t(m_p - start)), first, local};
    }

    // A quoted value after "=", as written.
    std::optional<std::string_view> readQuoted()
    {
        skipSpace();
        if (!skip("="))
            return std::nullopt;
        skipSpace();
        if (m_p == m_end || (*m_p != '"' && *m_p != '\''))
            return std::nullopt;
        const char quote = *m_p++;
        const char *close = static_cast<const char *>(std::memchr(m_p, quote, size_t(m_end - m_p)));
        if (!close)
            return std::nullopt;
        const std::string_view value(m_p, size_t(close - m_p));
        m_p = close + 1;
        return value;
    }

    // <?xml version="1.0" [encoding="UTF-8"] [standalone="yes|no"] ?>
    bool readDeclaration()
    {
        m_p += 5;
        if (!skipSpace() || !skip("version") || readQuoted() != "1.0")
            return false;
        bool spaced = skipSpace();
        if (spaced && skip("encoding")) {
            const auto encoding = readQuoted();
            if (!encoding || QByteArrayView(*encoding).compare("utf-8", Qt::CaseInsensitive) != 0)
                return false;
            spaced = skipSpace();
        }
        if (spaced && skip("standalone")) {
            const auto standalone = readQuoted();
            if (standalone != "yes" && standalone != "no")
                return false;
            skipSpace();
        }
        return skip("?>");
    }

    const NamespaceBinding *binding(std::string_view prefix) const
    {
        for (auto it = m_bindings.rbegin(); it != m_bindings.rend(); ++it) {
            if (it->prefix == prefix)
                return &*it;
        }
        return nullptr;
    }

    // Binds a namespace declared by `name`; false when the declaration is one to leave to QXmlStreamReader.
    bool bind(const QualifiedName &name, const std::string &uri)
    {
        if (uri == kXmlNamespace || uri == kXmlnsNamespace || m_bindings.size() >= kMaxPlainBindings)
            return false;
        if (name.prefix.empty()) {
            m_bindings.push_back({{}, QString::fromUtf8(uri.data(), qsizetype(uri.size()))});
            return true;
        }
        if (uri.empty() || name.local == "xml" || name.local == "xmlns")
            return false;
        m_bindings.push_back({name.local, QString::fromUtf8(uri.data(), qsizetype(uri.size()))});
        return true;
    }

    // Reads the attributes of a start tag up to its end; sets `empty` for "/>".
    bool readAttributes(bool &empty)
    {
        m_attributes.clear();
        m_declared.clear();
        for (;;) {
            const bool spaced = skipSpace();
            if (skip(">"))
                return true;
            if (skip("/>")) {
                empty = true;
                return true;
            }
            if (!spaced || m_attributes.size() + m_declared.size() >= kMaxPlainAttributes)
                return false;
            const auto name = readQualifiedName();
            if (!name)
                return false;
            const auto raw = readQuoted();
            if (!raw || raw->find_first_of("<\t\n\r") != std::string_view::npos ||
                raw->find(kByteOrderMark) != std::string_view::npos)
                return false;
            std::string value;
            if (!appendDecoded(*raw, value))
                return false;
            for (const RawAttribute &other : m_attributes) {
                if (other.name.whole == name->whole)
                    return false;
            }
            for (const QualifiedName &other : m_declared) {
                if (other.whole == name->whole)
                    return false;
            }
            if (name->whole == "xmlns" || name->prefix == "xmlns") {
                if (!bind(*name, value))
                    return false;
                m_declared.push_back(*name);
            } else {
                m_attributes.push_back({*name, std::move(value), {}});
            }
        }
    }

    // Gives each attribute its namespace; false for an undeclared prefix or a repeated attribute.
    bool resolveAttributes()
    {
        static const QString xmlNamespace = QString::fromLatin1(kXmlNamespace);
        m_views.clear();
        for (size_t i = 0; i < m_attributes.size(); ++i) {
            RawAttribute &attribute = m_attributes[i];
            if (attribute.name.prefix == "xml") {
                attribute.namespaceUri = xmlNamespace;
            } else if (!attribute.name.prefix.empty()) {
                const NamespaceBinding *bound = binding(attribute.name.prefix);
                if (!bound)
                    return false;
                attribute.namespaceUri = bound->uri;
            }
            for (size_t j = 0; j < i; ++j) {
                if (m_attributes[j].name.local == attribute.name.local &&
                    m_attributes[j].namespaceUri == attribute.namespaceUri)
                    return false;
            }
            m_views.push_back({attribute.namespaceUri, latin1(attribute.name.local),
                               latin1(attribute.name.whole),
                               QUtf8StringView(attribute.value.data(), qsizetype(attribute.value.size()))});
        }
        return true;
    }

    Outcome readStartTag()
    {
        ++m_p;
        const auto name = readQualifiedName();
        if (!name || name->prefix == "xml" || name->prefix == "xmlns")
            return Outcome::Unsure;
        const size_t outerBindings = m_bindings.size();
        bool empty = false;
        if (!readAttributes(empty))
            return Outcome::Unsure;
        const NamespaceBinding *elementNamespace = binding(name->prefix);
        if ((!elementNamespace && !name->prefix.empty()) || !resolveAttributes())
            return Outcome::Unsure;
        m_open.push_back({name->whole, outerBindings});
        const QStringView namespaceUri =
            elementNamespace ? QStringView(elementNamespace->uri) : QStringView();
        if (!take(m_handler.startElement({namespaceUri, latin1(name->local), m_views})))
            return Outcome::Refused;
        if (empty && !m_stopped)
            return closeElement();
        return Outcome::Read;
    }

    Outcome readEndTag()
    {
        m_p += 2;
        const auto name = readQualifiedName();
        skipSpace();
        if (!name || !skip(">") || m_open.empty() || name->whole != m_open.back().name)
            return Outcome::Unsure;
        return closeElement();
    }

    Outcome closeElement()
    {
        m_bindings.resize(m_open.back().bindings);
        m_open.pop_back();
        return take(m_handler.endElement()) ? Outcome::Read : Outcome::Refused;
    }

    // False on a Refuse.
    bool take(XmlStep step)
    {
        m_stopped = step == XmlStep::Stop;
        return step != XmlStep::Refuse;
    }

    Outcome readText()
    {
        const char *lessThan = static_cast<const char *>(std::memchr(m_p, '<', size_t(m_end - m_p)));
        if (!lessThan)
            return Outcome::Unsure;
        std::string_view raw(m_p, size_t(lessThan - m_p));
        m_p = lessThan;
        if (raw.find("]]>") != std::string_view::npos || raw.find(kByteOrderMark) != std::string_view::npos)
            return Outcome::Unsure;
        if (raw.find('\r') != std::string_view::npos) {
            // Line ends read as line feeds: CR LF and a lone CR alike.
            m_lines.clear();
            for (size_t i = 0; i < raw.size(); ++i) {
                if (raw[i] != '\r')
                    m_lines += raw[i];
                else if (i + 1 == raw.size() || raw[i + 1] != '\n')
                    m_lines += '\n';
            }
            raw = m_lines;
        }
        m_text.clear();
        if (!appendDecoded(raw, m_text))
            return Outcome::Unsure;
        m_handler.characters(QUtf8StringView(m_text.data(), qsizetype(m_text.size())));
        return Outcome::Read;
    }

    const char *m_p;
    const char *m_end;
    XmlHandler &m_handler;
    bool m_stopped = false;
    std::vector<OpenElement> m_open;
    std::vector<NamespaceBinding> m_bindings;
    std::vector<RawAttribute> m_attributes;
    std::vector<QualifiedName> m_declared;
    std::vector<XmlAttributeView> m_views;
    std::string m_text;
    std::string m_lines;
};

} // namespace

PlainXmlOutcome readPlainXml(QByteArrayView part, XmlHandler &handler)
{
    return PlainXmlReader(std::string_view(part.data(), size_t(part.size())), handler).read();
}
