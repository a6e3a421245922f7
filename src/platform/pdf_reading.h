#pragma once

#include "platform/document_properties.h"
#include "platform/read_status.h"

#include <optional>

class ByteSource;

// How PDF files are read: readPdfProperties (pdf_reader.h), linked into the program, or found in a module
// that the program loads the first time a PDF file is read, so that a program that reads none never loads
// qpdf and the libraries it needs. Null when the module cannot be loaded (the reason is then on standard
// error, once). Safe to call from several threads.
using PdfPropertiesReader = std::optional<DocumentProperties> (*)(ByteSource &, ReadStatus *);
PdfPropertiesReader pdfPropertiesReader();
