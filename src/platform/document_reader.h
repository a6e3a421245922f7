#pragma once

#include "platform/document_format.h"
#include "platform/document_properties.h"
#include "platform/file_byte_source.h"
#include "platform/read_status.h"

#include <QByteArray>
#include <QString>
#include <optional>

class ByteSource;

// What the reading of one file found: its format, whether its summary properties could be read and, when
// they could, the properties.
struct DocumentRead
{
    DocumentFormat format = DocumentFormat::Unknown;
    ReadStatus status = ReadStatus::OtherFormat;
    std::optional<DocumentProperties> properties; // set exactly when `status` is Ok
    // The system's reason when the file could not be opened or read (then `status` is Unreadable); empty
    // otherwise, and when the file was not read because it is not a regular file.
    QString failure;
};

// Whether the properties of a PDF file are read, or the file is only recognised as one: reading a PDF
// costs far more than reading a document of the other formats.
enum class PdfReading { Read, RecogniseOnly };

// Reads the summary properties of a regular file, whatever its format, recognised by content: an OLE
// compound file by its signature; a zip archive (a local header, or the signature of an empty or a spanned
// archive, at the start) by the package reader, which tells Office Open XML from OpenDocument; a PDF by
// "%PDF-" within its first 1024 bytes, read only with PdfReading::Read (else NotRead), by the plain PDF
// reader, or by qpdf when the plain reader leaves the file to it. A zip archive that
// is no package of either kind has the format Unknown. The head of the file is read once: the whole file
// when it is at most 64 KB (then no other read is made), else its first 64 KB, and the format's reader
// reads only what it needs beyond it. Safe to call from several threads at once on different sources.
DocumentRead readDocument(ByteSource &file, PdfReading pdf = PdfReading::Read);
// The same for the file at `path`, read only when it is a regular file; Unreadable when it cannot be
// opened or read.
DocumentRead readDocument(const QString &path, PdfReading pdf = PdfReading::Read,
                          KnownFileType known = KnownFileType::Unknown);
// The same over the bytes of a whole file in memory (tests and the fuzzer).
DocumentRead readDocumentBytes(const QByteArray &bytes, PdfReading pdf = PdfReading::Read);
