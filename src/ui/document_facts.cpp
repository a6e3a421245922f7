#include "ui/document_facts.h"

#include "listing/property_columns.h"
#include "listing/summary_values.h"
#include "platform/document_reader.h"
#include "platform/local_time.h"
#include "platform/native_files.h"
#include "platform/native_name.h"

#include <algorithm>

namespace {

QString inLanguage(qint16 language, const char *french, const char *english)
{
    return QString::fromUtf8(language == 1 ? french : english);
}

bool holds(const DocumentProperties &properties, const PropertyColumn &column)
{
    switch (column.source) {
    case PropertySource::Text:
        return properties.text(column.propertyId).has_value();
    case PropertySource::Number:
        return properties.number(column.propertyId).has_value();
    case PropertySource::Date:
        return properties.date(column.propertyId).has_value();
    case PropertySource::Duration:
        return properties.editingMinutes().has_value();
    case PropertySource::ShortName:
        break;
    }
    return false;
}

} // namespace

QList<DocumentFact> documentFacts(const QString &path, qint16 language)
{
    const QString absolute = cleanAbsolutePath(path);
    const QString name = fileNameOf(absolute);
    const QString folder = absolute.left(std::max<qsizetype>(1, absolute.size() - name.size() - 1));
    const FileStatus status = fileStatus(absolute);
    QList<DocumentFact> facts;
    facts.append({inLanguage(language, "Nom", "Name"), displayName(name)});
    facts.append({inLanguage(language, "Dossier", "Folder"), displayName(folder)});
    if (!status.exists)
        return facts;
    facts.append({inLanguage(language, "Taille", "Size"),
                  QString::number(status.size) + inLanguage(language, " octets", " bytes")});
    const LocalTime localTime;
    const DocumentDate modified{status.lastModified.toUTC()};
    facts.append({inLanguage(language, "Modifié le", "Modified"), dateCell(modified, localTime)});

    const DocumentRead document = readDocument(path);
    if (!document.properties)
        return facts;
    for (const PropertyColumn &column : kPropertyColumns) {
        if (holds(*document.properties, column))
            facts.append({column.caption(language).trimmed(),
                          summaryCell(*document.properties, column.propertyId, localTime)});
    }
    return facts;
}

QString documentFactsTitle(const QString &name, qint16 language)
{
    return inLanguage(language, "Propriétés de %1", "Properties of %1").arg(name);
}
