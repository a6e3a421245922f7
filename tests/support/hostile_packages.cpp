#include "support/hostile_packages.h"

#include "platform/xml_fields.h"
#include "support/little_endian.h"

#include <QUrl>
#include <functional>

namespace {

const QByteArray kRels =
    R"(<?xml version="1.0" encoding="UTF-8"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties" Target="docProps/core.xml"/>)"
    R"(<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/extended-properties" Target="docProps/app.xml"/>)"
    R"(</Relationships>)";
const QByteArray kApp =
    R"(<?xml version="1.0" encoding="UTF-8"?><Properties xmlns="http://schemas.openxmlformats.org/officeDocument/2006/extended-properties">)"
    R"(<Application>Sound</Application></Properties>)";

ZipMemberLayout core(const QByteArray &title, const QByteArray &prolog = {})
{
    return {"docProps/core.xml", corePart(title, prolog)};
}

QByteArray package(const ZipMemberLayout &corePart, const ZipEndLayout &end = {})
{
    return buildZip(ooxmlMembers(corePart), end);
}

// Relationships that name `target` as the core properties part, and nothing else.
QByteArray relsNaming(const QByteArray &target)
{
    QByteArray rels = kRels;
    rels.replace("docProps/core.xml", target);
    rels.replace("docProps/app.xml", target);
    return rels;
}

QByteArray nested(const QByteArray &open, const QByteArray &close, int depth)
{
    return open.repeated(depth) + close.repeated(depth);
}

// Sixty elements deep, each declaring 64 prefixes, then a thousand elements whose 60 attributes each use a
// prefix declared at the top: every prefix lookup walks thousands of declarations.
QByteArray namespaceMaze()
{
    const auto declarations = [](char letter) {
        QByteArray out;
        for (int i = 0; i < 64; ++i)
            out +=
                QByteArray(" xmlns:") + letter + QByteArray::number(i) + "='u" + QByteArray::number(i) + "'";
        return out;
    };
    QByteArray attributes;
    for (int i = 0; i < 60; ++i)
        attributes += " q0:a" + QByteArray::number(i) + "='1'";
    QByteArray maze = "<n" + declarations('q') + ">";
    for (int level = 1; level < 60; ++level)
        maze += "<n" + declarations('p') + ">";
    maze += ("<e" + attributes + "/>").repeated(1000);
    return maze + QByteArray("</n>").repeated(60);
}

QByteArray zip64Locator(quint64 recordOffset)
{
    return littleEndian<quint32>(0x07064b50) + QByteArray(4, '\0') + littleEndian(recordOffset) +
           QByteArray(4, '\0');
}

} // namespace

QByteArray corePart(const QByteArray &title, const QByteArray &prolog)
{
    return R"(<?xml version="1.0" encoding="UTF-8"?>)" + prolog +
           R"(<cp:coreProperties xmlns:cp="http://schemas.openxmlformats.org/package/2006/metadata/core-properties" )"
           R"(xmlns:dc="http://purl.org/dc/elements/1.1/"><dc:title>)" +
           title + "</dc:title></cp:coreProperties>";
}

std::vector<ZipMemberLayout> ooxmlMembers(const ZipMemberLayout &core)
{
    return {{"_rels/.rels", kRels}, core, {"docProps/app.xml", kApp}};
}

std::vector<HostilePackage> hostilePackages(const QString &secretPath)
{
    using S = ReadStatus;
    const QString title = QStringLiteral("Titre");
    const QByteArray sound = package(core("Titre"));
    const auto withEnd = [](void (*change)(ZipEndLayout &)) {
        ZipEndLayout end;
        change(end);
        return package(core("Titre"), end);
    };
    std::vector<HostilePackage> cases = {
        {"sound", sound, S::Ok, title},
        {"cut in half", sound.left(sound.size() / 2), S::Damaged, std::nullopt},
        {"end record cut", sound.chopped(1), S::Damaged, std::nullopt},
        {"directory cut", sound.left(sound.size() - 30), S::Damaged, std::nullopt},
        {"directory past the end", withEnd([](ZipEndLayout &end) { end.directoryOffset = 0x7FFFFFF0; }),
         S::Damaged, std::nullopt},
        {"directory size past the end", withEnd([](ZipEndLayout &end) { end.directorySize = 0xFFFFFFF0; }),
         S::Damaged, std::nullopt},
        {"member count lies", withEnd([](ZipEndLayout &end) { end.count = 0xFFFF; }), S::Ok, title},
        {"Zip64 record outside the file", withEnd([](ZipEndLayout &end) {
             end.directoryOffset = 0xFFFFFFFF;
             end.beforeEnd = zip64Locator(~0ull);
         }),
         S::Damaged, std::nullopt},
        {"not a zip", QByteArray("PK\5\6 but no more, and text that is not a zip at all"), S::OtherFormat,
         std::nullopt},
        {"empty archive", buildZip({}), S::OtherFormat, std::nullopt},
    };
    // The core part with one field of its zip headers altered: the reader must refuse that member without
    // reading or inflating past what the file holds, so the package is read and shows no title.
    const auto add = [&](const char *name, ZipMemberLayout layout) {
        cases.push_back({name, package(layout), S::Ok, {}});
    };
    const auto alteredCore = [&](const char *name, const std::function<void(ZipMemberLayout &)> &alter) {
        ZipMemberLayout layout = core("Titre");
        alter(layout);
        add(name, layout);
    };
    alteredCore("uncompressed size of 1 GiB in the headers",
                [](ZipMemberLayout &m) { m.declaredSize = 1u << 30; });
    // 16 MiB of blanks deflate to about 16 KB; the headers say 64 KB, where inflating must stop.
    ZipMemberLayout bomb = core("Titre<!--" + QByteArray(16 << 20, ' ') + "-->");
    bomb.declaredSize = 64 * 1024;
    add("deflated data longer than its uncompressed size", bomb);
    add("2 MiB of inflated text", core("Titre<!--" + QByteArray(2 << 20, ' ') + "-->"));
    alteredCore("compressed size beyond the file", [](ZipMemberLayout &m) { m.compressedSize = 0x7FFFFFF0; });
    alteredCore("checksum that does not match", [](ZipMemberLayout &m) { m.crc = 0x12345678; });
    alteredCore("encryption flag", [](ZipMemberLayout &m) { m.flags = 1; });
    alteredCore("bzip2 method", [](ZipMemberLayout &m) { m.method = 12; });
    alteredCore("AES method", [](ZipMemberLayout &m) { m.method = 99; });
    alteredCore("local header beyond the file", [](ZipMemberLayout &m) { m.localHeaderOffset = 0x7FFFFFF0; });
    alteredCore("stored member shorter than its headers say", [](ZipMemberLayout &m) {
        m.deflate = false;
        m.declaredSize = 3;
    });

    const QByteArray laughs =
        R"(<!DOCTYPE t [<!ENTITY a "lollollollollollollollollollol">)"
        R"(<!ENTITY b "&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;"><!ENTITY c "&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;">)"
        R"(<!ENTITY d "&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;"><!ENTITY e "&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;">]>)";
    add("billion laughs", core("&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;", laughs));
    const QByteArray big = R"(<!DOCTYPE t [<!ENTITY x ")" + QByteArray(100000, 'x') + R"(">]>)";
    add("quadratic blowup", core(QByteArray("&x;").repeated(5000), big));
    const QByteArray secret = QUrl::fromLocalFile(secretPath).toEncoded();
    add("external entity", core("&s;", R"(<!DOCTYPE t [<!ENTITY s SYSTEM ")" + secret + R"(">]>)"));
    add("external parameter entity",
        core("Titre", R"(<!DOCTYPE t [<!ENTITY % p SYSTEM ")" + secret + R"("> %p;]>)"));
    add("undeclared entity", core("&s;"));
    add("1,000,000 nested elements", core(nested("<a>", "</a>", 1000000)));
    add("100,000 nested elements", core(nested("<a>", "</a>", 100000)));
    add("60,000 elements", core("Titre" + QByteArray("<a/>").repeated(60000)));
    add("invalid UTF-8", core("Ti\xff\xfe\xc3tre \xed\xa0\x80"));
    add("thousands of namespaces in scope", core("Titre" + namespaceMaze()));
    QByteArray ownNamespaces;
    for (int i = 0; i < 45000; ++i)
        ownNamespaces += "<a xmlns='u" + QByteArray::number(i) + "'/>";
    cases.push_back({"45,000 elements with a namespace each",
                     package(core("Titre</dc:title>" + ownNamespaces + "<dc:title>")), S::Ok, title});
    QByteArray attributes;
    for (int i = 0; i < 100000; ++i)
        attributes += " a" + QByteArray::number(i) + "=''";
    add("100,000 attributes on one element", core("Titre<a" + attributes + "/>"));

    const auto withRels = [&](const char *name, const QByteArray &rels, ReadStatus status) {
        cases.push_back({name, buildZip({{"_rels/.rels", rels}, core("Titre")}), status, {}});
    };
    withRels("relationships nested 1,000,000 deep", nested("<r>", "</r>", 1000000), S::Damaged);
    withRels("target above the package", relsNaming("../../../../etc/passwd"), S::NoSummary);
    withRels("target on another host", relsNaming("file:///etc/passwd"), S::NoSummary);
    withRels("relationships name themselves", relsNaming("_rels/.rels"), S::Ok);

    // Every part just under the limit of a part, all read: the most XML a package can make the reader parse.
    const QByteArray padding = "<!--" + QByteArray(kMaxXmlPartSize - 1024, ' ') + "-->";
    cases.push_back({"three parts of 1 MiB",
                     buildZip({{"_rels/.rels", kRels + padding},
                               core("Titre" + padding),
                               {"docProps/app.xml", kApp + padding}}),
                     S::Ok, title});

    std::vector<ZipMemberLayout> many;
    for (int i = 0; i < 60000; ++i)
        many.push_back({QByteArray("f/") + QByteArray::number(i), {}, false});
    for (const ZipMemberLayout &member : ooxmlMembers(core("Titre")))
        many.push_back(member);
    cases.push_back({"60,000 members", buildZip(many), S::Ok, title});
    return cases;
}
