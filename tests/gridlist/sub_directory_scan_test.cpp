#include "gridlist/grid_list_edits.h"
#include "gridlist/sub_directory_scan.h"
#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(SubDirectoryScan, ListsChildrenBeforeDescendingAndSkipsDotsAndLinks)
{
    QTemporaryDir temp;
    const QString d = temp.filePath(u"D"_s);
    for (const char *sub : {"A/A1/A1x", "B/B1", ".cache/inner", "A/.git"})
        ASSERT_TRUE(QDir().mkpath(d + u'/' + QLatin1String(sub)));
    writeFile(d + u"/file.txt"_s, "x");
    // A link back up the tree would loop; a link to a sibling would list it twice.
    ASSERT_TRUE(QFile::link(d, d + u"/A/up"_s));
    ASSERT_TRUE(QFile::link(d + u"/B"_s, d + u"/toB"_s));

    const QStringList top = subDirectoriesInSystemOrder(d);
    ASSERT_EQ(top.size(), 2);
    const QMap<QString, QStringList> below{{d + u"/A"_s, {d + u"/A/A1"_s, d + u"/A/A1/A1x"_s}},
                                           {d + u"/B"_s, {d + u"/B/B1"_s}}};
    const QStringList expected = top + below[top[0]] + below[top[1]];

    JobControl control;
    const SubDirectoryList scan = ListerSousDossiers(d, control);
    EXPECT_EQ(scan.directories, expected);
    EXPECT_FALSE(scan.stopped);
    EXPECT_EQ(control.value(), expected.size());

    JobControl cancelled;
    cancelled.cancel();
    const SubDirectoryList stopped = ListerSousDossiers(d, cancelled);
    EXPECT_TRUE(stopped.stopped);
    EXPECT_TRUE(stopped.directories.isEmpty());

    EXPECT_TRUE(ListerSousDossiers(temp.filePath(u"absent"_s), control).directories.isEmpty());
    EXPECT_FALSE(isScannableDirectory(u"relative/dir"_s));
    EXPECT_FALSE(isScannableDirectory(u"//server/share"_s));
    EXPECT_TRUE(isScannableDirectory(d));
}

TEST(GridListEdits, SortIgnoresCaseKeepsMarksAndOrderOfEquals)
{
    GridList entries{{u"b"_s, true}, {u"A"_s, false}, {u"c"_s, true}, {u"a"_s, true}, {u"B"_s, false}};
    sortEntries(entries);
    const GridList expected{{u"A"_s, false}, {u"a"_s, true}, {u"b"_s, true}, {u"B"_s, false}, {u"c"_s, true}};
    EXPECT_EQ(entries, expected);

    EXPECT_EQ(withoutListed({u"/x"_s, u"/X"_s, u"/y"_s}, {{u"/x"_s, false}}),
              QStringList({u"/X"_s, u"/y"_s}));
}
