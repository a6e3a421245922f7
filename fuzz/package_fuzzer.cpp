// libFuzzer target: the bytes of a whole file read as a zip package, with every value asked for; the same
// bytes also go to each property part reader directly, so that mutations of XML reach them without
// having to pass through a zip archive.
#include "platform/odf_properties.h"
#include "platform/ooxml_properties.h"
#include "platform/package_reader.h"
#include "platform/package_relationships.h"

#include <cstddef>
#include <cstdint>

namespace {

void touch(const DocumentProperties &properties)
{
    for (int id = 0; id <= DocumentProperties::kMaxId; ++id) {
        (void)properties.text(id);
        (void)properties.number(id);
        if (const auto date = properties.date(id))
            (void)date->time.toString(Qt::ISODate);
    }
    (void)properties.editingMinutes();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    std::optional<PackageFormat> format;
    ReadStatus status;
    if (const auto properties = readPackageProperties(bytes, &format, &status))
        touch(*properties);
    DocumentProperties parts;
    (void)readCoreProperties(bytes, parts);
    (void)readExtendedProperties(bytes, parts);
    (void)readOpenDocumentMeta(bytes, parts);
    touch(parts);
    if (const auto names = readPropertyRelationships(bytes))
        (void)names->core.size();
    return 0;
}
