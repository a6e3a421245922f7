#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QMap>
#include <QString>
#include <QVector>

// The FILETIME (100-nanosecond units since 1601) of an instant.
inline quint64 fileTimeOf(const QDateTime &when)
{
    return quint64(when.toMSecsSinceEpoch() + 11644473600000LL) * 10000;
}

// Builds a summary-information property set stream (one section, format F29F85E0-...) with chosen
// properties, in the order they are added.
class PropertySetWriter
{
public:
    void addCodePage(quint16 codePage) { addI2(1, qint16(codePage)); }
    // VT_LPSTR: the bytes as given, then a NUL.
    void addLpstr(int id, const QByteArray &bytes);
    // VT_LPSTR in code page 1200: UTF-16LE units, then a NUL unit.
    void addLpstrUtf16(int id, const QString &text);
    void addLpwstr(int id, const QString &text);
    void addI2(int id, qint16 value);
    void addI4(int id, qint32 value);
    void addFileTime(int id, quint64 value);
    // Any type with the value bytes as given.
    void addRaw(int id, quint16 type, const QByteArray &value);

    // The stream, padded with zeros to at least `minimumSize` bytes (4096 or more puts it outside the mini
    // stream).
    QByteArray build(qint64 minimumSize = 0) const;

private:
    QVector<QPair<quint32, QByteArray>> m_properties;
};

// Where the writer put things, so that tests can damage them.
struct CompoundFileLayout
{
    qint64 sectorSize = 512;
    QVector<quint32> fatSectors;
    QVector<quint32> difatSectors;
    quint32 directoryStart = 0;
    quint32 miniFatStart = 0;
    QMap<QString, quint32> streamStart; // sector, or mini sector for streams below 4096 bytes
    QMap<QString, qint64> entryOffset;  // file offset of each directory entry, the root's key ""

    qint64 sectorOffset(quint32 sector) const { return (qint64(sector) + 1) * sectorSize; }
    // File offset of the FAT entry of `sector`.
    qint64 fatEntryOffset(quint32 sector) const;
};

// Builds a compound file (version 3 with 512-byte sectors or version 4 with 4096-byte sectors) with
// streams under the root or under storages, small streams in the mini stream.
class CompoundFileWriter
{
public:
    explicit CompoundFileWriter(int sectorShift = 9)
        : m_sectorShift(sectorShift)
    {}

    // Adds a stream under the root (parent 0) or under a storage returned by addStorage.
    void addStream(const QString &name, const QByteArray &bytes, int parent = 0);
    int addStorage(const QString &name, int parent = 0);
    // Free sectors before everything else; 14000 of them push the FAT past the 109 sectors that the header
    // lists, so that DIFAT sectors are needed (512-byte sectors).
    void setLeadingFreeSectors(quint32 count) { m_leadingFree = count; }

    QByteArray build(CompoundFileLayout *layout = nullptr) const;

private:
    struct Node
    {
        QString name;
        int type = 2;
        int parent = 0;
        QByteArray bytes;
    };

    int m_sectorShift;
    quint32 m_leadingFree = 0;
    QVector<Node> m_nodes{Node{QStringLiteral("Root Entry"), 5, -1, {}}};
};

// A whole document whose root holds the summary stream `summary` and a small "WordDocument" stream.
QByteArray summaryDocument(const QByteArray &summary, int sectorShift = 9,
                           CompoundFileLayout *layout = nullptr);

// An 800 KB document built to make a reader work, whose root holds the summary stream `summary` (at most
// 4 KB): 1,200 directory sectors whose entries are linked so that each entry visited lies in another sector
// than the one before, the summary stream last of them all and at the far end of a mini stream of 376
// sectors.
QByteArray sprawlingDocument(const QByteArray &summary);

// Writes a little-endian 32-bit value into bytes at offset.
void patchU32(QByteArray &bytes, qint64 offset, quint32 value);
