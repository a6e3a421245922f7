#pragma once

#include "listing/document_grid.h"
#include "platform/local_time.h"

#include <QByteArray>
#include <QStringList>
#include <QVector>

// `fichorama list --format json`: an array with one object per row of `grid`, keyed by the English
// column keys in the order printed, then "path". Values are typed from the row's properties: numbers as
// numbers, dates in ISO 8601 with the local offset of that instant (a date written without a zone, as
// written, without an offset), the editing time in whole minutes, texts as the grid shows them; a value
// the document does not hold is null. A row without properties (a file listed by an option) has its
// non-empty cells as texts. `gridColumns` holds the grid column of each printed column and
// `columnIndexes` its property table index, -1 for the name; `paths` the absolute path of each row, in native
// form (shown with U+FFFD for bytes that are not UTF-8, as every text of the output).
QByteArray formatJson(const DocumentGrid &grid, const QVector<int> &gridColumns,
                      const QVector<int> &columnIndexes, const QStringList &paths,
                      const LocalTime &localTime);
