#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVarLengthArray>
#include <initializer_list>

// The texts of one grid row, one per column, kept in a single block of memory: each cell is its length
// (two 16-bit units) followed by its characters. A listing holds tens of thousands of rows of about twenty
// short cells; one block per row instead of one string per cell is most of the memory, and of the time
// spent allocating and freeing it.
class RowCells
{
public:
    RowCells() = default;
    RowCells(std::initializer_list<QString> cells);
    RowCells(const QStringList &cells); // NOLINT(google-explicit-constructor): a row is written as its texts

    qsizetype size() const { return m_count; }
    bool isEmpty() const { return m_count == 0; }

    // Cell `index` (0 <= index < size()); the view is valid until the row is changed or destroyed.
    QStringView at(qsizetype index) const;
    QStringView operator[](qsizetype index) const { return at(index); }
    // A copy of cell `index`; empty when there is no such cell.
    QString value(qsizetype index) const;
    QString join(QStringView separator) const;
    // Every cell, in one pass over the row: for writers that go through all of them.
    QVarLengthArray<QStringView, 32> views() const;

    void append(QStringView cell);
    // Replaces cell `index` (0 <= index < size()).
    void set(qsizetype index, QStringView cell);
    // Drops every cell and keeps the room they took, for the next row built in the same block.
    void clear();
    // A copy in a block exactly as long as the cells: the rows a listing keeps take no spare room.
    RowCells compacted() const;

    friend bool operator==(const RowCells &a, const RowCells &b)
    {
        return a.m_count == b.m_count && a.m_text == b.m_text;
    }

private:
    // Where cell `index`'s length stands in m_text.
    qsizetype offsetOf(qsizetype index) const;

    QString m_text;
    qsizetype m_count = 0;
};
