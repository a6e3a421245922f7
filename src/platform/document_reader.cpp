#include "platform/document_reader.h"

#include "platform/file_byte_source.h"
#include "platform/ole_properties.h"
#include "platform/prefetched_byte_source.h"

namespace {

// A file up to this size is read whole, in one read; most Office documents of a directory are smaller.
constexpr qint64 kWholeFileBytes = 64 * 1024;
// What is read first of a larger file: enough to recognise every format and for the compound file header
// with either sector size.
constexpr qint64 kHeadBytes = 4096;
constexpr char kOleSignature[] = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";

DocumentRead readWith(DocumentFormat format,
                      std::optional<DocumentProperties> (*reader)(ByteSource &, ReadStatus *),
                      ByteSource &source)
{
    DocumentRead result;
    result.format = format;
    result.properties = reader(source, &result.status);
    return result;
}

} // namespace

DocumentRead readDocument(ByteSource &file)
{
    const qint64 size = file.size();
    PrefetchedByteSource source(file, size <= kWholeFileBytes ? size : kHeadBytes);
    if (!source.isRead())
        return {DocumentFormat::Unknown, ReadStatus::Unreadable, std::nullopt};
    const QByteArrayView head = source.head();

    // Formats are told apart here, by their first bytes, and handed to their reader.
    if (head.startsWith(QByteArrayView(kOleSignature, 8)))
        return readWith(DocumentFormat::Ole, readOleProperties, source);
    return {DocumentFormat::Unknown, ReadStatus::OtherFormat, std::nullopt};
}

DocumentRead readDocument(const QString &path)
{
    FileByteSource file(path);
    if (!file.isOpen())
        return {DocumentFormat::Unknown, ReadStatus::Unreadable, std::nullopt, file.failureReason()};
    DocumentRead result = readDocument(file);
    if (result.status == ReadStatus::Unreadable)
        result.failure = file.failureReason();
    return result;
}

DocumentRead readDocumentBytes(const QByteArray &bytes)
{
    MemoryByteSource source(bytes);
    return readDocument(source);
}
