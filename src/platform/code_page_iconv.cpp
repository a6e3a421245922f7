#include "platform/code_page.h"

#include <QtEndian>
#include <algorithm>
#include <cerrno>
#include <iconv.h>
#include <unordered_map>

namespace {

// The iconv name of a Windows code page; glibc knows most of them as "CP" and the number.
QByteArray iconvName(quint16 codePage)
{
    switch (codePage) {
    case 1201:
        return "UTF-16BE";
    case 10000:
        return "MACINTOSH";
    case 10006:
        return "MAC-GREEK";
    case 10007:
        return "MAC-CYRILLIC";
    case 10029:
        return "MAC-CENTRALEUROPE";
    case 20127:
        return "ASCII";
    case 20866:
        return "KOI8-R";
    case 21866:
        return "KOI8-U";
    case 50220:
        return "ISO-2022-JP";
    case 51932:
        return "EUC-JP";
    case 51949:
        return "EUC-KR";
    case 54936:
        return "GB18030";
    case 65000:
        return "UTF-7";
    default:
        break;
    }
    if (codePage >= 28591 && codePage <= 28606)
        return "ISO-8859-" + QByteArray::number(codePage - 28590);
    return "CP" + QByteArray::number(codePage);
}

const iconv_t kNoConverter = iconv_t(-1);

// The converters of one thread, each opened at its first use and closed when the thread ends: opening one
// loads and sets up a conversion module, far dearer than a conversion. A code page the system does not know
// is remembered too, so it is asked for once.
class ThreadConverters
{
public:
    ThreadConverters() = default;
    ThreadConverters(const ThreadConverters &) = delete;
    ThreadConverters &operator=(const ThreadConverters &) = delete;
    ~ThreadConverters()
    {
        for (const auto &[codePage, converter] : m_converters) {
            if (converter != kNoConverter)
                iconv_close(converter);
        }
    }

    // The converter from `codePage` to UTF-16LE in its initial state, or kNoConverter.
    iconv_t forCodePage(quint16 codePage)
    {
        auto found = m_converters.find(codePage);
        if (found == m_converters.end())
            found =
                m_converters.emplace(codePage, iconv_open("UTF-16LE", iconvName(codePage).constData())).first;
        if (found->second != kNoConverter)
            iconv(found->second, nullptr, nullptr, nullptr, nullptr);
        return found->second;
    }

private:
    std::unordered_map<quint16, iconv_t> m_converters;
};

thread_local ThreadConverters t_converters;

// UTF-16LE output that grows as the converter fills it.
class Utf16Output
{
public:
    explicit Utf16Output(qsizetype capacity)
        : m_bytes(capacity, Qt::Uninitialized)
    {}

    // Makes room for at least `bytes` more bytes.
    void reserve(size_t bytes)
    {
        if (left() < bytes)
            m_bytes.resize(std::max<qsizetype>(m_bytes.size() * 2, m_used + qsizetype(bytes)));
    }
    char *end() { return m_bytes.data() + m_used; }
    size_t left() const { return size_t(m_bytes.size() - m_used); }
    void advanceTo(const char *end) { m_used = end - m_bytes.constData(); }
    void appendReplacement()
    {
        reserve(2);
        qToLittleEndian<quint16>(0xFFFD, end());
        m_used += 2;
    }
    QString text() const { return fromUtf16Le(QByteArrayView(m_bytes.constData(), m_used)); }

private:
    QByteArray m_bytes;
    qsizetype m_used = 0;
};

} // namespace

std::optional<QString> decodeWithSystemConverter(QByteArrayView bytes, quint16 codePage)
{
    const iconv_t converter = t_converters.forCodePage(codePage);
    if (converter == kNoConverter)
        return std::nullopt;
    // Most code pages give one or two bytes of UTF-16 per input byte.
    Utf16Output output(bytes.size() * 2 + 16);
    char *in = const_cast<char *>(bytes.data());
    size_t inLeft = size_t(bytes.size());
    while (inLeft > 0) {
        char *out = output.end();
        size_t outLeft = output.left();
        const size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
        output.advanceTo(out);
        if (result != size_t(-1))
            break;
        if (errno == E2BIG) {
            output.reserve(output.left() + 64);
        } else if (errno == EILSEQ) {
            // A byte that does not fit the code page: it alone becomes U+FFFD, and decoding goes on after it.
            output.appendReplacement();
            ++in;
            --inLeft;
        } else {
            // EINVAL: a character cut short by the end of the text; one U+FFFD for its bytes.
            output.appendReplacement();
            inLeft = 0;
        }
    }
    // Ends a shift sequence of a stateful code page; it writes nothing to UTF-16 but may need room.
    output.reserve(16);
    char *out = output.end();
    size_t outLeft = output.left();
    iconv(converter, nullptr, nullptr, &out, &outLeft);
    output.advanceTo(out);
    return output.text();
}
