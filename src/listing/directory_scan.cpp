#include "listing/directory_scan.h"

#include "listing/grid_sort.h"
#include "listing/summary_values.h"
#include "platform/child_path.h"
#include "platform/directory_reader.h"
#include "platform/document_reader.h"
#include "platform/local_time.h"
#include "platform/native_name.h"

#include <QElapsedTimer>

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

} // namespace

int countFiles(const QString &directory, bool includeHidden)
{
    DirectoryReader reader(directory);
    DirectoryEntry entry;
    int count = 0;
    while (reader.next(entry)) {
        if (!entry.isDirectory && (includeHidden || !entry.isHidden))
            ++count;
    }
    return count;
}

ScanResult listDirectory(const QString &directory, const ScanOptions &options, DocumentGrid &grid,
                         ScanControl &control)
{
    control.interruptRequested = false;
    ScanResult result;
    result.fileCount = countFiles(directory, options.listing.includeHidden);
    const int maximum = result.fileCount > 1 ? result.fileCount : 1;
    if (control.progress)
        control.progress(0, maximum);

    grid.clearRows();
    grid.clearArrow();
    const LocalTime localTime;

    DirectoryReader reader(directory);
    result.enumerated = reader.isOpen();
    QElapsedTimer sinceEvents;
    sinceEvents.start();
    if (control.letEventsThrough)
        control.letEventsThrough();
    int entryCounter = 0;
    DirectoryEntry entry;
    while (result.enumerated) {
        if (sinceEvents.elapsed() >= control.eventIntervalMs) {
            if (control.letEventsThrough)
                control.letEventsThrough();
            if (control.progress && entryCounter > 1 && entryCounter <= maximum)
                control.progress(entryCounter, maximum);
            sinceEvents.restart();
        }
        if (control.interruptRequested) {
            result.interrupted = true;
            break;
        }
        ++entryCounter;
        if (!reader.next(entry))
            break;
        if (entry.isDirectory || (entry.isHidden && !options.listing.includeHidden))
            continue;

        const QString path = childPath(directory, entry.name);
        GridRow row;
        bool isDocument = false;
        const DocumentRead document = readDocument(path);
        if (!document.failure.isEmpty())
            result.unreadable.append({entry.name, document.failure});
        if (document.properties) {
            row = summaryRow(entry.name, path, *document.properties, options, localTime);
            if (options.keepProperties)
                row.properties = std::make_shared<const DocumentProperties>(*document.properties);
            isDocument = true;
        } else {
            const OtherKind kind = kindOfOtherFile(entry.name, options);
            if (kind == OtherKind::NotListed)
                continue;
            row = otherRow(entry.name, path, kind, options);
        }
        if (isDocument && options.highlight)
            row.nameColour = NameColour::Highlight;
        if (entry.isHidden && options.listing.includeHidden)
            row.nameColour = NameColour::Hidden;
        row.lines = options.linesPerCell > 1 ? options.linesPerCell : 1;
        grid.appendRow(std::move(row));
    }
    result.documentCount = grid.rowCount();

    if (result.documentCount > 0 && options.sort.column >= 0 && options.sort.column < grid.columnCount()) {
        grid.setArrow(options.sort.column, options.sort.ascending ? SortArrow::Up : SortArrow::Down);
        sortGeneric(grid, options.sort.column, options.sort.ascending, options.locale);
    }
    if (control.progress)
        control.progress(0, maximum);
    return result;
}

ScanOptions makeScanOptions(const Settings &settings, const DisplayedColumns &displayed,
                            const SortState &sort)
{
    ScanOptions options;
    options.listing = settings.listing;
    options.highlight = settings.highlight;
    options.linesPerCell = settings.linesPerCell;
    options.pagePrefix = settings.html.prefixeTableau;
    options.sort = sort;
    for (int i = 0; i < kPropertyColumnCount; ++i) {
        if (displayed[size_t(i)])
            options.columnProperties.append(kPropertyColumns[size_t(i)].propertyId);
    }
    return options;
}
