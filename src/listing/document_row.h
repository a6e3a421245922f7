#pragma once

#include "listing/document_grid.h"
#include "listing/scan_options.h"
#include "platform/directory_reader.h"

#include <optional>

// The row of one file of a listed directory: the document row when the file holds summary information,
// the row of another file when a listing option lists it (PDF, HTML, every file); nothing when no option
// lists it or when the file has gone since the directory was read. Safe to call from several threads.
std::optional<GridRow> documentRow(const QString &directory, const DirectoryEntry &entry,
                                   const ScanOptions &options);
