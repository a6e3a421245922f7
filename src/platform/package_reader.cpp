#include "platform/package_reader.h"

#include "platform/byte_source.h"
#include "platform/odf_properties.h"
#include "platform/ooxml_properties.h"
#include "platform/package_relationships.h"
#include "platform/xml_fields.h"
#include "platform/zip_archive.h"

#include <functional>
#include <vector>

namespace {

using PartReader = std::function<bool(const QByteArray &, DocumentProperties &)>;

struct PropertyPart
{
    QByteArray name; // empty: the package names none
    PartReader read;
};

// The property parts of a recognised package; nothing, with `status`, otherwise.
std::optional<std::vector<PropertyPart>>
findPropertyParts(const ZipArchive &archive, std::optional<PackageFormat> *format, ReadStatus *status)
{
    const auto ooxmlParts = [&](const PropertyPartNames &names) {
        *format = PackageFormat::OfficeOpenXml;
        return std::vector<PropertyPart>{{names.core, readCoreProperties},
                                         {names.extended, readExtendedProperties}};
    };
    QByteArray rels;
    if (const auto member = archive.read("_rels/.rels", &rels, kMaxXmlPartSize);
        member != ZipArchive::Member::Missing) {
        const auto names =
            member == ZipArchive::Member::Present ? readPropertyRelationships(rels) : std::nullopt;
        if (names)
            return ooxmlParts(*names);
        *format = PackageFormat::OfficeOpenXml;
        *status = ReadStatus::Damaged;
        return std::nullopt;
    }
    if (archive.contains("mimetype") || archive.contains("META-INF/manifest.xml")) {
        *format = PackageFormat::OpenDocument;
        return std::vector<PropertyPart>{{"meta.xml", readOpenDocumentMeta}};
    }
    // Without relationships, the parts are where every writer puts them.
    const PropertyPartNames usual{"docProps/core.xml", "docProps/app.xml"};
    if (archive.contains(usual.core) || archive.contains(usual.extended))
        return ooxmlParts(usual);
    *status = ReadStatus::OtherFormat;
    return std::nullopt;
}

} // namespace

std::optional<DocumentProperties>
readPackageProperties(ByteSource &source, std::optional<PackageFormat> *format, ReadStatus *status)
{
    ReadStatus why = ReadStatus::Ok;
    std::optional<PackageFormat> kind;
    const auto finish = [&](std::optional<DocumentProperties> properties) {
        if (status)
            *status = why;
        if (format)
            *format = kind;
        return properties;
    };
    const auto archive = ZipArchive::open(source, &why);
    if (!archive)
        return finish(std::nullopt);
    const auto parts = findPropertyParts(*archive, &kind, &why);
    if (!parts)
        return finish(std::nullopt);

    DocumentProperties properties;
    bool anyRead = false;
    bool anyDamaged = false;
    for (const PropertyPart &part : *parts) {
        QByteArray bytes;
        if (part.name.isEmpty())
            continue;
        switch (archive->read(part.name, &bytes, kMaxXmlPartSize)) {
        case ZipArchive::Member::Present:
            (part.read(bytes, properties) ? anyRead : anyDamaged) = true;
            break;
        case ZipArchive::Member::Unreadable:
            anyDamaged = true;
            break;
        case ZipArchive::Member::Missing:
            break;
        }
    }
    if (!anyRead) {
        why = anyDamaged ? ReadStatus::Damaged : ReadStatus::NoSummary;
        return finish(std::nullopt);
    }
    return finish(properties);
}

std::optional<DocumentProperties>
readPackageProperties(const QByteArray &wholeFile, std::optional<PackageFormat> *format, ReadStatus *status)
{
    MemoryByteSource source(wholeFile);
    return readPackageProperties(source, format, status);
}
