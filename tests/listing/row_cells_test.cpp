#include "listing/row_cells.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(RowCells, KeepsEveryCellThroughChanges)
{
    // Empty cells, a cell longer than 65,535 characters (its length needs both halves) and a cell taken
    // from the row itself, which must survive the block growing under it.
    const QString longCell(70000, u'é');
    RowCells cells{u"a.doc"_s, QString(), longCell};
    cells.append(cells.at(0));
    cells = cells.compacted();
    EXPECT_EQ(cells.size(), 4);
    EXPECT_EQ(cells.at(1), QString());
    EXPECT_EQ(cells.at(2), longCell);
    EXPECT_EQ(cells.value(3), u"a.doc"_s);
    EXPECT_EQ(cells.value(4), QString());
    const auto views = cells.views();
    ASSERT_EQ(views.size(), 4);
    EXPECT_EQ(views[2], longCell);
    EXPECT_EQ(views[3], u"a.doc");

    cells.set(2, u"court");
    cells.set(0, u"dossier/"_s + cells.value(0));
    EXPECT_EQ(cells.join(u"|"), u"dossier/a.doc||court|a.doc"_s);
    EXPECT_EQ(cells, (RowCells{u"dossier/a.doc"_s, QString(), u"court"_s, u"a.doc"_s}));
}
