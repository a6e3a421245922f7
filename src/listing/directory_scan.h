#pragma once

#include "listing/document_grid.h"
#include "listing/job_control.h"
#include "listing/scan_options.h"

#include <QStringList>
#include <functional>

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
    // The directory's sub-directories (not hidden ones), in the file system's order.
    QStringList subDirectories;
    QList<UnreadableFile> unreadable; // in the directory's order
};

// Called once the directory has been read, before any document: the file count and the sub-directories
// of the result are set. Runs on the listing's thread.
using DirectoryRead = std::function<void(const ScanResult &read)>;

// Lists `directory` (native form, see native_name.h) into the grid's rows. Reads the directory once, then
// the files on `options.readers` threads; the rows keep the directory's order: one row per listed file,
// cells in column order, name colours and row heights set. Then sorts by the sort column when the grid has
// it and sets the header arrow. The progress of `control` counts the files read out of the file count (at
// least 1); a cancellation stops the listing at the next file (the directory itself is always read whole,
// for the file count), which is then interrupted: the rows found so far stay and are sorted. The grid's
// columns must already match `options.columnProperties`.
ScanResult listDirectory(const QString &directory, const ScanOptions &options, DocumentGrid &grid,
                         JobControl &control, const DirectoryRead &directoryRead = {});
