#include "ui/document_facts.h"

#include "listing/property_columns.h"
#include "listing/summary_values.h"
#include "platform/native_files.h"
#include "platform/native_name.h"
#include "platform/summary_file.h"

#include <algorithm>

namespace {

QString inLanguage(qint16 language, const char *french, const char *english)
{
    return QString::fromUtf8(language == 1 ? french : english);
}

bool holds(const SummaryFile &file, const PropertyColumn &column)
{
    switch (column.source) {
    case PropertySource::Text:
        return file.text(column.propertyId).has_value();
    case PropertySource::Number:
        return file.number(column.propertyId).has_value();
    case PropertySource::Date:
        return file.date(column.propertyId).has_value();
    case PropertySource::Duration:
        return file.duration(column.propertyId).has_value();
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
    facts.append({inLanguage(language, "Modifié le", "Modified"), dateCell(status.lastModified)});

    const std::optional<SummaryFile> summary = SummaryFile::open(path);
    if (!summary)
        return facts;
    for (const PropertyColumn &column : kPropertyColumns) {
        if (holds(*summary, column))
            facts.append({column.caption(language).trimmed(), summaryCell(*summary, column.propertyId)});
    }
    return facts;
}

QString documentFactsTitle(const QString &name, qint16 language)
{
    return inLanguage(language, "Propriétés de %1", "Properties of %1").arg(name);
}
