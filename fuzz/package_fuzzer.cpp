// libFuzzer target: the bytes of a whole file read as a zip package, with every value asked for; the same
// bytes also go to each property part reader directly, so that mutations of XML reach them without
// having to pass through a zip archive, and to both XML readers, which must agree whenever the plain one
// decides.
#include "platform/odf_properties.h"
#include "platform/ooxml_properties.h"
#include "platform/package_reader.h"
#include "platform/package_relationships.h"
#include "platform/xml_fields.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

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

bool sameFields(const XmlField &a, const XmlField &b)
{
    if (a.namespaceUri != b.namespaceUri || a.name != b.name || a.text != b.text ||
        a.parentNamespaceUri != b.parentNamespaceUri || a.parentName != b.parentName ||
        a.attributes.list.size() != b.attributes.list.size())
        return false;
    for (qsizetype i = 0; i < a.attributes.list.size(); ++i) {
        const XmlAttribute &x = a.attributes.list[i];
        const XmlAttribute &y = b.attributes.list[i];
        if (x.namespaceUri != y.namespaceUri || x.name != y.name || x.qualifiedName != y.qualifiedName ||
            x.value != y.value)
            return false;
    }
    return true;
}

void compareXmlReaders(const QByteArray &bytes)
{
    for (int depth : {1, 2, 3}) {
        std::vector<XmlField> plain;
        const PlainXmlOutcome outcome = readPlainXmlFields(bytes, depth, plain);
        if (outcome == PlainXmlOutcome::Unsure)
            continue;
        std::vector<XmlField> reference;
        const bool read = readXmlFieldsWithStreamReader(bytes, depth, reference);
        if (read != (outcome == PlainXmlOutcome::Read))
            std::abort();
        if (read && (plain.size() != reference.size() ||
                     !std::equal(plain.begin(), plain.end(), reference.begin(), sameFields)))
            std::abort();
    }
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
    compareXmlReaders(bytes);
    return 0;
}
