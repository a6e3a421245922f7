#include "platform/byte_source.h"
#include "platform/package_reader.h"
#include "support/counting_source.h"
#include "support/hostile_packages.h"
#include "support/test_files.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QByteArray kOdfMeta =
    R"(<?xml version="1.0" encoding="UTF-8"?><office:document-meta xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" )"
    R"(xmlns:dc="http://purl.org/dc/elements/1.1/"><office:meta><dc:title>Titre</dc:title></office:meta></office:document-meta>)";

QString titleOf(const std::optional<DocumentProperties> &properties)
{
    return properties && properties->text(2) ? *properties->text(2) : QStringLiteral("(none)");
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
        std::vector<ZipMemberLayout> members;
        ReadStatus status;
        PackageFormat format; // checked when the package is recognised
        QString title;
    };
    using F = PackageFormat;
    const Case cases[] = {
        {"OpenDocument by its mimetype",
         {{"mimetype", "application/x-anything", false}, {"meta.xml", kOdfMeta}},
         ReadStatus::Ok,
         F::OpenDocument,
         "Titre"},
        {"OpenDocument by its manifest",
         {{"META-INF/manifest.xml", "<m/>"}, {"meta.xml", kOdfMeta}},
         ReadStatus::Ok,
         F::OpenDocument,
         "Titre"},
        {"OpenDocument without meta",
         {{"mimetype", "application/vnd.oasis.opendocument.text"}},
         ReadStatus::NoSummary,
         F::OpenDocument,
         "(none)"},
        {"meta.xml alone", {{"meta.xml", kOdfMeta}}, ReadStatus::OtherFormat, {}, "(none)"},
        {"Office Open XML without relationships",
         {{"docProps/core.xml", corePart("Titre")}},
         ReadStatus::Ok,
         F::OfficeOpenXml,
         "Titre"},
        {"the standard relationship wins",
         {{"_rels/.rels", rels(lookAlike + standard)},
          {"docProps/stale.xml", corePart("Vieux")},
          {"docProps/core.xml", corePart("Titre")}},
         ReadStatus::Ok,
         F::OfficeOpenXml,
         "Titre"},
        {"a look-alike alone counts",
         {{"_rels/.rels", rels(lookAlike)}, {"docProps/stale.xml", corePart("Vieux")}},
         ReadStatus::Ok,
         F::OfficeOpenXml,
         "Vieux"},
        {"part names ignore case",
         {{"_rels/.rels", rels(standard)}, {"DOCPROPS/Core.XML", corePart("Titre")}},
         ReadStatus::Ok,
         F::OfficeOpenXml,
         "Titre"},
        {"external targets are not parts",
         {{"_rels/.rels", rels(external)}, {"docProps/core.xml", corePart("Titre")}},
         ReadStatus::NoSummary,
         F::OfficeOpenXml,
         "(none)"},
        {"a UTF-16 part",
         {{"docProps/core.xml", utf16Bytes}},
         ReadStatus::Ok,
         F::OfficeOpenXml,
         "Ελληνικά 📄"},
        {"a zip of something else", {{"readme.txt", "hello"}}, ReadStatus::OtherFormat, {}, "(none)"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ReadStatus status = ReadStatus::Unreadable;
        std::optional<PackageFormat> format =
            c.format == F::OpenDocument ? F::OfficeOpenXml : F::OpenDocument;
        const auto properties = readPackageProperties(buildZip(c.members), &format, &status);
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
        EXPECT_EQ(titleOf(properties), hostile.title.value_or(QStringLiteral("(none)")));
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
