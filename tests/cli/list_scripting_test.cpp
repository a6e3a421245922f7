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

TEST(ListScripting, JsonHoldsOneTypedObjectPerDocument)
{
    QTemporaryDir settings;
    QTemporaryDir documents;
    for (const char *name : {"si_cp1252_tous_pid.doc", "edition_zero.doc"})
        copyTestData(QStringLiteral("ole/") + QLatin1String(name), documents.path());

    const ProcessRun run = fichorama({QStringLiteral("list"), documents.path(), QStringLiteral("--settings"),
                                      settings.path(), QStringLiteral("--format"), QStringLiteral("json"),
                                      QStringLiteral("--columns"), QStringLiteral("all")},
                                     QStringLiteral("Europe/Paris"));
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
    EXPECT_EQ(zero[QStringLiteral("name")], QStringLiteral("edition_zero.doc"));
    EXPECT_EQ(full[QStringLiteral("path")], documents.filePath(QStringLiteral("si_cp1252_tous_pid.doc")));

    EXPECT_EQ(full[QStringLiteral("title")], QStringLiteral("Rapport trimestriel – été"));
    EXPECT_EQ(full[QStringLiteral("application")], QStringLiteral("Word 8.0"));
    EXPECT_EQ(full[QStringLiteral("revision")], QStringLiteral("15"));
    EXPECT_EQ(full[QStringLiteral("pages")], 12);
    EXPECT_EQ(full[QStringLiteral("characters")], 19876);
    EXPECT_EQ(full[QStringLiteral("editing-time")], 3 * 1440 + 5 * 60 + 7);
    // Local time with the offset of the instant: 1999/03/01 23:59 UTC is the next day in Paris.
    EXPECT_TRUE(full[QStringLiteral("created")].toString().startsWith(QStringLiteral("1997-01-02T04:04:")));
    EXPECT_TRUE(full[QStringLiteral("saved")].toString().startsWith(QStringLiteral("1999-03-02T00:59:")));
    EXPECT_TRUE(full[QStringLiteral("saved")].toString().endsWith(QStringLiteral("+01:00")));
    EXPECT_EQ(zero[QStringLiteral("editing-time")], 0);
    // Values the documents do not hold.
    EXPECT_TRUE(full[QStringLiteral("short-name")].isNull());
    EXPECT_TRUE(zero[QStringLiteral("application")].isNull());

    const ProcessRun empty = fichorama({QStringLiteral("list"), settings.path(), QStringLiteral("--settings"),
                                        settings.path(), QStringLiteral("--format"), QStringLiteral("json")});
    EXPECT_EQ(empty.out, "[]\n");
}

TEST(ListScripting, RecursiveListsTheTreeAndNamesWhatItCannotRead)
{
    QTemporaryDir settings;
    QTemporaryDir base;
    const QString top = base.filePath(QStringLiteral("top"));
    for (const char *directory : {"top/sub/deeper", "top/.cache", "top/locked"})
        ASSERT_TRUE(QDir(base.path()).mkpath(QLatin1String(directory)));
    for (const char *document :
         {"a.doc", "sub/b.doc", "sub/deeper/c.doc", ".cache/d.doc", "locked/e.doc", "sub/secret.doc"})
        copyTestData(QStringLiteral("ole/si_lpwstr.doc"), top, QLatin1String(document));
    ASSERT_TRUE(QFile::link(top, top + QStringLiteral("/sub/loop")));
    // The reader must be refused what its owner is: as root, the command runs as nobody.
    QStringList runner;
    if (::geteuid() == 0) {
        const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
        if (setpriv.isEmpty())
            GTEST_SKIP() << "running as root without setpriv: no way to be refused a read";
        runner = {setpriv, QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                  QStringLiteral("--clear-groups")};
        for (const QString &path : {base.path(), settings.path()})
            QFile::setPermissions(path, QFile::Permissions(0x7555));
    }
    QFile::setPermissions(top + QStringLiteral("/locked"), {});
    QFile::setPermissions(top + QStringLiteral("/sub/secret.doc"), {});

    const ProcessRun run =
        fichorama({QStringLiteral("list"), top, QStringLiteral("--settings"), settings.path(),
                   QStringLiteral("--recursive"), QStringLiteral("--columns"), QStringLiteral("name,title")},
                  QStringLiteral("UTC"), runner);
    QFile::setPermissions(top + QStringLiteral("/locked"), QFile::Permissions(0x7700));
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
