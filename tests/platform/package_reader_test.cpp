#include "platform/byte_source.h"
#include "platform/package_reader.h"
#include "support/counting_source.h"
#include "support/hostile_packages.h"
#include "support/test_files.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kOdfMeta =
    R"(<?xml version="1.0" encoding="UTF-8"?><office:document-meta xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" )"
    R"(xmlns:dc="http://purl.org/dc/elements/1.1/"><office:meta><dc:title>Titre</dc:title></office:meta></office:document-meta>)";

QString titleOf(const std::optional<DocumentProperties> &properties)
{
    return properties && properties->text(2) ? *properties->text(2) : u"(none)"_s;
}

} // namespace

TEST(PackageReader, RecognisesPackagesByTheirMembers)
{
    const QString utf16Text = QString::fromUtf8(corePart("Ελληνικά 📄").replace("UTF-8", "UTF-16"));
    const QByteArray utf16Bytes =
        QByteArray("\xff\xfe", 2) +
        QByteArray(reinterpret_cast<const char *>(utf16Text.utf16()), utf16Text.size() * 2);
    const auto rels = [](const QByteArray &relationships) {
        return R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)" +
               relationships + "</Relationships>";
    };
    const QByteArray lookAlike =
        R"(<Relationship Type="http://schemas.openxmlformats.org/officedocument/2006/relationships/metadata/core-properties" Target="docProps/stale.xml"/>)";
    const QByteArray standard =
        R"(<Relationship Type="http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties" Target="/docProps/./core.xml"/>)";
    const QByteArray external =
        R"(<Relationship Type="http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties" Target="docProps/core.xml" TargetMode="External"/>)";
    struct Case
    {
        const char *name;
        ReadStatus status;
        PackageFormat format; // checked when the package is recognised
        QString title;
        QByteArray bytes;
    };
    using F = PackageFormat;
    using S = ReadStatus;
    const ZipMemberLayout odfMeta{"meta.xml", kOdfMeta};
    const ZipMemberLayout core{"docProps/core.xml", corePart("Titre")};
    const ZipMemberLayout stale{"docProps/stale.xml", corePart("Vieux")};
    const Case cases[] = {
        {"OpenDocument by its mimetype", S::Ok, F::OpenDocument, "Titre",
         buildZip({{"mimetype", "application/x-anything", false}, odfMeta})},
        {"OpenDocument by its manifest", S::Ok, F::OpenDocument, "Titre",
         buildZip({{"META-INF/manifest.xml", "<m/>"}, odfMeta})},
        {"OpenDocument without meta", S::NoSummary, F::OpenDocument, "(none)",
         buildZip({{"mimetype", "application/vnd.oasis.opendocument.text"}})},
        {"meta.xml alone", S::OtherFormat, F::OpenDocument, "(none)", buildZip({odfMeta})},
        {"Office Open XML without relationships", S::Ok, F::OfficeOpenXml, "Titre", buildZip({core})},
        {"the standard relationship wins", S::Ok, F::OfficeOpenXml, "Titre",
         buildZip({{"_rels/.rels", rels(lookAlike + standard)}, stale, core})},
        {"a look-alike alone counts", S::Ok, F::OfficeOpenXml, "Vieux",
         buildZip({{"_rels/.rels", rels(lookAlike)}, stale})},
        {"part names ignore case", S::Ok, F::OfficeOpenXml, "Titre",
         buildZip({{"_rels/.rels", rels(standard)}, {"DOCPROPS/Core.XML", corePart("Titre")}})},
        {"external targets are not parts", S::NoSummary, F::OfficeOpenXml, "(none)",
         buildZip({{"_rels/.rels", rels(external)}, core})},
        {"a UTF-16 part", S::Ok, F::OfficeOpenXml, "Ελληνικά 📄",
         buildZip({{"docProps/core.xml", utf16Bytes}})},
        {"a zip of something else", S::OtherFormat, F::OpenDocument, "(none)",
         buildZip({{"readme.txt", "hello"}})},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ReadStatus status = ReadStatus::Unreadable;
        std::optional<PackageFormat> format =
            c.format == F::OpenDocument ? F::OfficeOpenXml : F::OpenDocument;
        const auto properties = readPackageProperties(c.bytes, &format, &status);
        EXPECT_EQ(status, c.status);
        EXPECT_EQ(format, status == ReadStatus::OtherFormat ? std::nullopt : std::optional(c.format));
        EXPECT_EQ(titleOf(properties).toStdString(), c.title.toStdString());
    }
}

TEST(PackageReader, SurvivesHostilePackages)
{
    QTemporaryDir dir;
    const QString secretPath = dir.filePath("secret.txt");
    writeFile(secretPath, "secret-marker");
    for (const HostilePackage &hostile : hostilePackages(secretPath)) {
        SCOPED_TRACE(hostile.name);
        ReadStatus status = ReadStatus::Unreadable;
        const auto properties = readPackageProperties(hostile.bytes, nullptr, &status);
        EXPECT_EQ(status, hostile.status);
        EXPECT_EQ(properties.has_value(), hostile.status == ReadStatus::Ok);
        if (!properties)
            continue;
        EXPECT_EQ(titleOf(properties), hostile.title.value_or(u"(none)"_s));
        for (int id = 0; id <= DocumentProperties::kMaxId; ++id)
            EXPECT_FALSE(properties->text(id).value_or(QString()).contains(u"secret-marker")) << id;
    }
}

TEST(PackageReader, ReadsOnlyTheTailAndTheMembersItNeeds)
{
    std::vector<ZipMemberLayout> members = ooxmlMembers({"docProps/core.xml", corePart("Titre")});
    const QByteArray small = buildZip(members);
    CountingSource smallSource(small);
    EXPECT_EQ(titleOf(readPackageProperties(smallSource)), "Titre");
    EXPECT_EQ(smallSource.reads, 1);

    // The property parts first, then 1 MB of pictures: the parts lie before the last 64 KB.
    QByteArray noise(1 << 20, '\0');
    for (qsizetype i = 0; i < noise.size(); ++i)
        noise[i] = char((i * 7919) >> 3);
    members.push_back({"media/image1.png", noise, false});
    const QByteArray large = buildZip(members);
    CountingSource largeSource(large);
    const auto properties = readPackageProperties(largeSource);
    EXPECT_EQ(titleOf(properties), "Titre");
    EXPECT_EQ(properties->text(18), "Sound");
    EXPECT_LE(largeSource.reads, 4);
    EXPECT_LT(largeSource.bytesRead, 80 * 1024);
}
