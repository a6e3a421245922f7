#pragma once

#include "common/settings.h"
#include "listing/document_grid.h"
#include "listing/property_columns.h"

#include <QLocale>
#include <QVector>
#include <functional>

// What a listing shows and how it sorts.
struct ScanOptions
{
    ListingOptions listing;
    bool highlight = true;
    qint16 linesPerCell = 1;
    QString pagePrefix = QStringLiteral("Fichorama"); // HTML files starting with it are our own pages
    // The property identifier read for each grid column after the name column, in column order;
    // 0 stands for the short-name column, which does not come from the summary information.
    QVector<int> columnProperties;
    SortState sort;
    QLocale locale = QLocale::system();
    bool keepProperties = false; // each document row keeps its properties (GridRow::properties)
};

// The window's side of a running listing: the interruption flag (set by Escape while events are let
// through), the event pump and the progress display. Every member may be left empty.
struct ScanControl
{
    bool interruptRequested = false;
    std::function<void()> letEventsThrough; // called before the first entry, then at most every interval
    int eventIntervalMs = 20;
    std::function<void(int value, int maximum)> progress;
};

// A file of the listed directory that the system would not let be read.
struct UnreadableFile
{
    QString name;   // native form
    QString reason; // the system's words: "Permission denied", "Input/output error"
};

struct ScanResult
{
    bool enumerated = false; // false when the directory could not be read: the grid is then empty
    int fileCount = 0;       // files of the directory (hidden ones only when they are included)
    int documentCount = 0;
    bool interrupted = false;
    QList<UnreadableFile> unreadable; // in the directory's order
};

// The file count of a directory: its non-directory entries, hidden ones only when `includeHidden`.
int countFiles(const QString &directory, bool includeHidden);

// Lists `directory` (native form, see native_name.h) into the grid's rows: one row per listed file, cells in
// column order, name colours and row heights set; then sorts by the sort column when the grid has it and sets
// the header arrow. Clears `control.interruptRequested` first and polls it at every entry. The grid's columns
// must already match `options.columnProperties`.
ScanResult listDirectory(const QString &directory, const ScanOptions &options, DocumentGrid &grid,
                         ScanControl &control);

// The options of a listing made with these settings, displayed columns and sort.
ScanOptions makeScanOptions(const Settings &settings, const DisplayedColumns &displayed,
                            const SortState &sort);
