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

private:
    QVector<QPair<int, QByteArray>> m_objects;
};

// The body of a stream object: the dictionary `entries` (without "<<" and ">>") and /Length, then `data`.
QByteArray pdfStream(const QByteArray &entries, const QByteArray &data);

// A sound one-page document: catalog 1 (with `catalogEntries`), page tree 2, page 3 and the information
// dictionary 4 holding `infoEntries`; `extra` objects (number, body) are added after them.
QByteArray minimalPdf(const QByteArray &infoEntries, const QByteArray &catalogEntries = {},
                      const QVector<QPair<int, QByteArray>> &extra = {});

// A zlib stream of `head` followed by `blanks` blanks, compressed piece by piece so that large counts
// need little memory.
QByteArray deflated(const QByteArray &head, qint64 blanks);
