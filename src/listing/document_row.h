#pragma once

#include "listing/document_grid.h"
#include "listing/scan_options.h"
#include "platform/directory_reader.h"

#include <optional>

class LocalTime;

// The row of one file of a listed directory: the document row when the file holds summary properties (an
// OLE, Office Open XML or OpenDocument file), the row of a PDF file by its content with the PDF option
// (its properties when they read), the row of another file when a listing option lists it (PDF, HTML,
// every file); nothing when no option lists it or when the file has gone since the directory was read.
// `directory` and the entry's name are in native form (see native_name.h); the name cell shows the name, the
// row's file name keeps it. The file is read once, by content; `failure`, when given, receives the system's
// reason when it could not be opened or read (empty otherwise). Safe to call from several threads.
std::optional<GridRow> documentRow(const QString &directory, const DirectoryEntry &entry,
                                   const ScanOptions &options, const LocalTime &localTime,
                                   QString *failure = nullptr);
