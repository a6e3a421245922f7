#pragma once

#include "common/settings.h"
#include "listing/document_grid.h"

#include <QLocale>

// Whether a header caption, without its leading blanks, names a column that a header click sorts as
// numbers: the revision, page, word, character and security columns in either language.
bool isNumericCaption(const QString &caption);

// A click on the header of `column`: the column becomes the bold one and gets the arrow, the rows are
// sorted by it (as numbers or as case-sensitive texts, by its caption) and `sort` is set. A column whose
// header shows the up arrow is sorted descending, any other column ascending. Nothing happens for a column
// the grid does not have.
void sortByHeaderClick(DocumentGrid &grid, int column, SortState &sort, const QLocale &locale);
