#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <optional>
#include <vector>

// One member of a zip archive as its central directory record describes it.
struct ZipEntry
{
    quint16 flags = 0;  // general-purpose bits; bit 0: encrypted
    quint16 method = 0; // 0 stored, 8 deflated
    quint32 crc = 0;
    qint64 compressedSize = 0;
    qint64 size = 0;
    qint64 localHeaderOffset = 0; // from the start of the file
};

// Where the end-of-central-directory records of a zip file put its central directory.
struct ZipDirectoryLocation
{
    qint64 offset = 0; // from the start of the file
    qint64 size = 0;
};

// The central directory of a zip archive: the records, checked once, and a lookup by member name.
class ZipDirectory
{
public:
    // Largest central directory read: 60,000 members with long names fit with room to spare.
    static constexpr qint64 kMaxSize = 16 * 1024 * 1024;

    // Finds the end-of-central-directory record (and its Zip64 form when the record defers to it) in
    // `tail`, the last bytes of a file of `fileSize` bytes. Nothing when there is none, or when the
    // directory it names does not lie inside the file before the record or is larger than kMaxSize.
    static std::optional<ZipDirectoryLocation> locate(QByteArrayView tail, qint64 fileSize);
    // Reads the records of `bytes`, the whole central directory, up to its end or its first
    // malformed record. Nothing when not even one record is sound.
    static std::optional<ZipDirectory> parse(QByteArray bytes);

    qsizetype count() const { return qsizetype(m_records.size()); }
    // The first member whose name equals `name`, ASCII letters compared without regard to case, as
    // package part names are; nothing when there is none or its sizes and offset are not readable.
    std::optional<ZipEntry> find(QByteArrayView name) const;

private:
    explicit ZipDirectory(QByteArray bytes)
        : m_bytes(std::move(bytes))
    {}
    std::optional<ZipEntry> entryAt(qsizetype record) const;

    QByteArray m_bytes;
    std::vector<qint32> m_records; // offsets of the checked records in m_bytes
};
