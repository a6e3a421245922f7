#include "platform/package_relationships.h"

#include "platform/xml_fields.h"

#include <QList>

namespace {

// How well a relationship type names a kind of part: 2 the standard type, 1 a look-alike, 0 neither.
int coreRank(QStringView type)
{
    if (type == u"http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties")
        return 2;
    return type.endsWith(u"/metadata/core-properties") ? 1 : 0;
}

int extendedRank(QStringView type)
{
    if (type == u"http://schemas.openxmlformats.org/officeDocument/2006/relationships/extended-properties" ||
        type == u"http://purl.oclc.org/ooxml/officeDocument/relationships/extendedProperties")
        return 2;
    return type.endsWith(u"/extended-properties") || type.endsWith(u"/extendedProperties") ? 1 : 0;
}

} // namespace

std::optional<PropertyPartNames> readPropertyRelationships(const QByteArray &rels)
{
    PropertyPartNames names;
    int bestCore = 0;
    int bestExtended = 0;
    const auto consider = [](int rank, int &best, QByteArray &name, QByteArray candidate) {
        if (rank > best && !candidate.isEmpty()) {
            best = rank;
            name = std::move(candidate);
        }
    };
    const bool read = collectXmlFields(rels, 2, [&](const XmlField &field) {
        if (field.name != u"Relationship" ||
            field.attributes.value(QLatin1StringView("TargetMode")) == u"External")
            return;
        const QStringView type = field.attributes.value(QLatin1StringView("Type"));
        const QStringView target = field.attributes.value(QLatin1StringView("Target"));
        if (const int rank = coreRank(type))
            consider(rank, bestCore, names.core, packagePartName(target));
        if (const int rank = extendedRank(type))
            consider(rank, bestExtended, names.extended, packagePartName(target));
    });
    if (!read)
        return std::nullopt;
    return names;
}

QByteArray packagePartName(QStringView target)
{
    const qsizetype colon = target.indexOf(u':');
    if (colon >= 0 && (target.indexOf(u'/') < 0 || colon < target.indexOf(u'/')))
        return {}; // a scheme: not a part of this package
    const QByteArray decoded = QByteArray::fromPercentEncoding(target.toUtf8());
    QList<QByteArray> segments;
    for (const QByteArray &segment : decoded.split('/')) {
        if (segment.isEmpty() || segment == ".")
            continue;
        if (segment == "..") {
            if (segments.isEmpty())
                return {};
            segments.removeLast();
            continue;
        }
        segments.append(segment);
    }
    return segments.join('/');
}
