#include "listing/document_row.h"

#include "listing/summary_values.h"
#include "platform/child_path.h"
#include "platform/document_reader.h"
#include "platform/native_files.h"
#include "platform/native_name.h"

namespace {

constexpr int kApplicationProperty = 18;
constexpr int kShortNameProperty = 0;

enum class OtherKind { NotListed, Pdf, Html, Other };

OtherKind kindOfOtherFile(const QString &name, const ScanOptions &options)
{
    const QString upper = name.toUpper();
    if (options.listing.includePdf && upper.endsWith(QLatin1String(".PDF")))
        return OtherKind::Pdf;
    const bool htmlEnding = upper.endsWith(QLatin1String(".HTML")) || upper.endsWith(QLatin1String(".HTM"));
    // An empty prefix marks no file as one of our pages.
    const bool ownPage =
        !options.pagePrefix.isEmpty() && name.startsWith(options.pagePrefix, Qt::CaseSensitive);
    if (options.listing.includeHtml && htmlEnding && !ownPage)
        return OtherKind::Html;
    return options.listing.includeAll ? OtherKind::Other : OtherKind::NotListed;
}

// A row whose name cell shows `name` (native form) and whose file name keeps it.
GridRow namedRow(const QString &name, const ScanOptions &options)
{
    GridRow row;
    row.cells.reserve(options.columnProperties.size() + 1);
    row.cells.append(displayName(name));
    row.fileName = name;
    return row;
}

GridRow summaryRow(const QString &name, const QString &path, const DocumentProperties &properties,
                   const ScanOptions &options, const LocalTime &localTime)
{
    GridRow row = namedRow(name, options);
    for (const int property : options.columnProperties)
        row.cells.append(property == kShortNameProperty ? shortNameCell(path)
                                                        : summaryCell(properties, property, localTime));
    return row;
}

GridRow otherRow(const QString &name, const QString &path, OtherKind kind, const ScanOptions &options)
{
    GridRow row = namedRow(name, options);
    for (const int property : options.columnProperties) {
        if (property == kShortNameProperty)
            row.cells.append(shortNameCell(path));
        else if (property == kApplicationProperty && kind == OtherKind::Pdf)
            row.cells.append(QStringLiteral("Adobe Acrobat"));
        else if (property == kApplicationProperty && kind == OtherKind::Html)
            row.cells.append(QStringLiteral("Document HTML"));
        else
            row.cells.append(QString());
    }
    return row;
}

// True when nothing is left at `path` (a dangling link still counts as something).
bool hasGone(const QString &path)
{
    return !fileStatus(path).exists;
}

} // namespace

std::optional<GridRow> documentRow(const QString &directory, const DirectoryEntry &entry,
                                   const ScanOptions &options, const LocalTime &localTime, QString *failure)
{
    const QString path = childPath(directory, entry.name);
    GridRow row;
    const DocumentRead document = readDocument(path);
    if (failure)
        *failure = document.failure;
    if (document.properties) {
        row = summaryRow(entry.name, path, *document.properties, options, localTime);
        if (options.keepProperties)
            row.properties = std::make_shared<const DocumentProperties>(*document.properties);
        if (options.highlight)
            row.nameColour = NameColour::Highlight;
    } else {
        const OtherKind kind = kindOfOtherFile(entry.name, options);
        // A file that could not be opened because it was renamed or deleted meanwhile is not listed.
        if (kind == OtherKind::NotListed || (document.status == ReadStatus::Unreadable && hasGone(path)))
            return std::nullopt;
        row = otherRow(entry.name, path, kind, options);
    }
    if (entry.isHidden && options.listing.includeHidden)
        row.nameColour = NameColour::Hidden;
    row.lines = options.linesPerCell > 1 ? options.linesPerCell : 1;
    return row;
}
