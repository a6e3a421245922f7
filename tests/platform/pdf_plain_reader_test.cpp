#include "platform/document_reader.h"
#include "support/counting_source.h"
#include "support/pdf_agreement.h"
#include "support/pdf_writer.h"
#include "support/test_files.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(PdfPlainReader, ReadsTheCommonLayoutsAsQpdfDoes)
{
    // Cross-reference tables and streams, object streams, linearized files, incremental updates; the
    // encrypted and the damaged files are left to qpdf.
    int plain = 0;
    for (const QString &folder : {u"modern/generated"_s, u"modern/real"_s, u"modern/malformed"_s,
                                  u"modern/encrypted"_s, u"pdf_variants"_s}) {
        const QDir directory(testData(folder));
        for (const QString &name : directory.entryList({u"*.pdf"_s}, QDir::Files)) {
            SCOPED_TRACE(qPrintable(name));
            const bool read = readsPlainlyAsQpdf(readFile(directory.filePath(name)));
            EXPECT_TRUE(read || !folder.startsWith(u"pdf_variants"_s));
            plain += read;
        }
    }
    EXPECT_EQ(plain, 20);
}

TEST(PdfPlainReader, LeavesWhatItDoesNotReadToQpdf)
{
    const QByteArray info = "/Title (Titre \\(1\\) \\351t\\351) /Author <C9 6C6F>";
    const QByteArray sound = minimalPdf(info);
    const auto withTrailer = [](const QByteArray &entries) {
        return minimalPdfWriter("/Title (T)").build(entries);
    };
    const QByteArray withXmp = minimalPdf("/Title (T)", "/Metadata 5 0 R", {{5, pdfStream({}, "xmp")}});
    const struct
    {
        const char *name;
        QByteArray bytes;
        bool plain;
    } cases[] = {
        {"sound", sound, true},
        {"cross-reference stream", minimalPdfWriter(info).buildWithStream(kMinimalTrailer, true), true},
        {"cross-reference stream numbered as another object",
         minimalPdfWriter(info)
             .buildWithStream(kMinimalTrailer, true)
             .replace("5 0 obj\n<< /Type /XRef", "4 0 obj\n<< /Type /XRef"),
         false},
        {"comments and other white space", minimalPdf(info, "%c\r\n/Lang\f(fr)\t"), true},
        {"carriage return inside a string", minimalPdf("/Title (Ti\rtre)"), false},
        {"octal escape above 255", minimalPdf("/Title (\\401)"), false},
        {"escaped name", minimalPdf("/Auth#6fr (X)"), false},
        {"odd count of hex digits", minimalPdf("/Author <C96C6>"), false},
        {"duplicate key", minimalPdf("/Title (X) /Title (Y)"), false},
        {"encrypted", withTrailer(kMinimalTrailer + " /Encrypt 4 0 R"), false},
        {"reference to a missing object", withTrailer("/Root 1 0 R /Info 9 0 R"), false},
        {"reference of the wrong generation", withTrailer("/Root 1 0 R /Info 4 1 R"), false},
        {"object at offset 0, which qpdf takes for null",
         QByteArray(sound).replace(QByteArray::number(sound.indexOf("1 0 obj")).rightJustified(10, '0') +
                                       " 00000 n",
                                   "0000000000 00000 n"),
         false},
        {"page count as large as the object count", QByteArray(sound).replace("/Count 1", "/Count 4"), false},
        {"vertical tab", QByteArray(sound).replace("/Pages 2 0 R", "/Pages\v2 0 R"), false},
        {"stream length too short", QByteArray(withXmp).replace("/Length 3", "/Length 2"), false},
        {"trailer followed by a stream",
         QByteArray(sound).replace("\nstartxref", "\nstream\nendstream\nstartxref"), false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(readsPlainlyAsQpdf(c.bytes), c.plain);
    }
}

TEST(PdfPlainReader, ReadsALargeFileInTwoReads)
{
    // The first read of the document reader holds the objects; a second one the end of the file.
    const QByteArray bytes = minimalPdf("/Title (Titre)", {}, {{5, pdfStream({}, QByteArray(4 << 20, 'x'))}});
    CountingSource source(bytes);
    const DocumentRead read = readDocument(source, PdfReading::Read);
    ASSERT_TRUE(read.properties.has_value());
    EXPECT_EQ(read.properties->text(2), u"Titre"_s);
    EXPECT_EQ(read.properties->number(14), 1);
    EXPECT_EQ(source.reads, 2);
}
