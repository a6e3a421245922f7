#include "support/fichorama_process.h"
#include "support/full_disk.h"
#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(HtmlCommand, FullDiskKeepsTheOldPageAndFailsWithTheReason)
{
    FullDisk disk;
    if (!disk.unavailable().isEmpty())
        GTEST_SKIP() << qPrintable(disk.unavailable());
    QTemporaryDir settings;
    writeFile(settings.filePath(u"Fichorama.ini"_s), "[HTML]\r\nEffacerAnciensTableaux=0\r\n");
    copyTestData(u"ole/edition_zero.doc"_s, disk.path());
    const QString page = disk.filePath(u"Fichorama.html"_s);
    writeFile(page, "<html>the page of yesterday</html>");
    disk.fill();

    const ProcessRun run = fichorama(commandOn("html", disk.path(), settings.path()));
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.isEmpty()) << run.out.constData();
    EXPECT_TRUE(run.err.contains(page.toUtf8())) << run.err.constData();
    EXPECT_TRUE(run.err.contains(qt_error_string(ENOSPC).toUtf8())) << run.err.constData();
    EXPECT_EQ(readFile(page), QByteArray("<html>the page of yesterday</html>"));
}

TEST(Commands, FailuresNameThePathAndTheReasonAndUsageErrorsHaveTheirOwnStatus)
{
    QTemporaryDir settings;
    // Longer than any path the system takes, made of names that each fit.
    QString tooLong = settings.path();
    while (tooLong.size() <= 5000)
        tooLong += QLatin1Char('/') + QString(200, QLatin1Char('d'));
    const QString missing = settings.filePath(u"gone"_s);
    for (const QString &directory : {tooLong, missing}) {
        SCOPED_TRACE(qPrintable(directory.left(80)));
        const ProcessRun run = fichorama(commandOn("list", directory, settings.path()));
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.startsWith("fichorama: " + directory.toUtf8() + ": ")) << run.err.constData();
        const QString reason = directory == missing ? qt_error_string(ENOENT) : qt_error_string(ENAMETOOLONG);
        EXPECT_TRUE(run.err.contains(reason.toUtf8())) << run.err.constData();
    }
    EXPECT_TRUE(QDir(settings.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());

    const ProcessRun usage = fichorama({u"list"_s, u"--sort"_s, u"x"_s});
    EXPECT_EQ(usage.status, 2);
    EXPECT_TRUE(usage.err.contains("--sort")) << usage.err.constData();
}

TEST(ListCommand, OutputThatCannotBeWrittenFailsWithTheReason)
{
    if (!QFile::exists(u"/dev/full"_s))
        GTEST_SKIP() << "no /dev/full here";
    QTemporaryDir settings;
    QTemporaryDir documents;
    copyTestData(u"ole/edition_zero.doc"_s, documents.path());
    QProcess process;
    process.setStandardOutputFile(u"/dev/full"_s);
    process.start(QStringLiteral(FICHORAMA_EXECUTABLE), commandOn("list", documents.path(), settings.path()));
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 1);
    const QByteArray err = process.readAllStandardError();
    EXPECT_TRUE(err.contains("fichorama: standard output: " + qt_error_string(ENOSPC).toUtf8()))
        << err.constData();
}
