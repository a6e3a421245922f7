#pragma once

#include "platform/read_status.h"
#include "platform/zip_directory.h"
#include "platform/zip_member.h"

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

class ByteSource;

// A zip archive read through a byte source. Opening reads the file's last 64 KB once (the whole file
// when it is no larger), finds the central directory there (or reads it, up to ZipDirectory::kMaxSize);
// members are read on demand, from those bytes when they lie inside them. The source must outlive it.
class ZipArchive
{
public:
    static constexpr qint64 kTailSize = 64 * 1024;

    // What reading one member gave.
    enum class Member { Present, Missing, Unreadable };

    // Nothing when the file is not a zip archive (status OtherFormat), starts like one but has no
    // readable central directory (Damaged), or cannot be read (Unreadable).
    static std::optional<ZipArchive> open(ByteSource &source, ReadStatus *status);

    bool contains(QByteArrayView name) const { return m_directory.find(name).has_value(); }
    // The bytes of the member called `name` (see ZipDirectory::find); `bytes` is set only when Present.
    // Unreadable: it declares more than `maxSize` bytes, its local header or data lie outside the file,
    // or extractZipMember refuses it.
    Member read(QByteArrayView name, QByteArray *bytes, qint64 maxSize = kMaxZipMemberSize) const;

private:
    ZipArchive(ByteSource &source, QByteArray tail, ZipDirectory directory)
        : m_source(&source)
        , m_tail(std::move(tail))
        , m_directory(std::move(directory))
    {}
    // `length` bytes at `offset`, from the tail when they lie in it.
    std::optional<QByteArray> bytesAt(qint64 offset, qint64 length) const;

    ByteSource *m_source;
    QByteArray m_tail; // the last bytes of the file
    ZipDirectory m_directory;
};
