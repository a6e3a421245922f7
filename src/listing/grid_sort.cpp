#include "listing/grid_sort.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

// One row's sort key, worked out once so that a sort of many rows parses each cell once.
struct SortKey
{
    int row;
    std::optional<double> number;
};

template <typename Less>
void reorderRows(DocumentGrid &grid, std::vector<SortKey> &keys, bool ascending, Less less)
{
    if (ascending)
        std::stable_sort(keys.begin(), keys.end(), less);
    else
        std::stable_sort(keys.begin(), keys.end(),
                         [&](const SortKey &a, const SortKey &b) { return less(b, a); });
    QVector<GridRow> sorted;
    sorted.reserve(int(keys.size()));
    for (const SortKey &key : keys)
        sorted.append(std::move(grid.row(key.row)));
    grid.rows() = std::move(sorted);
}

std::vector<SortKey> keysOf(const DocumentGrid &grid, int column, const QLocale *locale)
{
    std::vector<SortKey> keys(size_t(grid.rowCount()));
    for (int i = 0; i < grid.rowCount(); ++i) {
        keys[size_t(i)].row = i;
        if (locale) keys[size_t(i)].number = cellNumber(grid.row(i).cells.value(column), *locale);
    }
    return keys;
}

} // namespace

std::optional<double> cellNumber(const QString &text, const QLocale &locale)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return std::nullopt;
    bool ok = false;
    const double value = locale.toDouble(trimmed, &ok);
    if (ok) return value;
    // The locale's own form failed; grouping may have been omitted or placed freely.
    QLocale relaxed = locale;
    relaxed.setNumberOptions(locale.numberOptions() & ~QLocale::RejectGroupSeparator);
    const double relaxedValue = relaxed.toDouble(trimmed, &ok);
    return ok ? std::optional<double>(relaxedValue) : std::nullopt;
}

void sortGeneric(DocumentGrid &grid, int column, bool ascending, const QLocale &locale)
{
    if (column < 0 || column >= grid.columnCount()) return;
    std::vector<SortKey> keys = keysOf(grid, column, &locale);
    reorderRows(grid, keys, ascending, [&](const SortKey &a, const SortKey &b) {
        if (a.number && b.number) return *a.number < *b.number;
        return grid.row(a.row).cells[column] < grid.row(b.row).cells[column];
    });
}

void sortNumeric(DocumentGrid &grid, int column, bool ascending, const QLocale &locale)
{
    if (column < 0 || column >= grid.columnCount()) return;
    std::vector<SortKey> keys = keysOf(grid, column, &locale);
    reorderRows(grid, keys, ascending, [](const SortKey &a, const SortKey &b) {
        return a.number.value_or(0) < b.number.value_or(0);
    });
}

void sortText(DocumentGrid &grid, int column, bool ascending)
{
    if (column < 0 || column >= grid.columnCount()) return;
    std::vector<SortKey> keys = keysOf(grid, column, nullptr);
    reorderRows(grid, keys, ascending, [&](const SortKey &a, const SortKey &b) {
        return grid.row(a.row).cells[column] < grid.row(b.row).cells[column];
    });
}
