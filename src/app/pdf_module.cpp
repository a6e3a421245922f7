#include "platform/pdf_reader.h"
#include "platform/pdf_reading.h"

// The entry point of the PDF module (see pdf_reading.h): everything else in it stays private to it.
extern "C" __attribute__((visibility("default"))) PdfPropertiesReader fichoramaPdfPropertiesReader()
{
    return readPdfProperties;
}
