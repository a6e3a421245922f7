#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <optional>
#include <utility>
#include <vector>

// The pieces of PDF syntax that the plain PDF reader reads itself: white space, comments, numbers, names,
// strings, arrays, dictionaries, references, null and booleans.

// How far a parse got: done, stopped at the end of its window while the file goes on, or met something
// that is left to qpdf.
enum class Parse { Ok, NeedMore, Unsure };

// One PDF object, as far as the plain reader needs it.
struct PdfObject
{
    enum class Kind { Null, Boolean, Number, String, Name, Array, Dictionary, Reference, Stream };
    PdfObject() = default;
    explicit PdfObject(Kind of)
        : kind(of)
    {}

    Kind kind = Kind::Null;
    bool isInteger = false;
    qint64 integer = 0; // an integer's value; a reference's object number
    qint64 generation = 0;
    QByteArray bytes; // a string's bytes, a name without its slash
    std::vector<PdfObject> items;
    std::vector<std::pair<QByteArray, PdfObject>> entries; // a dictionary's, a stream's dictionary
    qint64 streamStart = 0;                                // where a stream's data starts in the file

    // The value of a dictionary's key; null when the key is missing.
    const PdfObject *find(QByteArrayView key) const
    {
        for (const auto &[name, value] : entries) {
            if (name == key)
                return &value;
        }
        return nullptr;
    }
    bool has(QByteArrayView key) const { return find(key) != nullptr; }
};

// The white space of PDF files (qpdf takes a vertical tab for white space too; the parser leaves files
// with one to qpdf).
inline bool isPdfWhite(char c)
{
    return c == '\0' || c == '\t' || c == '\n' || c == '\f' || c == '\r' || c == ' ';
}

inline bool isPdfDelimiter(char c)
{
    return c == '(' || c == ')' || c == '<' || c == '>' || c == '[' || c == ']' || c == '{' || c == '}' ||
           c == '/' || c == '%';
}

inline bool isAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Parses objects in a window of the file, in the forms qpdf reads the same way; anything else stops the
// parse as Unsure.
class ObjectParser
{
public:
    ObjectParser(QByteArrayView window, bool windowEndsFile)
        : m_text(window)
        , m_endsFile(windowEndsFile)
    {}

    Parse status() const { return m_status; }
    bool ok() const { return m_status == Parse::Ok; }
    qsizetype position() const { return m_pos; }
    QByteArrayView text() const { return m_text; }
    void setPosition(qsizetype position) { m_pos = position; }
    void unsure() { fail(Parse::Unsure); }

    // Skips white space and comments.
    void skipWhite();

    // A token made of regular characters that equals `word`.
    bool keyword(QByteArrayView word);

    // A non-negative integer without sign.
    std::optional<qint64> integer();

    // The value that starts here, nested `depth` deep; null when the parse stops.
    PdfObject value(int depth = 0);

private:
    bool atEnd() const { return m_pos >= m_text.size(); }
    void fail(Parse outcome);
    void runOut() { fail(m_endsFile ? Parse::Unsure : Parse::NeedMore); }

    // True when the token just read ends here: at white space, a delimiter, or the end of the file.
    bool tokenEnds();

    // A name, from its slash; without the slash.
    QByteArray nameToken();
    PdfObject numberValue();
    // Whether the next character after white space passes `test`; at the end of a window that does not end
    // the file, asks for more.
    bool nextIs(bool (*test)(char));

    // A number, or "object generation R".
    PdfObject numberOrReference();

    PdfObject literalString();
    // Appends what the escape after a backslash stands for.
    void escape(QByteArray &out);
    PdfObject hexString();
    PdfObject array(int depth);
    PdfObject dictionary(int depth);

    QByteArrayView m_text;
    bool m_endsFile = false;
    qsizetype m_pos = 0;
    int m_values = 0; // values begun, nested ones included
    Parse m_status = Parse::Ok;
};
