#pragma once

#include "listing/document_grid.h"

#include <QLocale>
#include <optional>

// Reads a cell as a decimal number in the given locale: blanks around it, an optional sign, digits with
// the locale's decimal and grouping separators, an optional exponent. Empty when the text is no number.
std::optional<double> cellNumber(QStringView text, const QLocale &locale);

// The sort that follows a listing: two cells compare as numbers when both read as numbers in the locale,
// otherwise as texts (case-sensitive, by UTF-16 code units). Stable: equal rows keep their order.
void sortGeneric(DocumentGrid &grid, int column, bool ascending, const QLocale &locale);

// The sort of a header click on a numeric column: every cell compares as its number, a cell that is no
// number as 0. Stable.
void sortNumeric(DocumentGrid &grid, int column, bool ascending, const QLocale &locale);

// The sort of a header click on a text column: case-sensitive text comparison. Stable.
void sortText(DocumentGrid &grid, int column, bool ascending);
