#include "grid_test_data.h"
#include "platform/twips.h"
#include "support/widget_events.h"
#include "ui/grid_model.h"
#include "ui/grid_view.h"

#include <QHeaderView>
#include <gtest/gtest.h>

TEST(GridView, WidthsRoundTripInTwipsAndSurviveAListing)
{
    DocumentGrid grid = sampleGrid();
    GridModel model(grid);
    GridView view;
    view.setGridModel(&model);
    view.resize(600, 300);
    view.show();

    const qreal dpi = view.logicalDpiX();
    EXPECT_EQ(view.columnWidth(0), Twips::toPixels(1500, dpi));
    EXPECT_EQ(view.columnWidthTwips(1), Twips::fromPixels(Twips::toPixels(3000, dpi), dpi));
    if (dpi == 96) {
        EXPECT_EQ(view.columnWidthTwips(1), 3000);
    }

    // A width the user drags is kept in the grid and comes back after the next listing.
    view.horizontalHeader()->resizeSection(0, 150);
    EXPECT_EQ(grid.column(0).widthTwips, Twips::fromPixels(150, dpi));
    model.beginReset();
    grid.clearRows();
    grid.appendRow({{QStringLiteral("new.doc")}, NameColour::Normal, 1});
    model.endReset();
    EXPECT_EQ(view.columnWidth(0), 150);
    EXPECT_EQ(view.columnWidth(1), Twips::toPixels(3000, dpi));
}

TEST(GridView, RowHeightsAreHeaderHeightTimesLines)
{
    DocumentGrid grid = sampleGrid();
    GridModel model(grid);
    GridView view;
    view.setGridModel(&model);
    view.show();
    const int header = view.horizontalHeader()->height();
    ASSERT_GT(header, 0);
    EXPECT_EQ(view.lineHeight(), header);

    const struct
    {
        QList<int> lines;
        bool wrap;
    } cases[] = {{{3, 3, 3}, true}, {{1, 1, 1}, false}, {{2, 1, 3}, true}, {{1, 1, 1}, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.lines[0] << c.lines[1] << c.lines[2]);
        for (int row = 0; row < grid.rowCount(); ++row)
            grid.row(row).lines = c.lines[row];
        view.setLinesPerCell(c.lines.last());
        EXPECT_EQ(view.wordWrap(), c.lines.last() > 1);
        for (int row = 0; row < grid.rowCount(); ++row)
            EXPECT_EQ(view.rowHeight(row), header * c.lines[row]) << "row " << row;
    }
}

TEST(GridView, ADoubleClickOnADividerFitsTheColumnToItsLongestText)
{
    DocumentGrid grid = sampleGrid();
    for (int i = 0; i < 300; ++i)
        grid.appendRow({{QStringLiteral("n%1.doc").arg(i), QStringLiteral("1")}, NameColour::Normal, 1});
    // Far below the rows on screen.
    const QString longest = QStringLiteral("the longest name of all, in the last row.doc");
    grid.appendRow({{longest, QStringLiteral("2")}, NameColour::Normal, 1});
    GridModel model(grid);
    GridView view;
    view.setGridModel(&model);
    view.resize(400, 200);
    view.show();
    QHeaderView *header = view.horizontalHeader();
    const auto doubleClickDivider = [header](int column) {
        const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) - 1,
                        header->height() / 2);
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                        QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease})
            sendMouse(header->viewport(), type, at, Qt::LeftButton);
    };

    doubleClickDivider(0);
    const int last = grid.rowCount() - 1;
    EXPECT_EQ(view.cellTip(model.index(last, 0)), QString()) << "the longest text fits";
    EXPECT_LT(view.columnWidth(0), view.fontMetrics().horizontalAdvance(longest) + 20) << "and no more";
    // Stored like a width the user drags, so that the shut-down writes it.
    EXPECT_EQ(grid.column(0).widthTwips, Twips::fromPixels(view.columnWidth(0), view.logicalDpiX()));

    // A column whose cells are short fits its caption.
    view.setColumnWidthTwips(1, 600);
    doubleClickDivider(1);
    EXPECT_GE(view.columnWidth(1), header->sectionSizeHint(1));
}
