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
    EXPECT_TRUE(plain == readPdfRawValues(source)) << "the plain reader and qpdf disagree";
    return true;
}
