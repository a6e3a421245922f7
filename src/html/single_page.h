#pragma once

#include "html/page_frame.h"
#include "listing/document_grid.h"
#include "listing/job_control.h"

// The page of the grid on screen (the core of the HTML button): refuses an empty grid; deletes the old
// pages of `directory` when "EffacerAnciensTableaux" is on; builds the image references (copies beside
// the page when "ImagesSuivent" is on) in the order background, header, table image, footer; writes the
// page as `directory`/page base name + ".html", row after row, moving the progress of `control` by one
// per document row. `directory` is the listed directory in native form (see native_name.h); `sort` decides
// which title cell carries the arrow.
// NothingToWrite: the grid has no document row; the caller shows "Impossible de créer un tableau HTML".
// Failed: an image copy or the page could not be written, or the directory's name is not valid UTF-8 (the
// file functions that write pages cannot reach it), before anything is touched; the caller shows the
// failure and the grid stays.
// Cancelled: `control` was cancelled; an older page of the same name stays as it was.
// Written: `path` is the page, for the caller to open.
PageResult EcrirePageHTML(const DocumentGrid &grid, const QString &directory, const SortState &sort,
                          const PageContext &context, JobControl &control);
