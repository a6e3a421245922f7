#include "listing/directory_scan.h"

#include "listing/directory_contents.h"
#include "listing/document_row.h"
#include "listing/grid_sort.h"
#include "listing/reader_pool.h"
#include "platform/local_time.h"

#include <optional>
#include <vector>

ScanResult listDirectory(const QString &directory, const ScanOptions &options, DocumentGrid &grid,
                         JobControl &control, const DirectoryRead &directoryRead)
{
    ScanResult result;
    grid.clearRows();
    grid.clearArrow();
    control.setValue(0);
    control.setMaximum(1);
    // The time zone's rules are read once for the whole listing.
    const LocalTime localTime;

    DirectoryContents contents = readDirectoryContents(directory, options.listing.includeHidden);
    result.enumerated = contents.opened;
    result.fileCount = int(contents.files.size());
    result.subDirectories = std::move(contents.subDirectories);
    control.setMaximum(result.fileCount > 1 ? result.fileCount : 1);
    if (directoryRead)
        directoryRead(result);

    // Each reader fills the slots of its file, so the rows come out in the directory's order.
    const QVector<DirectoryEntry> &files = contents.files;
    std::vector<std::optional<GridRow>> rows(size_t(files.size()));
    std::vector<QString> failures(size_t(files.size()));
    const int readers = options.readers > 0 ? options.readers : defaultReaderCount();
    const qsizetype read = runOnReaders(files.size(), readers, control, [&](qsizetype index) {
        rows[size_t(index)] =
            documentRow(directory, files[index], options, localTime, &failures[size_t(index)]);
        control.advance();
    });
    result.interrupted = read < files.size();

    grid.rows().reserve(qsizetype(rows.size()));
    for (size_t index = 0; index < rows.size(); ++index) {
        if (!failures[index].isEmpty())
            result.unreadable.append({files[qsizetype(index)].name, failures[index]});
        if (rows[index])
            grid.appendRow(std::move(*rows[index]));
    }
    result.documentCount = grid.rowCount();
    if (result.documentCount > 0 && options.sort.column >= 0 && options.sort.column < grid.columnCount()) {
        grid.setArrow(options.sort.column, options.sort.ascending ? SortArrow::Up : SortArrow::Down);
        sortGeneric(grid, options.sort.column, options.sort.ascending, options.locale);
    }
    control.setValue(0);
    return result;
}
