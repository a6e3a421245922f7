#include "platform/document_reader.h"
#include "support/counting_source.h"
#include "support/hostile_packages.h"
#include "support/pdf_writer.h"

#include <gtest/gtest.h>

namespace {

const QByteArray kOdfMeta =
    R"(<office:document-meta xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" )"
    R"(xmlns:dc="http://purl.org/dc/elements/1.1/"><office:meta><dc:title>Titre</dc:title></office:meta>)"
    R"(</office:document-meta>)";

} // namespace

TEST(DocumentReader, TellsFormatsApartByTheirContent)
{
    const QByteArray pdf = minimalPdf("/Title (Titre)");
    struct Case
    {
        const char *name;
        QByteArray bytes;
        PdfReading pdf;
        DocumentFormat format;
        ReadStatus status;
    };
    using F = DocumentFormat;
    using S = ReadStatus;
    const Case cases[] = {
        {"Office Open XML", buildZip(ooxmlMembers({"docProps/core.xml", corePart("Titre")})),
         PdfReading::Read, F::OfficeOpenXml, S::Ok},
        {"OpenDocument",
         buildZip({{"mimetype", "application/vnd.oasis.opendocument.text", false}, {"meta.xml", kOdfMeta}}),
         PdfReading::Read, F::OpenDocument, S::Ok},
        {"OpenDocument without properties",
         buildZip({{"mimetype", "application/vnd.oasis.opendocument.text", false}}), PdfReading::Read,
         F::OpenDocument, S::NoSummary},
        {"a zip that is no package", buildZip({{"readme.txt", "hello"}}), PdfReading::Read, F::Unknown,
         S::OtherFormat},
        {"a zip cut short", buildZip(ooxmlMembers({"docProps/core.xml", corePart("Titre")})).left(100),
         PdfReading::Read, F::Unknown, S::Damaged},
        {"an empty zip", QByteArray("PK\x05\x06", 4) + QByteArray(18, '\0'), PdfReading::Read, F::Unknown,
         S::OtherFormat},
        {"%PDF- at offset 500", QByteArray(500, ' ') + pdf, PdfReading::Read, F::Pdf, S::Ok},
        {"%PDF- at offset 500, only recognised", QByteArray(500, ' ') + pdf, PdfReading::RecogniseOnly,
         F::Pdf, S::NotRead},
        {"%PDF- at offset 1100", QByteArray(1100, ' ') + pdf, PdfReading::Read, F::Unknown, S::OtherFormat},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const DocumentRead read = readDocumentBytes(c.bytes, c.pdf);
        EXPECT_EQ(read.format, c.format);
        EXPECT_EQ(read.status, c.status);
        ASSERT_EQ(read.properties.has_value(), c.status == S::Ok);
        if (read.properties) {
            EXPECT_EQ(read.properties->text(2), QStringLiteral("Titre"));
        }
    }
}

TEST(DocumentReader, RecognisingAPdfCostsOneRead)
{
    // A large PDF whose properties are not wanted is not read beyond its head.
    const QByteArray large = minimalPdf("/Title (Titre)", {}, {{5, pdfStream({}, QByteArray(1 << 20, 'x'))}});
    CountingSource source(large);
    EXPECT_EQ(readDocument(source, PdfReading::RecogniseOnly).status, ReadStatus::NotRead);
    EXPECT_EQ(source.reads, 1);
    EXPECT_LE(source.bytesRead, 64 * 1024);
}
