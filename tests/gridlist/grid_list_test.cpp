#include "gridlist/grid_list_file.h"
#include "gridlist/grid_list_rules.h"
#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

TEST(GridListFile, RoundTripsCommasQuotesAndAccents)
{
    QTemporaryDir temp;
    const QString root = temp.path();
    const GridList entries = {
        {root + u"/a, b"_s, true},
        {root + u"/dit \"oui\""_s, false},
        {root + u"/été"_s, true},
    };
    for (const GridListEntry &entry : entries)
        QDir().mkpath(entry.path);
    const QString file = temp.filePath(u"Fichorama.txt"_s);

    ASSERT_FALSE(EcrireListeTableaux(file, entries).has_value());
    const QByteArray r = root.toUtf8();
    EXPECT_EQ(readFile(file), "\"" + r + "/a, b\",#TRUE#\r\n\"" + r + "/dit \"\"oui\"\"\",#FALSE#\r\n\"" + r +
                                  "/\xC3\xA9t\xC3\xA9\",#TRUE#\r\n");
    EXPECT_EQ(LireListeTableaux(file), entries);

    ASSERT_FALSE(EcrireListeTableaux(file, {}).has_value());
    EXPECT_EQ(readFile(file), QByteArray());
    EXPECT_TRUE(LireListeTableaux(file).isEmpty());
    EXPECT_TRUE(LireListeTableaux(temp.filePath(u"absent.txt"_s)).isEmpty());
}

TEST(GridListFile, LoadUnticksMissingDirectoriesAndSkipsOtherLines)
{
    QTemporaryDir temp;
    const QByteArray root = temp.path().toLocal8Bit();
    QDir().mkpath(temp.filePath(u"caf\u00e9"_s));
    QDir().mkpath(temp.filePath(u"ici"_s));
    const QString file = temp.filePath(u"liste.txt"_s);
    // Windows-1252, as the older program wrote it; the last line has no line end. "@" stands for the root.
    writeFile(file, QByteArray("\"@/caf\xE9\",#TRUE#\r\n\"@/disparu\",#TRUE#\r\nsans guillemets,#TRUE#\r\n"
                               "\"@/ici\",#MAYBE#\r\n\"@/ici\"\r\n\r\n\"@/ici,#TRUE#\r\n\"@/ici\",#FALSE#")
                        .replace('@', root));
    const GridList expected = {{temp.filePath(u"caf\u00e9"_s), true},
                               {temp.filePath(u"disparu"_s), false},
                               {temp.filePath(u"ici"_s), false}};
    EXPECT_EQ(LireListeTableaux(file), expected);
}

TEST(GridListFile, OnlyARegularFileLoads)
{
    QTemporaryDir temp;
    const QString pipe = temp.filePath(u"pipe.txt"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString endless = temp.filePath(u"zero.txt"_s);
    ASSERT_TRUE(QFile::link(u"/dev/zero"_s, endless));
    // Past the 64 MiB cap; sparse, so it costs no disk.
    const QString huge = temp.filePath(u"huge.txt"_s);
    writeFile(huge, "\"" + temp.path().toUtf8() + "\",#TRUE#\r\n");
    ASSERT_TRUE(QFile::resize(huge, 64 * 1024 * 1024 + 1));
    for (const QString &path : {pipe, endless, huge}) {
        SCOPED_TRACE(qPrintable(path));
        EXPECT_TRUE(LireListeTableaux(path).isEmpty()); // and returns at once
    }
}

TEST(GridListFile, PathWithALineFeedIsRefusedNotLost)
{
    QTemporaryDir temp;
    const QString file = temp.filePath(u"Fichorama.txt"_s);
    writeFile(file, "\"/srv/a\",#TRUE#\r\n");
    const GridList entries = {{u"/srv/a"_s, true}, {u"/srv/deux\nlignes"_s, true}};
    const std::optional<WriteFailure> failure = EcrireListeTableaux(file, entries);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->path, file);
    EXPECT_TRUE(failure->reason.contains(u"/srv/deux\nlignes"_s)) << qPrintable(failure->reason);
    EXPECT_EQ(readFile(file), QByteArray("\"/srv/a\",#TRUE#\r\n"));

    // A carriage return alone stays inside its quotes and reads back.
    const GridList returns = {{u"/srv/retour\r"_s, false}};
    ASSERT_FALSE(EcrireListeTableaux(file, returns));
    EXPECT_EQ(parseGridList(readFile(file)), returns);
}

TEST(GridListRules, AddAndRemoveIgnoreLetterCase)
{
    QTemporaryDir temp;
    const QString file = temp.filePath(u"liste.txt"_s);
    const GridList start = {{u"/srv/Docs"_s, false}, {u"/srv/Été"_s, true}, {u"/SRV/DOCS"_s, true}};
    const ListButtons listed{false, true};
    const ListButtons notListed{true, false};

    struct Case
    {
        const char *name;
        bool add;
        QString directory;
        ListChange change;
        ListButtons buttons;
        GridList after;
    };
    const Case cases[] = {
        {"add listed in other case", true, u"/srv/docs"_s, ListChange::AlreadyListed, listed, start},
        {"add with accent in other case", true, u"/SRV/ÉTÉ"_s, ListChange::AlreadyListed, listed, start},
        {"add new", true, u"/srv/Neuf"_s, ListChange::Added, listed,
         start + GridList{{u"/srv/Neuf"_s, true}}},
        {"remove first match only", false, u"/Srv/Docs"_s, ListChange::Removed, notListed,
         GridList{{u"/srv/Été"_s, true}, {u"/SRV/DOCS"_s, true}}},
        {"remove absent", false, u"/srv/autre"_s, ListChange::NotListed, notListed, start},
    };
    EXPECT_EQ(MajBoutonsListe(u"/srv/été"_s, start), listed);
    EXPECT_EQ(MajBoutonsListe(u"/srv/autre"_s, start), notListed);
    for (const Case &test : cases) {
        SCOPED_TRACE(test.name);
        QFile::remove(file);
        GridList entries = start;
        const ListEditResult result = test.add ? addDisplayedDirectory(entries, test.directory, file)
                                               : removeDisplayedDirectory(entries, test.directory, file);
        EXPECT_EQ(result.change, test.change);
        EXPECT_EQ(result.buttons, test.buttons);
        EXPECT_EQ(entries, test.after);
        const bool changed = test.change == ListChange::Added || test.change == ListChange::Removed;
        EXPECT_EQ(QFile::exists(file), changed);
        if (changed) {
            EXPECT_EQ(parseGridList(readFile(file)), test.after); // every mark as it is in memory
        }
    }
}

TEST(GridListRules, FailedWriteKeepsTheList)
{
    QTemporaryDir temp;
    writeFile(temp.filePath(u"fichier"_s), "x");
    const QString file = temp.filePath(u"fichier/liste.txt"_s); // below a regular file: never writable
    GridList entries = {{u"/srv/a"_s, true}};
    const GridList before = entries;

    ListEditResult result = addDisplayedDirectory(entries, u"/srv/b"_s, file);
    EXPECT_EQ(result.change, ListChange::WriteFailed);
    EXPECT_EQ(result.failure.path, file);
    EXPECT_EQ(result.buttons, (ListButtons{true, false}));
    EXPECT_EQ(entries, before);

    result = removeDisplayedDirectory(entries, u"/SRV/A"_s, file);
    EXPECT_EQ(result.change, ListChange::WriteFailed);
    EXPECT_EQ(result.buttons, (ListButtons{false, true}));
    EXPECT_EQ(entries, before);
}
