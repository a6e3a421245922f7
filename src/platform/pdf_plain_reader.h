#pragma once

#include "platform/pdf_values.h"

#include <optional>

class ByteSource;

// Reads the raw property values of a plain PDF file without qpdf: a file that starts with "%PDF-", whose
// cross-reference sections are tables (no cross-reference streams), that is not encrypted, and whose
// objects on the way (trailer, information dictionary, catalog, page tree root, XMP stream, lengths) are
// where the tables say, written in the common forms. The XMP stream may be stored or Flate-compressed,
// without parameters; the page count is the root's /Count, below the number of objects in use and the
// trailer's /Size.
//
// Nothing when the file is anything else or anything on the way is unusual: the file is then left to
// qpdf. So whatever this gives is what qpdf gives for the same file. Cost: a few positioned reads of the
// source (none for a small file already in memory), one pass over the cross-reference tables, and the
// objects on the way; at most 4 MB decoded from the XMP stream.
std::optional<PdfRawValues> readPlainPdf(ByteSource &source);
