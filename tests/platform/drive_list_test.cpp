#include "platform/drive_list.h"

#include <QStorageInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(DriveList, PicksTheVolumeThatHoldsAPath)
{
    DriveList list;
    list.setVolumes({{u"/home"_s, QString()},
                     {u"/"_s, u"root"_s},
                     {u"/home/data"_s, u"DATA"_s},
                     {u"/media/c:"_s, QString()}});
    QStringList changes;
    QObject::connect(&list, &DriveList::driveChanged, [&changes](const QString &d) { changes.append(d); });
    const struct
    {
        const char *path;
        const char *text;
        const char *directory;
    } cases[] = {
        {"/home/database/x", "/home", "/home"}, // "/home/data" is not a parent of "/home/database"
        {"/home/data/x/y", "/home/data [DATA]", "/home/data"},
        {"/home/data", "/home/data [DATA]", "/home/data"},
        {"/etc", "/ [root]", "/"},
        {"/", "/ [root]", "/"},
        {"/media/c:/photos", "/media/c:", "/media/c:"}, // an entry with a colon stands for its text up to it
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_TRUE(list.setDriveForPath(QString::fromUtf8(c.path)));
        EXPECT_EQ(list.driveText(), QString::fromUtf8(c.text));
        EXPECT_EQ(list.driveDirectory(), QString::fromUtf8(c.directory));
    }
    EXPECT_EQ(changes.size(), 0) << "only the user's picks signal a drive change";
    list.setCurrentIndex(list.findText(u"/home"_s)); // as a pick in the pop-up does
    EXPECT_EQ(changes, QStringList{u"/home"_s});
    EXPECT_EQ(DriveList::directoryForEntry(u"c: [SYSTEM]"_s, u"C:/"_s), u"c:"_s);
}

TEST(DriveList, SelectsTheMountOfARealDirectory)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    DriveList list;
    ASSERT_GT(list.count(), 0);
    ASSERT_TRUE(list.setDriveForPath(dir.path()));
    EXPECT_EQ(list.driveDirectory(), QStorageInfo(dir.path()).rootPath());
}
