#pragma once

#include "listing/document_grid.h"

#include <QByteArray>
#include <QVector>

// How `fichorama list` prints a grid.
enum class TableFormat { Tsv, Csv, Json };

// The grid columns `columns`, in that order: the header row (captions as the grid has them, leading
// blanks included) then one row per document.
// TSV: cells separated by a tab, rows ended by a line feed, each tab, CR or LF inside a cell (a file name
// too) a blank. CSV: RFC 4180 quoting, rows ended by CR LF.
// Always UTF-8, encoded cell by cell straight into the output. JSON has its own writer (json_output.h).
QByteArray formatGrid(const DocumentGrid &grid, const QVector<int> &columns, TableFormat format);
