#pragma once

#include "platform/document_properties.h"
#include "platform/pdf_values.h"
#include "platform/read_status.h"

#include <QByteArray>
#include <optional>

class ByteSource;

// Reads the summary properties of a PDF file (a file with "%PDF-" in its first 1024 bytes) with qpdf:
// title 2, subject 3, author 4, keywords 5, created 12, saved 13 and application 18 (the creator) from
// the document information dictionary, each missing one from the XMP metadata of the catalog; pages 14
// from the page tree. A file encrypted with an empty user password is read; one that needs a password
// gives nothing. Never throws. Cost: open, the head and the tail of the file in one read each (the whole
// file in one read below 256 KB), further reads only where the objects lie; at most 2 MB plus 8 times
// the file's size handed to qpdf (16 MB at most), 4 MB decoded from any one stream, and 50 ms of
// processor time.
// Nothing when the file is no PDF (OtherFormat), cannot be read or needs a password (Unreadable), or
// its structure cannot be made out (Damaged); `status` says which, and Ok when values are returned
// (maybe none).
std::optional<DocumentProperties> readPdfProperties(ByteSource &source, ReadStatus *status = nullptr);
// The values that readPdfProperties decodes, as qpdf gives them.
std::optional<PdfRawValues> readPdfRawValues(ByteSource &source, ReadStatus *status = nullptr);
// The same over the bytes of a whole file in memory.
std::optional<DocumentProperties> parsePdfProperties(const QByteArray &wholeFile,
                                                     ReadStatus *status = nullptr);
