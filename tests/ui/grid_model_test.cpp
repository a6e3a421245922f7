#include "grid_test_data.h"
#include "ui/grid_model.h"

#include <QFont>
#include <QImage>
#include <QPalette>
#include <gtest/gtest.h>

namespace {

// Rows of the pixmap that hold at least one opaque pixel, as (first, last) widths: an up arrow is
// narrow at the top and wide at the bottom.
std::pair<int, int> topAndBottomWidths(const QPixmap &pixmap)
{
    const QImage image = pixmap.toImage();
    QList<int> widths;
    for (int y = 0; y < image.height(); ++y) {
        int width = 0;
        for (int x = 0; x < image.width(); ++x)
            width += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
        if (width > 0)
            widths.append(width);
    }
    if (widths.isEmpty())
        return {0, 0};
    return {widths.first(), widths.last()};
}

} // namespace

TEST(GridModel, ShowsCellsAlignmentAndNameColours)
{
    DocumentGrid grid = sampleGrid();
    GridModel model(grid);
    QPalette palette;
    palette.setColor(QPalette::Highlight, Qt::blue);
    palette.setColor(QPalette::Dark, Qt::gray);
    palette.setColor(QPalette::WindowText, Qt::black);
    model.setPalette(palette);

    ASSERT_EQ(model.rowCount(), 3);
    ASSERT_EQ(model.columnCount(), 2);
    EXPECT_EQ(model.data(model.index(0, 1)).toString(), QStringLiteral("12"));
    EXPECT_EQ(model.data(model.index(2, 1)).toString(), QString()); // padded by the grid

    const int left = int(Qt::AlignLeft | Qt::AlignTop);
    const int centre = int(Qt::AlignHCenter | Qt::AlignTop);
    EXPECT_EQ(model.data(model.index(0, 0), Qt::TextAlignmentRole).toInt(), left);
    EXPECT_EQ(model.data(model.index(0, 1), Qt::TextAlignmentRole).toInt(), centre);

    const struct
    {
        int row;
        QColor colour;
    } colours[] = {{0, Qt::blue}, {1, Qt::gray}, {2, Qt::black}};
    for (const auto &c : colours) {
        SCOPED_TRACE(c.row);
        EXPECT_EQ(model.data(model.index(c.row, 0), Qt::ForegroundRole).value<QBrush>().color(), c.colour);
    }
    EXPECT_FALSE(model.data(model.index(0, 1), Qt::ForegroundRole).isValid());
}

TEST(GridModel, HeaderShowsCaptionsBoldColumnAndArrow)
{
    DocumentGrid grid = sampleGrid();
    grid.setBoldColumn(1);
    grid.setArrow(1, SortArrow::Up);
    GridModel model(grid);

    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral(" Document"));
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral(" Pages"));
    EXPECT_TRUE(model.headerData(1, Qt::Horizontal, Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(model.headerData(0, Qt::Horizontal, Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(model.headerData(0, Qt::Horizontal, Qt::DecorationRole).isValid());

    const auto up =
        topAndBottomWidths(model.headerData(1, Qt::Horizontal, Qt::DecorationRole).value<QPixmap>());
    EXPECT_LT(up.first, up.second) << "the up arrow is narrow at the top";

    grid.setArrow(1, SortArrow::Down);
    model.headerChanged();
    const auto down =
        topAndBottomWidths(model.headerData(1, Qt::Horizontal, Qt::DecorationRole).value<QPixmap>());
    EXPECT_GT(down.first, down.second) << "the down arrow is wide at the top";

    grid.clearArrow();
    EXPECT_FALSE(model.headerData(1, Qt::Horizontal, Qt::DecorationRole).isValid());
}
