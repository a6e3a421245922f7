#include "platform/pdf_reader.h"
#include "support/pdf_agreement.h"
#include "support/pdf_writer.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kXmpHead = "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"><rdf:RDF "
                            "xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\"><rdf:Description "
                            "xmlns:dc=\"http://purl.org/dc/elements/1.1/\"><dc:creator><rdf:Seq><rdf:li>XMP"
                            "</rdf:li></rdf:Seq></dc:creator></rdf:Description></rdf:RDF></x:xmpmeta>";

// Run-length encoding: literal runs of at most 128 bytes, then 300 blanks as repeats, then the end mark.
QByteArray runLength(const QByteArray &bytes)
{
    QByteArray encoded;
    for (qsizetype at = 0; at < bytes.size(); at += 128)
        encoded += char(std::min<qsizetype>(128, bytes.size() - at) - 1) + bytes.mid(at, 128);
    return encoded + QByteArray("\x9D \x9D \x9D \x80");
}

QByteArray replaced(QByteArray bytes, const QByteArray &before, const QByteArray &after)
{
    return bytes.replace(before, after);
}

// A PDF file titled "Titre" whose XMP stream, filtered by `filter`, holds `stream`.
QByteArray withXmp(const QByteArray &filter, const QByteArray &stream,
                   const QByteArray &info = "/Title (Titre)")
{
    return minimalPdf(info, "/Metadata 5 0 R",
                      {{5, pdfStream("/Type /Metadata /Subtype /XML" + filter, stream)}});
}

} // namespace

TEST(PdfHostile, DamagedFilesGiveWhatIsSoundWithoutCrashOrHang)
{
    struct Case
    {
        const char *name;
        QByteArray bytes;
        ReadStatus status;
        std::optional<QString> title;
        std::optional<qint64> pages;
        std::optional<QString> author = std::nullopt;
    };
    const QByteArray sound = minimalPdf("/Title (Titre)");
    const QByteArray deepArray = QByteArray("[").repeated(100000) + QByteArray("]").repeated(100000);
    const QString title = u"Titre"_s;
    QByteArray attributes;
    for (int i = 0; i < 100000; ++i)
        attributes += " a" + QByteArray::number(i) + "=''";
    const Case cases[] = {
        {"information dictionary that holds itself", minimalPdf("/Title (Titre) /Info 4 0 R /Author 4 0 R"),
         ReadStatus::Ok, title, 1},
        {"information dictionary that is a reference to itself",
         replaced(minimalPdf("/Title (Titre)", {}, {{5, "5 0 R"}}), "/Info 4 0 R", "/Info 5 0 R"),
         ReadStatus::Ok, std::nullopt, 1},
        {"page tree that holds itself, count beyond the objects",
         replaced(sound, "/Kids [3 0 R] /Count 1", "/Kids [3 0 R 2 0 R] /Count 2147483647"), ReadStatus::Ok,
         title, 1},
        {"page tree cycle through a second node",
         minimalPdf("/Title (Titre)", {}, {{5, "<< /Type /Pages /Kids [2 0 R 3 0 R 3 0 R] >>"}})
             .replace("/Kids [3 0 R] /Count 1", "/Kids [5 0 R] /Count -1"),
         ReadStatus::Ok, title, 1},
        {"trailer size and page count both huge",
         replaced(replaced(sound, "/Size 5", "/Size 2147483647"), "/Count 1", "/Count 2000000000"),
         ReadStatus::Ok, title, 1},
        {"startxref past the end", replaced(sound, "startxref\n", "startxref\n99999999999"), ReadStatus::Ok,
         title, 1},
        {"cross-reference offsets all wrong",
         replaced(sound, "%PDF-1.7\n", "%PDF-1.7\n" + QByteArray(100, ' ')), ReadStatus::Ok, title, 1},
        {"deeply nested arrays", minimalPdf("/Title (Titre) /Keywords " + deepArray), ReadStatus::Ok,
         std::nullopt, 1},
        // Left by the plain reader to qpdf, which makes an object of every number until its time is up:
        // nothing more is read after that.
        {"array of 4,000,000 numbers",
         minimalPdf("/Title (Titre) /Keywords [" + QByteArray("0 ").repeated(4000000) + "]"), ReadStatus::Ok,
         std::nullopt, std::nullopt},
        {"Flate bomb as the XMP stream", withXmp(" /Filter /FlateDecode", deflated(kXmpHead, 64 << 20)),
         ReadStatus::Ok, title, 1},
        {"small XMP stream, compressed", withXmp(" /Filter /FlateDecode", deflated(kXmpHead, 1000)),
         ReadStatus::Ok, title, 1, u"XMP"_s},
        {"XMP stream in run-length encoding", withXmp(" /Filter /RunLengthDecode", runLength(kXmpHead)),
         ReadStatus::Ok, title, 1, u"XMP"_s},
        {"XMP element with 100,000 attributes",
         withXmp({}, replaced(kXmpHead, "<rdf:Description", "<rdf:Description" + attributes)), ReadStatus::Ok,
         title, 1},
        // A rebuilt cross-reference would take the last "4 0 obj" in the file, the decoy in stream 5.
        {"cross-reference stream with PNG predictors",
         minimalPdfWriter("/Title (Titre)", {},
                          {{5, pdfStream({}, "\n4 0 obj\n<< /Title (Leurre) >>\nendobj\n")}})
             .buildWithStream(kMinimalTrailer, true),
         ReadStatus::Ok, title, 1},
        {"cross-reference stream with an unknown PNG row type",
         minimalPdfWriter("/Title (Titre)").buildWithStream(kMinimalTrailer, true, 0, 7), ReadStatus::Damaged,
         std::nullopt, std::nullopt},
        {"Flate bomb as the cross-reference stream",
         minimalPdfWriter("/Title (Titre)").buildWithStream(kMinimalTrailer, false, 64 << 20),
         ReadStatus::Damaged, std::nullopt, std::nullopt},
        {"signature after the first kilobyte", QByteArray(1024, ' ') + sound, ReadStatus::OtherFormat,
         std::nullopt, std::nullopt},
        {"empty file", QByteArray(), ReadStatus::OtherFormat, std::nullopt, std::nullopt},
        {"header only", "%PDF-1.7\n", ReadStatus::Damaged, std::nullopt, std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ReadStatus status = ReadStatus::Ok;
        const auto properties = parsePdfProperties(c.bytes, &status);
        readsPlainlyAsQpdf(c.bytes);
        EXPECT_EQ(status, c.status);
        ASSERT_EQ(properties.has_value(), c.status == ReadStatus::Ok);
        if (!properties)
            continue;
        EXPECT_EQ(properties->text(2), c.title);
        EXPECT_EQ(properties->number(14), c.pages);
        EXPECT_EQ(properties->text(4), c.author);
    }
}

TEST(PdfHostile, EveryTruncationIsSurvived)
{
    const QByteArray sound = withXmp({}, kXmpHead, "/Title (Titre) /CreationDate (D:20230615)");
    for (qsizetype length = 0; length < sound.size(); length += 7) {
        SCOPED_TRACE(length);
        ReadStatus status = ReadStatus::Ok;
        const auto properties = parsePdfProperties(sound.first(length), &status);
        EXPECT_EQ(properties.has_value(), status == ReadStatus::Ok);
        readsPlainlyAsQpdf(sound.first(length));
    }
}
