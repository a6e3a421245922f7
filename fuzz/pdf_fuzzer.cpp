// libFuzzer target: the bytes of a whole file, read as a PDF file's summary properties; the same bytes
// also go straight to the XMP reader and to the PDF text and date decoders.
#include "platform/pdf_reader.h"
#include "platform/pdf_text.h"
#include "platform/xmp_properties.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // qpdf itself is not instrumented, so larger inputs only slow the search down.
    if (size > 256 * 1024)
        return 0;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    (void)parsePdfProperties(bytes);
    (void)readXmpProperties(bytes);
    (void)parsePdfDate(decodePdfText(bytes));
    return 0;
}
