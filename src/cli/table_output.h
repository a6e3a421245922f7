#pragma once

#include "listing/document_grid.h"

#include <QByteArray>

// How `fichorama list` prints a grid.
enum class TableFormat { Tsv, Csv, Json };

// The header row (captions as the grid has them, leading blanks included) then one row per document.
// TSV: cells separated by a tab, rows ended by a line feed, each tab, CR or LF inside a cell (a file name
// too) a blank. CSV: RFC 4180 quoting, rows ended by CR LF.
// Always UTF-8. JSON has its own writer (json_output.h).
QByteArray formatGrid(const DocumentGrid &grid, TableFormat format);
