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

// The row of a file whose properties were read. The OLE summary information shows a number it lacks as
// 0, as it always has; the other formats leave its cell empty.
GridRow summaryRow(const QString &name, const QString &path, const DocumentRead &document,
                   const ScanOptions &options, const LocalTime &localTime)
{
    const MissingNumber missing =
        document.format == DocumentFormat::Ole ? MissingNumber::Zero : MissingNumber::Empty;
    GridRow row = namedRow(name, options);
    for (const int property : options.columnProperties)
        row.cells.append(property == kShortNameProperty
                             ? shortNameCell(path)
                             : summaryCell(*document.properties, property, localTime, missing));
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

// The row of a PDF file by its content, listed with the PDF option: its properties when they read, the
// creator as its application and "Adobe Acrobat" when it names none.
GridRow pdfRow(const QString &name, const QString &path, DocumentRead document, const ScanOptions &options,
               const LocalTime &localTime)
{
    if (!document.properties)
        return otherRow(name, path, OtherKind::Pdf, options);
    if (textCell(document.properties->text(kApplicationProperty)).trimmed().isEmpty())
        document.properties->setText(kApplicationProperty, QStringLiteral("Adobe Acrobat"));
    return summaryRow(name, path, document, options, localTime);
}

// The row of one file of the directory, or nothing when no rule lists it. Files are recognised by their
// content: an OLE, Office Open XML or OpenDocument file with readable properties is a document; a PDF is
// read, and listed, only with the PDF option; any other file is listed by the options' name rules.
std::optional<GridRow> fileRow(const QString &directory, const DirectoryEntry &entry,
                               const ScanOptions &options, const LocalTime &localTime)
{
    const QString path = childPath(directory, entry.name);
    const bool withPdf = options.listing.includePdf;
    const DocumentRead document = readDocument(path, withPdf ? PdfReading::Read : PdfReading::RecogniseOnly);
    GridRow row;
    if (document.properties && document.format != DocumentFormat::Pdf) {
        row = summaryRow(entry.name, path, document, options, localTime);
        if (options.highlight)
            row.nameColour = NameColour::Highlight;
    } else if (withPdf && document.format == DocumentFormat::Pdf) {
        row = pdfRow(entry.name, path, document, options, localTime);
    } else {
        const OtherKind kind = kindOfOtherFile(entry.name, options);
        if (kind == OtherKind::NotListed)
            return std::nullopt;
        row = otherRow(entry.name, path, kind, options);
    }
    if (entry.isHidden && options.listing.includeHidden)
        row.nameColour = NameColour::Hidden;
    row.lines = options.linesPerCell > 1 ? options.linesPerCell : 1;
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

        if (std::optional<GridRow> row = fileRow(directory, entry, options, localTime))
            grid.appendRow(std::move(*row));
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
