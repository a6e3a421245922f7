#include "platform/document_reader.h"

#include "platform/file_byte_source.h"
#include "platform/ole_properties.h"
#include "platform/package_reader.h"
#include "platform/pdf_plain_reader.h"
#include "platform/pdf_reading.h"
#include "platform/prefetched_byte_source.h"

#include <algorithm>
#include <iterator>

namespace {

// What is read first, in one read: the whole file up to this size, which most Office documents of a
// directory are not above; of a larger file, enough to recognise every format and more than the compound
// file header with either sector size.
constexpr qint64 kHeadBytes = 64 * 1024;
constexpr char kOleSignature[] = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
// A zip archive starts with a member's local header, with the end record of an archive without members,
// or with the marker of an archive written for spanning.
constexpr const char *kZipSignatures[] = {"PK\x03\x04", "PK\x05\x06", "PK\x07\x08"};
// A PDF file has "%PDF-" within its first 1024 bytes; what comes before is tolerated by readers.
constexpr qint64 kPdfSignatureWindow = 1024;

DocumentRead readWith(DocumentFormat format,
                      std::optional<DocumentProperties> (*reader)(ByteSource &, ReadStatus *),
                      ByteSource &source)
{
    DocumentRead result;
    result.format = format;
    result.properties = reader(source, &result.status);
    return result;
}

bool isZip(QByteArrayView head)
{
    return std::any_of(std::begin(kZipSignatures), std::end(kZipSignatures),
                       [&](const char *signature) { return head.startsWith(QByteArrayView(signature, 4)); });
}

DocumentRead readPackage(ByteSource &source)
{
    DocumentRead result;
    std::optional<PackageFormat> kind;
    result.properties = readPackageProperties(source, &kind, &result.status);
    if (kind)
        result.format = *kind == PackageFormat::OpenDocument ? DocumentFormat::OpenDocument
                                                             : DocumentFormat::OfficeOpenXml;
    return result;
}

} // namespace

DocumentRead readDocument(ByteSource &file, PdfReading pdf)
{
    PrefetchedByteSource source(file, kHeadBytes);
    if (!source.isRead())
        return {DocumentFormat::Unknown, ReadStatus::Unreadable, std::nullopt, {}};
    const QByteArrayView head = source.head();

    // Formats are told apart here, by their first bytes, and handed to their reader.
    if (head.startsWith(QByteArrayView(kOleSignature, 8)))
        return readWith(DocumentFormat::Ole, readOleProperties, source);
    if (isZip(head))
        return readPackage(source);
    if (head.first(std::min<qsizetype>(head.size(), kPdfSignatureWindow)).contains(QByteArrayView("%PDF-"))) {
        if (pdf == PdfReading::RecogniseOnly)
            return {DocumentFormat::Pdf, ReadStatus::NotRead, std::nullopt, {}};
        // Most files are read without qpdf; the others are left to it.
        if (const std::optional<PdfRawValues> values = readPlainPdf(source))
            return {DocumentFormat::Pdf, ReadStatus::Ok, pdfProperties(*values), {}};
        const PdfPropertiesReader reader = pdfPropertiesReader();
        if (!reader)
            return {DocumentFormat::Pdf, ReadStatus::NotRead, std::nullopt, {}};
        return readWith(DocumentFormat::Pdf, reader, source);
    }
    return {DocumentFormat::Unknown, ReadStatus::OtherFormat, std::nullopt, {}};
}

DocumentRead readDocument(const QString &path, PdfReading pdf, KnownFileType known)
{
    FileByteSource file(path, known);
    if (!file.isOpen())
        return {DocumentFormat::Unknown, ReadStatus::Unreadable, std::nullopt, file.failureReason()};
    DocumentRead result = readDocument(file, pdf);
    if (result.status == ReadStatus::Unreadable)
        result.failure = file.failureReason();
    return result;
}

DocumentRead readDocumentBytes(const QByteArray &bytes, PdfReading pdf)
{
    MemoryByteSource source(bytes);
    return readDocument(source, pdf);
}
