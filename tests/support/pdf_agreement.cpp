#include "support/pdf_agreement.h"

#include "platform/byte_source.h"
#include "platform/pdf_plain_reader.h"
#include "platform/pdf_reader.h"

#include <gtest/gtest.h>

bool readsPlainlyAsQpdf(const QByteArray &bytes)
{
    MemoryByteSource source(bytes);
    const std::optional<PdfRawValues> plain = readPlainPdf(source);
    if (!plain)
        return false;
    const std::optional<PdfRawValues> byQpdf = readPdfRawValues(source);
    EXPECT_TRUE(byQpdf.has_value());
    if (byQpdf) {
        EXPECT_EQ(plain->info, byQpdf->info);
        EXPECT_EQ(plain->xmp, byQpdf->xmp);
        EXPECT_EQ(plain->pages, byQpdf->pages);
    }
    return true;
}
