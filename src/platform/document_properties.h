#pragma once

#include <QDateTime>
#include <QString>
#include <array>
#include <optional>

// A date as a document stores it: an instant, shown in local time, or a wall-clock time written without
// a zone, shown as written.
struct DocumentDate
{
    QDateTime time; // UTC; for a wall-clock date, the written fields taken as UTC
    bool isWallClock = false;
};

// The summary properties of one document, whatever its format, by the identifiers of the OLE summary
// property set: texts 2 title, 3 subject, 4 author, 5 keywords, 6 comments, 7 template, 8 last author,
// 9 revision and 18 application; numbers 14 pages, 15 words, 16 characters and 19 security; dates
// 11 printed, 12 created and 13 saved; 10 the editing time. A value the document does not hold is missing.
// Texts are stored as the document holds them (up to a NUL for the OLE ones); the cell formats apply
// the display rules.
class DocumentProperties
{
public:
    static constexpr int kMaxId = 19;

    // Missing for an identifier out of range or of another kind.
    std::optional<QString> text(int id) const { return inRange(id) ? m_texts[size_t(id)] : std::nullopt; }
    std::optional<qint64> number(int id) const { return inRange(id) ? m_numbers[size_t(id)] : std::nullopt; }
    std::optional<DocumentDate> date(int id) const
    {
        return inRange(id) ? m_dates[size_t(id)] : std::nullopt;
    }
    // Whole minutes of editing; a zero time is a value.
    std::optional<qint64> editingMinutes() const { return m_editingMinutes; }

    // Setters ignore an identifier out of range.
    void setText(int id, QString text);
    void setNumber(int id, qint64 number);
    void setDate(int id, DocumentDate date);
    void setEditingMinutes(qint64 minutes) { m_editingMinutes = minutes; }

    // True when no value at all is held.
    bool isEmpty() const;

private:
    static bool inRange(int id) { return id >= 0 && id <= kMaxId; }

    std::array<std::optional<QString>, kMaxId + 1> m_texts;
    std::array<std::optional<qint64>, kMaxId + 1> m_numbers;
    std::array<std::optional<DocumentDate>, kMaxId + 1> m_dates;
    std::optional<qint64> m_editingMinutes;
};
