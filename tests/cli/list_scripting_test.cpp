#include "support/fichorama_process.h"
#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

TEST(ListScripting, JsonHoldsOneTypedObjectPerDocument)
{
    QTemporaryDir settings;
    QTemporaryDir documents;
    for (const char *name : {"si_cp1252_tous_pid.doc", "edition_zero.doc"})
        copyTestData(u"ole/"_s + QLatin1String(name), documents.path());

    const ProcessRun run = fichorama(commandOn("list", documents.path(), settings.path(),
                                               {u"--format"_s, u"json"_s, u"--columns"_s, u"all"_s}),
                                     u"Europe/Paris"_s);
    EXPECT_EQ(run.status, 0) << run.err.constData();
    QJsonParseError error;
    const QJsonDocument parsed = QJsonDocument::fromJson(run.out, &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << run.out.constData();
    const QJsonArray rows = parsed.array();
    ASSERT_EQ(rows.size(), 2);
    // Sorted by name as the grid is; every column key, then the path.
    const QJsonObject zero = rows[0].toObject();
    const QJsonObject full = rows[1].toObject();
    EXPECT_EQ(full.keys().size(), 20);
    EXPECT_EQ(zero[u"name"_s], u"edition_zero.doc"_s);
    EXPECT_EQ(full[u"path"_s], documents.filePath(u"si_cp1252_tous_pid.doc"_s));

    EXPECT_EQ(full[u"title"_s], u"Rapport trimestriel – été"_s);
    EXPECT_EQ(full[u"application"_s], u"Word 8.0"_s);
    EXPECT_EQ(full[u"revision"_s], u"15"_s);
    EXPECT_EQ(full[u"pages"_s], 12);
    EXPECT_EQ(full[u"characters"_s], 19876);
    EXPECT_EQ(full[u"editing-time"_s], 3 * 1440 + 5 * 60 + 7);
    // Local time with the offset of the instant: 1999/03/01 23:59 UTC is the next day in Paris.
    EXPECT_TRUE(full[u"created"_s].toString().startsWith(u"1997-01-02T04:04:"_s));
    EXPECT_TRUE(full[u"saved"_s].toString().startsWith(u"1999-03-02T00:59:"_s));
    EXPECT_TRUE(full[u"saved"_s].toString().endsWith(u"+01:00"_s));
    EXPECT_EQ(zero[u"editing-time"_s], 0);
    // Values the documents do not hold.
    EXPECT_TRUE(full[u"short-name"_s].isNull());
    EXPECT_TRUE(zero[u"application"_s].isNull());

    const ProcessRun empty =
        fichorama(commandOn("list", settings.path(), settings.path(), {u"--format"_s, u"json"_s}));
    EXPECT_EQ(empty.out, "[]\n");
}

TEST(ListScripting, RecursiveListsTheTreeAndNamesWhatItCannotRead)
{
    QTemporaryDir settings;
    QTemporaryDir base;
    const QString top = base.filePath(u"top"_s);
    for (const char *directory : {"top/sub/deeper", "top/.cache", "top/locked"})
        ASSERT_TRUE(QDir(base.path()).mkpath(QLatin1String(directory)));
    for (const char *document :
         {"a.doc", "sub/b.doc", "sub/deeper/c.doc", ".cache/d.doc", "locked/e.doc", "sub/secret.doc"})
        copyTestData(u"ole/si_lpwstr.doc"_s, top, QLatin1String(document));
    ASSERT_TRUE(QFile::link(top, top + u"/sub/loop"_s));
    // The reader must be refused what its owner is: as root, the command runs as nobody.
    QStringList runner;
    if (::geteuid() == 0) {
        const QString setpriv = QStandardPaths::findExecutable(u"setpriv"_s);
        if (setpriv.isEmpty())
            GTEST_SKIP() << "running as root without setpriv: no way to be refused a read";
        runner = {setpriv, u"--reuid=65534"_s, u"--regid=65534"_s, u"--clear-groups"_s};
        for (const QString &path : {base.path(), settings.path()})
            QFile::setPermissions(path, QFile::Permissions(0x7555));
    }
    QFile::setPermissions(top + u"/locked"_s, {});
    QFile::setPermissions(top + u"/sub/secret.doc"_s, {});

    const ProcessRun run = fichorama(
        commandOn("list", top, settings.path(), {u"--recursive"_s, u"--columns"_s, u"name,title"_s}),
        u"UTC"_s, runner);
    QFile::setPermissions(top + u"/locked"_s, QFile::Permissions(0x7700));
    EXPECT_EQ(run.status, 1);
    const QList<QByteArray> lines = run.out.split('\n');
    // A file that cannot be read is not a document: no option here lists other files.
    ASSERT_EQ(lines.size(), 5) << run.out.constData();
    EXPECT_TRUE(lines[1].startsWith("a.doc\t")) << lines[1].constData();
    EXPECT_TRUE(lines[2].startsWith("sub/b.doc\t")) << lines[2].constData();
    EXPECT_TRUE(lines[3].startsWith("sub/deeper/c.doc\t")) << lines[3].constData();
    EXPECT_TRUE(run.err.contains("top/locked: ")) << run.err.constData();
    EXPECT_TRUE(run.err.contains("top/sub/secret.doc: Permission denied")) << run.err.constData();
}
