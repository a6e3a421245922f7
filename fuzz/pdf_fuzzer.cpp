// libFuzzer target: the bytes of a whole file, read as a PDF file's summary properties, by qpdf and by the
// plain reader, which must give qpdf's values whenever it reads the file; the same bytes also go straight
// to the XMP reader (whose two XML readers must agree) and to the PDF text and date decoders.
#include "platform/byte_source.h"
#include "platform/pdf_plain_reader.h"
#include "platform/pdf_reader.h"
#include "platform/pdf_text.h"
#include "platform/xml_reading.h"
#include "platform/xmp_properties.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

bool sameProperties(const DocumentProperties &a, const DocumentProperties &b)
{
    for (int id = 0; id <= DocumentProperties::kMaxId; ++id) {
        const auto dateA = a.date(id);
        const auto dateB = b.date(id);
        if (a.text(id) != b.text(id) || a.number(id) != b.number(id) ||
            dateA.has_value() != dateB.has_value() || (dateA && dateA->time != dateB->time))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // qpdf itself is not instrumented, so larger inputs only slow the search down.
    if (size > 256 * 1024)
        return 0;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    MemoryByteSource source(bytes);
    const std::optional<PdfRawValues> byQpdf = readPdfRawValues(source);
    if (const std::optional<PdfRawValues> plain = readPlainPdf(source)) {
        // qpdf's read stops after a spell of processor time, which a loaded machine (or a virtual one
        // whose core was taken away) can stretch: a difference counts when a second read gives it too.
        if (plain != byQpdf && plain != readPdfRawValues(source))
            std::abort();
    }
    const DocumentProperties xmp = readXmpProperties(bytes);
    if (bytes.count('=') <= kMaxStreamReaderEquals &&
        !sameProperties(xmp, readXmpPropertiesWithStreamReader(bytes)))
        std::abort();
    (void)parsePdfDate(decodePdfText(bytes));
    return 0;
}
