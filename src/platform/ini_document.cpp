#include "platform/ini_document.h"

#include "platform/windows1252.h"

namespace {

const QByteArray kLineEnd = QByteArrayLiteral("\r\n");

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QString decode(const QByteArray &bytes, bool utf8)
{
    return utf8 ? QString::fromUtf8(bytes) : fromWindows1252(bytes);
}

bool fitsWindows1252(const QString &text)
{
    return fromWindows1252(toWindows1252WithReferences(text)) == text;
}

} // namespace

qsizetype characterPrefixLength(QStringView text, int characters)
{
    qsizetype units = 0;
    for (int n = 0; n < characters && units < text.size(); ++n)
        units += text.at(units).isHighSurrogate() && units + 1 < text.size() ? 2 : 1;
    return units;
}

IniDocument::IniDocument(const QByteArray &bytes)
    : m_utf8(isValidUtf8(bytes))
{
    // A line ends at CR LF, LF or a lone CR (files of older Macintosh editors).
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes.at(end) != '\n' && bytes.at(end) != '\r')
            ++end;
        qsizetype next = end;
        if (next < bytes.size() && bytes.at(next) == '\r')
            ++next;
        if (next < bytes.size() && bytes.at(next) == '\n')
            ++next;
        m_lines.append(
            parseLine(bytes.mid(start, end - start), bytes.mid(end, next - end), m_utf8, m_lines.isEmpty()));
        start = next;
    }
}

IniDocument::Line IniDocument::parseLine(QByteArray bytes, QByteArray ending, bool utf8, bool first)
{
    Line line;
    line.bytes = std::move(bytes);
    line.ending = std::move(ending);
    line.text = decode(line.bytes, utf8);

    QStringView rest(line.text);
    if (first && rest.startsWith(QChar(0xFEFF)))
        rest = rest.mid(1); // byte order mark of some editors
    while (!rest.isEmpty() && isBlank(rest.front()))
        rest = rest.mid(1);
    if (rest.startsWith(u'[')) {
        const qsizetype close = rest.indexOf(u']');
        if (close > 0) {
            line.kind = LineKind::Section;
            line.name = rest.mid(1, close - 1).trimmed().toString();
        }
        return line;
    }
    if (rest.startsWith(u';'))
        return line; // comment
    const qsizetype equals = line.text.indexOf(u'=');
    if (equals < 0)
        return line;
    line.name = QStringView(line.text).left(equals).trimmed().toString();
    if (line.name.startsWith(QChar(0xFEFF)))
        line.name = line.name.mid(1).trimmed();
    if (line.name.isEmpty())
        return line;
    line.kind = LineKind::Key;
    line.valueStart = equals + 1;
    // "=" is one byte in both encodings and never part of a longer UTF-8 sequence.
    line.valueByteStart = line.bytes.indexOf('=') + 1;
    return line;
}

int IniDocument::findSection(QStringView section) const
{
    for (int i = 0; i < m_lines.size(); ++i) {
        const Line &line = m_lines.at(i);
        if (line.kind == LineKind::Section && line.name.compare(section, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int IniDocument::findKey(int sectionLine, QStringView key) const
{
    for (int i = sectionLine + 1; i < m_lines.size(); ++i) {
        const Line &line = m_lines.at(i);
        if (line.kind == LineKind::Section)
            break;
        if (line.kind == LineKind::Key && line.name.compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString IniDocument::read(QStringView section, QStringView key) const
{
    const int sectionLine = findSection(section);
    if (sectionLine < 0)
        return {};
    const int keyLine = findKey(sectionLine, key);
    if (keyLine < 0)
        return {};
    const Line &line = m_lines.at(keyLine);
    const QStringView value = QStringView(line.text).mid(line.valueStart);
    return value.left(characterPrefixLength(value, kMaxValueLength)).toString();
}

QByteArray IniDocument::encode(const QString &text)
{
    if (m_utf8)
        return text.toUtf8();
    if (fitsWindows1252(text))
        return toWindows1252WithReferences(text);
    // A character that Windows-1252 cannot hold: the whole file moves to UTF-8, every text kept.
    convertToUtf8();
    return text.toUtf8();
}

void IniDocument::convertToUtf8()
{
    for (Line &line : m_lines) {
        line.bytes = line.text.toUtf8();
        if (line.kind == LineKind::Key)
            line.valueByteStart = line.bytes.indexOf('=') + 1;
    }
    m_utf8 = true;
}

void IniDocument::terminateLine(int index)
{
    if (index >= 0 && index < m_lines.size() && m_lines[index].ending.isEmpty())
        m_lines[index].ending = kLineEnd;
}

void IniDocument::write(QStringView section, QStringView key, const QString &value)
{
    QString oneLine = value;
    oneLine.replace(u'\r', u' ').replace(u'\n', u' ');

    int sectionLine = findSection(section);
    if (sectionLine < 0) {
        terminateLine(int(m_lines.size()) - 1);
        const QString header = u'[' + section.toString() + u']';
        m_lines.append(parseLine(encode(header), kLineEnd, m_utf8, m_lines.isEmpty()));
        sectionLine = int(m_lines.size()) - 1;
    }

    const int keyLine = findKey(sectionLine, key);
    if (keyLine >= 0) {
        const QByteArray encoded = encode(oneLine); // may convert the document first
        const Line &old = m_lines.at(keyLine);
        m_lines[keyLine] =
            parseLine(old.bytes.left(old.valueByteStart) + encoded, kLineEnd, m_utf8, keyLine == 0);
        return;
    }

    // A new key goes after the section's last key, before any blank lines or comments that follow it.
    int insertAfter = sectionLine;
    for (int i = sectionLine + 1; i < m_lines.size() && m_lines.at(i).kind != LineKind::Section; ++i) {
        if (m_lines.at(i).kind == LineKind::Key)
            insertAfter = i;
    }
    const QByteArray encoded = encode(key.toString() + u'=' + oneLine);
    terminateLine(insertAfter);
    m_lines.insert(insertAfter + 1, parseLine(encoded, kLineEnd, m_utf8, false));
}

QByteArray IniDocument::toBytes() const
{
    QByteArray bytes;
    for (const Line &line : m_lines)
        bytes += line.bytes + line.ending;
    return bytes;
}
