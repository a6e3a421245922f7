#include "platform/pdf_reader.h"
#include "platform/pdf_reading.h"

// The programs that load PDF support as a module define pdfPropertiesReader themselves; this definition,
// and with it qpdf, is then left out of them.
PdfPropertiesReader pdfPropertiesReader()
{
    return readPdfProperties;
}
