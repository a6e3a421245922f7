#pragma once

#include "gridlist/grid_list_entry.h"
#include "html/page_frame.h"
#include "listing/document_grid.h"
#include "listing/job_control.h"
#include "listing/scan_options.h"

#include <functional>

// One directory listed for the combined page: its grid, sorted as a listing sorts, and its absolute,
// cleaned path in native form (see native_name.h).
struct ListedDirectory
{
    DocumentGrid grid;
    QString directory;
};

// Lists one directory and returns the result; called on the page's thread.
using ListDirectory = std::function<ListedDirectory(const QString &path)>;

// The listing the combined page makes of each directory: the scan of the listing, into a grid with
// `columns`' columns, with the path shown absolute and cleaned; cancelled with `control`.
ListDirectory scanningLister(DocumentGrid columns, ScanOptions options, const JobControl &control);

// The combined page of the grid list (the core of the grid list's HTML button), written into
// "PathListeTableaux" (which the caller has resolved to an existing directory). Refuses an empty list;
// deletes the old pages there when "EffacerAnciensTableaux" is on; lists every ticked entry whose
// directory exists, in list order, through `listDirectory`, and writes its numbered heading and table
// (full-path links) as soon as it is listed; adds the index, the separators and the total as the
// settings say. The progress of `control` counts the directories listed.
// NothingToWrite: the list has no entry; the caller shows "Aucun tableau dans la liste".
// Failed: an image copy or the page could not be written. Cancelled: `control` was cancelled; an older
// page of the same name stays as it was. Written: `path` is the page to open.
// Afterwards the caller points the window back at the directory it showed before, which lists it again.
PageResult writeCombinedPage(const GridList &entries, const SortState &sort, const PageContext &context,
                             const ListDirectory &listDirectory, JobControl &control);
