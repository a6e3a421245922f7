#include "listing/grid_sort.h"

#include <algorithm>
#include <vector>

namespace {

// One row's sort key, worked out once so that a sort of many rows parses each cell once.
struct SortKey
{
    int row;
    QStringView text;
    std::optional<double> number;
};

std::vector<SortKey> keysOf(const DocumentGrid &grid, int column, const QLocale *locale)
{
    std::vector<SortKey> keys(size_t(grid.rowCount()));
    for (int i = 0; i < grid.rowCount(); ++i) {
        const QStringView text = grid.rows().at(i).cells.at(column);
        keys[size_t(i)] = {i, text, locale ? cellNumber(text, *locale) : std::nullopt};
    }
    return keys;
}

// Sorts the rows of `grid` by `column` with `less` on their keys; stable in both directions.
template <typename Less>
void sortRows(DocumentGrid &grid, int column, const QLocale *locale, bool ascending, Less less)
{
    if (column < 0 || column >= grid.columnCount())
        return;
    std::vector<SortKey> keys = keysOf(grid, column, locale);
    if (ascending)
        std::stable_sort(keys.begin(), keys.end(), less);
    else
        std::stable_sort(keys.begin(), keys.end(),
                         [&](const SortKey &a, const SortKey &b) { return less(b, a); });
    // The rows are put in their places where they lie, a cycle of the permutation at a time: a second array
    // of many thousand rows would be fresh memory to fault in.
    QVector<GridRow> &rows = grid.rows();
    std::vector<bool> placed(keys.size());
    for (size_t start = 0; start < keys.size(); ++start) {
        if (placed[start])
            continue;
        GridRow first = std::move(rows[qsizetype(start)]);
        size_t at = start;
        while (size_t(keys[at].row) != start) {
            rows[qsizetype(at)] = std::move(rows[keys[at].row]);
            placed[at] = true;
            at = size_t(keys[at].row);
        }
        rows[qsizetype(at)] = std::move(first);
        placed[at] = true;
    }
}

// A cell of plain decimal digits (a count, a revision), read without the locale's parser: every locale
// reads such a text as this number. Longer texts are left to the parser, which rounds them.
std::optional<double> plainDigits(QStringView text)
{
    constexpr qsizetype kMaxDigits = 15; // below 2^53: the value is exact
    if (text.isEmpty() || text.size() > kMaxDigits)
        return std::nullopt;
    qint64 value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return double(value);
}

} // namespace

std::optional<double> cellNumber(QStringView text, const QLocale &locale)
{
    if (const std::optional<double> digits = plainDigits(text))
        return digits;
    // A number needs a digit and no letter but the exponent's: this keeps "inf" and "nan" out and spares
    // names and words the locale's parser, which is slow. No locale writes a slash or a colon in a
    // number, so dates and times are spared it too.
    const bool hasDigit = std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isDigit(); });
    const bool hasWord = std::any_of(text.cbegin(), text.cend(), [](QChar c) {
        return (c.isLetter() && c != QLatin1Char('e') && c != QLatin1Char('E')) || c == QLatin1Char('/') ||
               c == QLatin1Char(':');
    });
    if (!hasDigit || hasWord)
        return std::nullopt;
    bool ok = false;
    const double value = locale.toDouble(text.trimmed(), &ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

void sortGeneric(DocumentGrid &grid, int column, bool ascending, const QLocale &locale)
{
    sortRows(grid, column, &locale, ascending, [](const SortKey &a, const SortKey &b) {
        if (a.number && b.number)
            return *a.number < *b.number;
        return a.text < b.text;
    });
}

void sortNumeric(DocumentGrid &grid, int column, bool ascending, const QLocale &locale)
{
    sortRows(grid, column, &locale, ascending,
             [](const SortKey &a, const SortKey &b) { return a.number.value_or(0) < b.number.value_or(0); });
}

void sortText(DocumentGrid &grid, int column, bool ascending)
{
    sortRows(grid, column, nullptr, ascending,
             [](const SortKey &a, const SortKey &b) { return a.text < b.text; });
}
