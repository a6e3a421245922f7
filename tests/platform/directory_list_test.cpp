#include "platform/directory_list.h"
#include "platform/native_name.h"
#include "support/test_files.h"
#include "support/widget_events.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The names the list shows, top to bottom, or with `Qt::UserRole` the full paths they stand for.
QStringList shown(const DirectoryList &list, int role = Qt::DisplayRole)
{
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts.append(list.item(i)->data(role).toString());
    return texts;
}

QStringList shownPaths(const DirectoryList &list)
{
    return shown(list, Qt::UserRole);
}

class DirectoryListTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_root = QDir::cleanPath(m_dir.path());
        for (const char *sub : {"top/beta", "top/Alpha", "top/gamma/deep"})
            ASSERT_TRUE(QDir().mkpath(m_root + QLatin1Char('/') + QLatin1String(sub)));
        QFile file(m_root + u"/top/file.doc"_s);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << qPrintable(file.errorString());
    }
    QString path(const char *relative) const { return m_root + QLatin1Char('/') + QLatin1String(relative); }

    NativeTemporaryDir m_dir;
    QString m_root;
};

} // namespace

TEST_F(DirectoryListTest, ShowsAncestorsThenSortedSubDirectories)
{
    DirectoryList list;
    ASSERT_TRUE(list.setPath(path("top/gamma/../.")));
    EXPECT_EQ(list.path(), path("top"));
    const QStringList paths = shownPaths(list);
    ASSERT_GE(paths.size(), 4);
    EXPECT_EQ(paths.first(), u"/"_s);
    EXPECT_EQ(shown(list).first(), u"/"_s);
    EXPECT_EQ(paths.mid(paths.size() - 4),
              QStringList({path("top"), path("top/Alpha"), path("top/beta"), path("top/gamma")}));
    EXPECT_EQ(shown(list).last(), u"gamma"_s);
    EXPECT_EQ(list.highlighted(), path("top"));
}

TEST_F(DirectoryListTest, SetPathFailsOnMissingPathsAndSignalsOnlyChanges)
{
    DirectoryList list;
    QStringList changes;
    QObject::connect(&list, &DirectoryList::pathChanged, [&changes](const QString &p) { changes.append(p); });
    const struct
    {
        QString path;
        bool accepted;
        QString expectedPath;
        int emitted;
    } cases[] = {
        {path("top"), true, path("top"), 1},
        {path("top/"), true, path("top"), 0},          // the same path, written differently
        {path("missing"), false, path("top"), 0},      // no such directory: list unchanged
        {path("top/file.doc"), false, path("top"), 0}, // a file is not a directory
        {QString(), false, path("top"), 0},
        {path("top/gamma/deep"), true, path("top/gamma/deep"), 1},
        {u"/"_s, true, u"/"_s, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(qPrintable(c.path));
        const QStringList before = shownPaths(list);
        changes.clear();
        EXPECT_EQ(list.setPath(c.path), c.accepted);
        EXPECT_EQ(list.path(), c.expectedPath);
        ASSERT_EQ(changes.size(), c.emitted);
        if (c.emitted) {
            EXPECT_EQ(changes.first(), c.expectedPath);
        }
        if (!c.accepted) {
            EXPECT_EQ(shownPaths(list), before);
        }
    }
    EXPECT_EQ(shownPaths(list).first(), u"/"_s);
    EXPECT_EQ(list.highlighted(), u"/"_s);
}

TEST_F(DirectoryListTest, ClickHighlightsAndEnterOpens)
{
    DirectoryList list;
    list.show();
    ASSERT_TRUE(list.setPath(path("top")));
    QStringList changes;
    QObject::connect(&list, &DirectoryList::pathChanged, [&changes](const QString &p) { changes.append(p); });
    const int beta = int(shownPaths(list).indexOf(path("top/beta")));
    ASSERT_GE(beta, 0);

    list.setCurrentRow(beta); // what a click does
    EXPECT_EQ(list.highlighted(), path("top/beta"));
    EXPECT_EQ(list.path(), path("top"));
    EXPECT_EQ(changes.size(), 0);

    pressKey(&list, Qt::Key_Return);
    EXPECT_EQ(list.path(), path("top/beta"));
    EXPECT_EQ(changes.size(), 1);
    EXPECT_EQ(list.highlighted(), path("top/beta"));

    // A double-click on an ancestor opens it.
    const int top = int(shownPaths(list).indexOf(path("top")));
    Q_EMIT list.itemDoubleClicked(list.item(top));
    EXPECT_EQ(list.path(), path("top"));
    EXPECT_EQ(changes.size(), 2);
}

TEST_F(DirectoryListTest, OpensDirectoriesWhoseNamesAreNotUtf8)
{
    const QString raw = path("top") + u'/' + fromNativeBytes("\xE9t\xE9");
    makeNativeDirectory(raw);
    makeNativeDirectory(raw + u"/sous"_s);
    DirectoryList list;
    ASSERT_TRUE(list.setPath(path("top")));
    const int entry = int(shown(list).indexOf(u"\uFFFDt\uFFFD"_s));
    ASSERT_GE(entry, 0);

    Q_EMIT list.itemDoubleClicked(list.item(entry));
    EXPECT_EQ(list.path(), raw);
    EXPECT_EQ(shown(list).mid(shown(list).size() - 2), QStringList({u"\uFFFDt\uFFFD"_s, u"sous"_s}));
    EXPECT_EQ(shownPaths(list).last(), raw + u"/sous"_s);
}
