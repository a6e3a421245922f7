#include "platform/file_byte_source.h"
#include "platform/pdf_reader.h"
#include "support/counting_source.h"
#include "support/pdf_writer.h"
#include "support/test_files.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Compares every property with the manifest's reading: texts as stored, dates as UTC instants, numbers;
// a key absent from `expected` means the property is missing.
void expectProperties(const DocumentProperties &properties, const QJsonObject &expected)
{
    for (int id = 2; id <= DocumentProperties::kMaxId; ++id) {
        SCOPED_TRACE(id);
        const QJsonValue value = expected.value(QString::number(id));
        if (id >= 11 && id <= 13) {
            const auto date = properties.date(id);
            EXPECT_EQ(date ? std::optional(date->time) : std::nullopt,
                      value.isUndefined()
                          ? std::nullopt
                          : std::optional(QDateTime::fromString(value.toString(), Qt::ISODate)));
        } else if (id == 14) {
            EXPECT_EQ(properties.number(id),
                      value.isUndefined() ? std::nullopt : std::optional(value.toInteger()));
        } else {
            EXPECT_EQ(properties.text(id),
                      value.isUndefined() ? std::nullopt : std::optional(value.toString()));
        }
    }
}

} // namespace

TEST(PdfReader, CorpusFilesReadAsTheManifestSays)
{
    const QJsonObject files =
        QJsonDocument::fromJson(readFile(testData(u"modern/manifest.json"_s))).object()["files"].toObject();
    int read = 0;
    for (auto it = files.begin(); it != files.end(); ++it) {
        const QJsonObject entry = it.value().toObject();
        if (entry["format"].toString() != QLatin1String("pdf"))
            continue;
        SCOPED_TRACE(qPrintable(it.key()));
        FileByteSource source(testData(u"modern/"_s + it.key()));
        ASSERT_TRUE(source.isOpen());
        ReadStatus status = ReadStatus::Ok;
        const auto properties = readPdfProperties(source, &status);
        if (entry["reader_errors"].isArray()) {
            // The password-protected file and the one cut before its cross-reference table.
            EXPECT_FALSE(properties.has_value());
            EXPECT_NE(status, ReadStatus::Ok);
            continue;
        }
        ASSERT_TRUE(properties.has_value());
        EXPECT_EQ(status, ReadStatus::Ok);
        expectProperties(*properties, entry["props"].toObject());
        ++read;
    }
    EXPECT_EQ(read, 18);
}

TEST(PdfReader, ReadsTheHeadAndTheTailOfTheFileOnly)
{
    // Small files are read whole in one read; in larger ones the objects at the start and the
    // cross-reference table at the end are all that is needed.
    for (const qint64 padding : {0, 4 << 20}) {
        SCOPED_TRACE(padding);
        const QByteArray bytes =
            minimalPdf("/Title (Titre)", {}, {{5, pdfStream({}, QByteArray(padding, 'x'))}});
        CountingSource source(bytes);
        const auto properties = readPdfProperties(source);
        ASSERT_TRUE(properties.has_value());
        EXPECT_EQ(properties->text(2), u"Titre"_s);
        EXPECT_EQ(properties->number(14), 1);
        EXPECT_EQ(source.reads, padding ? 2 : 1);
    }
}

TEST(PdfReader, Aes256FilesOpenOnlyWithTheEmptyPassword)
{
    // The same document, encrypted with AES-256 by qpdf: revision 5 with an empty user password opens;
    // revision 6 with a user password does not, and says so.
    ReadStatus status = ReadStatus::Ok;
    FileByteSource open(testData(u"modern/encrypted/r5_sans_mot_de_passe.pdf"_s));
    const auto properties = readPdfProperties(open, &status);
    ASSERT_TRUE(properties.has_value());
    FileByteSource plain(testData(u"modern/generated/pdf_info_seul.pdf"_s));
    const auto expected = readPdfProperties(plain);
    ASSERT_TRUE(expected.has_value());
    for (const int id : {2, 3, 4, 5, 18})
        EXPECT_EQ(properties->text(id), expected->text(id)) << id;

    // Revision 6 with an empty user password: the key is checked by /Perms, and by the password's own hash
    // when /Perms is damaged.
    QByteArray revision6 = readFile(testData(u"modern/generated/pdf_chiffre_aes256.pdf"_s));
    for (const bool damaged : {false, true}) {
        SCOPED_TRACE(damaged);
        if (damaged)
            revision6.replace("/Perms <bc93", "/Perms <0000");
        CountingSource source(revision6);
        const auto opened = readPdfProperties(source, &status);
        ASSERT_TRUE(opened.has_value());
        EXPECT_EQ(opened->text(2), u"Document chiffré AES-256"_s);
    }

    FileByteSource locked(testData(u"modern/encrypted/r6_mot_de_passe.pdf"_s));
    EXPECT_FALSE(readPdfProperties(locked, &status).has_value());
    EXPECT_EQ(status, ReadStatus::Unreadable);
}
