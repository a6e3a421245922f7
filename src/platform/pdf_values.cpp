#include "platform/pdf_values.h"

#include "platform/pdf_text.h"
#include "platform/xmp_properties.h"

namespace {

// The property each key of kPdfInfoKeys gives; the last two are dates.
constexpr int kInfoIds[kPdfInfoKeyCount] = {2, 3, 4, 5, 18, 12, 13};
constexpr size_t kFirstDate = 5;

} // namespace

DocumentProperties pdfProperties(const PdfRawValues &values)
{
    DocumentProperties properties;
    for (size_t i = 0; i < kPdfInfoKeyCount; ++i) {
        if (!values.info[i])
            continue;
        const QString text = decodePdfText(*values.info[i]);
        if (i < kFirstDate) {
            properties.setText(kInfoIds[i], text);
        } else if (const auto instant = parsePdfDate(text)) {
            properties.setDate(kInfoIds[i], DocumentDate{*instant, false});
        }
    }
    if (values.xmp) {
        const DocumentProperties xmp = readXmpProperties(*values.xmp);
        for (const int id : {2, 3, 4, 5, 18}) {
            if (!properties.text(id) && xmp.text(id))
                properties.setText(id, *xmp.text(id));
        }
        for (const int id : {12, 13}) {
            if (!properties.date(id) && xmp.date(id))
                properties.setDate(id, *xmp.date(id));
        }
    }
    if (values.pages)
        properties.setNumber(14, *values.pages);
    return properties;
}
