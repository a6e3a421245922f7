#include "listing/document_row.h"

#include "listing/summary_values.h"
#include "platform/child_path.h"
#include "platform/document_reader.h"
#include "platform/native_files.h"
#include "platform/native_name.h"

#include <utility>

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

// A row's cells are put together in a block that each reader thread keeps from row to row, then copied at
// their exact size (documentRow): growing a fresh block cell by cell cost more than reading the document.
thread_local RowCells t_rowBlock;

// A row whose name cell shows `name` (native form) and whose file name keeps it.

GridRow namedRow(const QString &name)
{
    GridRow row;
    row.cells = std::move(t_rowBlock);
    row.cells.clear();
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
    GridRow row = namedRow(name);
    for (const int property : options.columnProperties)
        row.cells.append(property == kShortNameProperty
                             ? shortNameCell(path)
                             : summaryCell(*document.properties, property, localTime, missing));
    if (options.keepProperties)
        row.properties = std::make_shared<const DocumentProperties>(*document.properties);
    return row;
}

GridRow otherRow(const QString &name, const QString &path, OtherKind kind, const ScanOptions &options)
{
    GridRow row = namedRow(name);
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
    // Files are recognised by their content: an OLE, Office Open XML or OpenDocument file with readable
    // properties is a document; a PDF is read, and listed, only with the PDF option; any other file is
    // listed by the options' name rules.
    const bool withPdf = options.listing.includePdf;
    const DocumentRead document =
        readDocument(path, withPdf ? PdfReading::Read : PdfReading::RecogniseOnly,
                     entry.isRegularFile ? KnownFileType::RegularFile : KnownFileType::Unknown);
    // A file renamed or deleted since the directory was read is no failure to report.
    if (failure && !document.failure.isEmpty() && !hasGone(path))
        *failure = document.failure;
    GridRow row;
    if (document.properties && document.format != DocumentFormat::Pdf) {
        row = summaryRow(entry.name, path, document, options, localTime);
        if (options.highlight)
            row.nameColour = NameColour::Highlight;
    } else if (withPdf && document.format == DocumentFormat::Pdf) {
        row = pdfRow(entry.name, path, document, options, localTime);
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
    t_rowBlock = std::exchange(row.cells, row.cells.compacted());
    return row;
}
