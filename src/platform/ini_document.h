#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <QVector>

// The length in UTF-16 units of the first `characters` characters (code points) of `text`, so that a cut
// there never splits a surrogate pair; the whole length when the text is shorter.
qsizetype characterPrefixLength(QStringView text, int characters);

// The lines of one INI file in memory: finds and changes keys while every other line keeps its bytes.
// Section and key names match without regard to case; values are kept exactly as stored. Text is UTF-8,
// or Windows-1252 when the bytes are not valid UTF-8 (files of older programs).
class IniDocument
{
public:
    // The longest value a read returns, in characters (code points).
    static constexpr int kMaxValueLength = 254;

    IniDocument() = default;
    explicit IniDocument(const QByteArray &bytes);

    // The value of the first matching key of the first matching section, cut to kMaxValueLength
    // characters; empty when the key is missing or stored empty.
    QString read(QStringView section, QStringView key) const;
    // Replaces the key's value in place, or adds the key at the end of its section, or adds the section
    // at the end of the document. Line breaks inside the value are written as blanks so that the value
    // stays on its line.
    void write(QStringView section, QStringView key, const QString &value);

    QByteArray toBytes() const;
    bool isUtf8() const { return m_utf8; }

private:
    enum class LineKind { Section, Key, Other };
    struct Line
    {
        QByteArray bytes;  // without the line end
        QByteArray ending; // "\r\n", "\n", "\r" or empty for a last line without one
        QString text;      // the decoded bytes
        LineKind kind = LineKind::Other;
        QString name;             // section or key name, trimmed
        qsizetype valueStart = 0; // key lines: where the value starts in `text` and in `bytes`
        qsizetype valueByteStart = 0;
    };

    static Line parseLine(QByteArray bytes, QByteArray ending, bool utf8, bool first);
    int findSection(QStringView section) const;
    int findKey(int sectionLine, QStringView key) const;
    QByteArray encode(const QString &text);
    void convertToUtf8();
    void terminateLine(int index);

    QVector<Line> m_lines;
    bool m_utf8 = true;
};
