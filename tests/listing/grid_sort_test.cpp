#include "listing/grid_sort.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

DocumentGrid gridOf(const QStringList &cells)
{
    DocumentGrid grid;
    grid.setColumns({GridColumn{u" Document"_s}, GridColumn{u"Pages"_s}});
    int i = 0;
    for (const QString &cell : cells)
        grid.appendRow(GridRow{{QString::number(i++), cell}});
    return grid;
}

QStringList column(const DocumentGrid &grid, int c)
{
    QStringList out;
    for (const GridRow &row : grid.rows())
        out << row.cells.value(c);
    return out;
}

} // namespace

TEST(GridSort, GenericComparesNumbersAsNumbersAndTextsCaseSensitively)
{
    const QLocale french(QLocale::French, QLocale::France);
    struct Case
    {
        QStringList input;
        bool ascending;
        QStringList expected;
        QLocale locale;
    };
    const Case cases[] = {
        {{"10", "2", "100"}, true, {"2", "10", "100"}, QLocale::c()},
        {{"10", "2", "100"}, false, {"100", "10", "2"}, QLocale::c()},
        {{"b", "B", "a", "A"}, true, {"A", "B", "a", "b"}, QLocale::c()},
        {{"1,5", "1,25", "-3"}, true, {"-3", "1,25", "1,5"}, french},
        {{"2000/05/17 09:05", "1999/12/31 23:59"},
         true,
         {"1999/12/31 23:59", "2000/05/17 09:05"},
         QLocale::c()},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(qPrintable(c.input.join(QLatin1Char('|'))));
        DocumentGrid grid = gridOf(c.input);
        sortGeneric(grid, 1, c.ascending, c.locale);
        EXPECT_EQ(column(grid, 1), c.expected);
    }
}

TEST(GridSort, EqualCellsKeepTheirOrderNonNumbersCountAsZeroAndOtherColumnsSortNothing)
{
    DocumentGrid grid = gridOf({"x", "y", "x", "y"});
    sortGeneric(grid, 1, true, QLocale::c());
    EXPECT_EQ(column(grid, 0), QStringList({"0", "2", "1", "3"}));
    grid = gridOf({"x", "y", "x", "y"});
    sortText(grid, 1, false);
    EXPECT_EQ(column(grid, 0), QStringList({"1", "3", "0", "2"}));

    grid = gridOf({"100", "", "2", "abc", "-1"});
    sortNumeric(grid, 1, true, QLocale::c());
    EXPECT_EQ(column(grid, 1), QStringList({"-1", "", "abc", "2", "100"}));

    grid = gridOf({"b", "a"});
    sortGeneric(grid, 5, true, QLocale::c());
    sortText(grid, -1, true);
    EXPECT_EQ(column(grid, 1), QStringList({"b", "a"}));
}

TEST(GridSort, CellNumbersFollowTheLocale)
{
    const QLocale french(QLocale::French, QLocale::France);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const struct
    {
        const char *text;
        bool inFrench;
        bool inEnglish;
    } cases[] = {
        {"12", true, true},           {" -7 ", true, true},
        {"3,5", true, false},         {"3.5", false, true},
        {"1e3", true, true},          {"+2", true, true},
        {"05/12/2026", false, false}, {"0 j 00 h 00 min", false, false},
        {"inf", false, false},        {"nan", false, false},
        {"0x1F", false, false},       {"", false, false},
        {"12 pages", false, false},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(cellNumber(QString::fromUtf8(row.text), french).has_value(), row.inFrench);
        EXPECT_EQ(cellNumber(QString::fromUtf8(row.text), english).has_value(), row.inEnglish);
    }
}

TEST(GridSort, PlainDigitsReadAsEveryLocaleReadsThem)
{
    const QLocale locales[] = {
        QLocale::c(), QLocale(QLocale::French, QLocale::France), QLocale(QLocale::German, QLocale::Germany),
        QLocale(QLocale::Arabic, QLocale::Egypt), QLocale(QLocale::Hindi, QLocale::India)};
    for (const QLocale &locale : locales) {
        for (const char *text : {"0", "007", "42", "1200", "999999999999999", "12345678901234567"}) {
            SCOPED_TRACE(qPrintable(locale.name() + u' ' + QLatin1String(text)));
            bool ok = false;
            const double parsed = locale.toDouble(QLatin1String(text), &ok);
            const std::optional<double> number = cellNumber(QString::fromLatin1(text), locale);
            ASSERT_EQ(number.has_value(), ok);
            if (ok) {
                EXPECT_EQ(*number, parsed);
            }
        }
    }
}

TEST(GridSort, DatesAndTimesAreNoNumberInAnyLocale)
{
    // The cells of dates and times skip the locale's parser: no locale reads them as numbers.
    for (const QLocale &locale :
         QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
        for (const char *text : {"2011/05/31 21:50", "1/2", "12:30", "-1:5"}) {
            bool ok = false;
            locale.toDouble(QLatin1String(text), &ok);
            EXPECT_FALSE(ok) << qPrintable(locale.name()) << ' ' << text;
        }
    }
}
