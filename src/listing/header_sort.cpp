#include "listing/header_sort.h"

#include "listing/grid_sort.h"

#include <array>

bool isNumericCaption(const QString &caption)
{
    static constexpr std::array<QStringView, 9> numericCaptions = {
        u"Revision",   u"Révision",   u"Pages",    u"Mots",     u"Words",
        u"Caractères", u"Characters", u"Sécurité", u"Security",
    };
    qsizetype start = 0;
    while (start < caption.size() && caption[start] == u' ')
        ++start;
    const QStringView text = QStringView(caption).mid(start);
    for (const QStringView numeric : numericCaptions) {
        if (text == numeric)
            return true;
    }
    return false;
}

void sortByHeaderClick(DocumentGrid &grid, int column, SortState &sort, const QLocale &locale)
{
    if (column < 0 || column >= grid.columnCount())
        return;
    // The arrow of the clicked header decides: up turns down, down or none turns up.
    const bool ascending = !(grid.arrowColumn() == column && grid.arrow() == SortArrow::Up);
    grid.setBoldColumn(column);
    grid.setArrow(column, ascending ? SortArrow::Up : SortArrow::Down);
    if (isNumericCaption(grid.column(column).caption))
        sortNumeric(grid, column, ascending, locale);
    else
        sortText(grid, column, ascending);
    sort.column = column;
    sort.ascending = ascending;
}
