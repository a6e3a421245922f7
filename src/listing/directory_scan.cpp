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

    // Each reader fills the slots of its file, so the rows come out in the directory's order; the slots
    // of files not listed are then closed up, in the same array.
    const QVector<DirectoryEntry> &files = contents.files;
    QVector<GridRow> &rows = grid.rows();
    rows.resize(files.size());
    GridRow *const slots = rows.data(); // taken once: the readers write to distinct slots, never to the array
    std::vector<char> listed(size_t(files.size()), 0);
    std::vector<QString> failures(size_t(files.size()));
    const int readers = options.readers > 0 ? options.readers : defaultReaderCount();
    const qsizetype read = runOnReaders(files.size(), readers, control, [&](qsizetype index) {
        if (std::optional<GridRow> row =
                documentRow(directory, files[index], options, localTime, &failures[size_t(index)])) {
            slots[index] = std::move(*row);
            listed[size_t(index)] = 1;
        }
        control.advance();
    });
    result.interrupted = read < files.size();

    qsizetype kept = 0;
    for (qsizetype index = 0; index < files.size(); ++index) {
        if (!failures[size_t(index)].isEmpty())
            result.unreadable.append({files[index].name, failures[size_t(index)]});
        if (listed[size_t(index)] && kept++ != index)
            rows[kept - 1] = std::move(rows[index]);
    }
    rows.resize(kept);
    for (GridRow &row : rows)
        grid.completeRow(row);
    result.documentCount = grid.rowCount();
    if (result.documentCount > 0 && options.sort.column >= 0 && options.sort.column < grid.columnCount()) {
        grid.setArrow(options.sort.column, options.sort.ascending ? SortArrow::Up : SortArrow::Down);
        sortGeneric(grid, options.sort.column, options.sort.ascending, options.locale);
    }
    control.setValue(0);
    return result;
}
