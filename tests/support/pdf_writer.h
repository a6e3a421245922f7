#pragma once

#include <QByteArray>
#include <QVector>

// Builds a PDF file from object bodies: the header, the objects in the order they were added, a
// cross-reference table and a trailer, every offset right, so that tests can then damage it.
class PdfWriter
{
public:
    // Object `number` (generation 0) with `body`: a dictionary, an array, any value.
    void addObject(int number, const QByteArray &body);

    // The whole file; the trailer holds `trailerEntries` and /Size, one more than the highest number.
    QByteArray build(const QByteArray &trailerEntries) const;
    // The same with a cross-reference stream in place of the table (entry widths 1, 4 and 1, Flate, each
    // row PNG "Up" filtered when `predicted`, or marked with `rowType`); `blanks` blanks after the entries
    // make the stream a bomb.
    QByteArray buildWithStream(const QByteArray &trailerEntries, bool predicted, qint64 blanks = 0,
                               char rowType = 2) const;

private:
    // The header and the objects; `offsets` gets each object's offset by number (0 when missing).
    QByteArray objects(QVector<qint64> &offsets) const;

    QVector<QPair<int, QByteArray>> m_objects;
};

// The body of a stream object: the dictionary `entries` (without "<<" and ">>") and /Length, then `data`.
QByteArray pdfStream(const QByteArray &entries, const QByteArray &data);

// The objects of a sound one-page document: catalog 1 (with `catalogEntries`), page tree 2, page 3 and
// the information dictionary 4 holding `infoEntries`; `extra` objects (number, body) come after them.
PdfWriter minimalPdfWriter(const QByteArray &infoEntries, const QByteArray &catalogEntries = {},
                           const QVector<QPair<int, QByteArray>> &extra = {});
// Its trailer entries.
inline const QByteArray kMinimalTrailer = "/Root 1 0 R /Info 4 0 R";
// The document built with a cross-reference table.
QByteArray minimalPdf(const QByteArray &infoEntries, const QByteArray &catalogEntries = {},
                      const QVector<QPair<int, QByteArray>> &extra = {});

// A zlib stream of `head` followed by `blanks` blanks, compressed piece by piece so that large counts
// need little memory.
QByteArray deflated(const QByteArray &head, qint64 blanks);
