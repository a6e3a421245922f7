#pragma once

#include "listing/document_grid.h"

#include <QByteArrayView>
#include <QVector>
#include <functional>

// How `fichorama list` prints a grid.
enum class TableFormat { Tsv, Csv, Json };

// Where printed bytes go, a piece at a time.
using OutputSink = std::function<void(QByteArrayView bytes)>;

// The grid columns `columns`, in that order: the header row (captions as the grid has them, leading
// blanks included) then one row per document.
// TSV: cells separated by a tab, rows ended by a line feed, each tab, CR or LF inside a cell (a file name
// too) a blank. CSV: RFC 4180 quoting, rows ended by CR LF.
// Always UTF-8, encoded cell by cell and handed to `write` in pieces of some tens of kilobytes, so that
// the table is never whole in memory. JSON has its own writer (json_output.h).
void writeGrid(const DocumentGrid &grid, const QVector<int> &columns, TableFormat format,
               const OutputSink &write);
