#include "support/fichorama_process.h"
#include "support/full_disk.h"
#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(HtmlCommand, FullDiskKeepsTheOldPageAndFailsWithTheReason)
{
    FullDisk disk;
    if (!disk.unavailable().isEmpty())
        GTEST_SKIP() << qPrintable(disk.unavailable());
    QTemporaryDir settings;
    writeFile(settings.filePath(QStringLiteral("Fichorama.ini")), "[HTML]\r\nEffacerAnciensTableaux=0\r\n");
    copyTestData(QStringLiteral("ole/edition_zero.doc"), disk.path());
    const QString page = disk.filePath(QStringLiteral("Fichorama.html"));
    writeFile(page, "<html>the page of yesterday</html>");
    disk.fill();

    const ProcessRun run =
        fichorama({QStringLiteral("html"), disk.path(), QStringLiteral("--settings"), settings.path()});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.isEmpty()) << run.out.constData();
    EXPECT_TRUE(run.err.contains(page.toUtf8())) << run.err.constData();
    EXPECT_TRUE(run.err.contains(qt_error_string(ENOSPC).toUtf8())) << run.err.constData();
    EXPECT_EQ(readFile(page), QByteArray("<html>the page of yesterday</html>"));
}

TEST(Commands, DirectoryFailuresNameThePathAndTheReason)
{
    QTemporaryDir settings;
    // Longer than any path the system takes, made of names that each fit.
    QString tooLong = settings.path();
    while (tooLong.size() <= 5000)
        tooLong += QLatin1Char('/') + QString(200, QLatin1Char('d'));
    const QString missing = settings.filePath(QStringLiteral("gone"));
    for (const QString &directory : {tooLong, missing}) {
        SCOPED_TRACE(qPrintable(directory.left(80)));
        const ProcessRun run =
            fichorama({QStringLiteral("list"), directory, QStringLiteral("--settings"), settings.path()});
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(run.err.startsWith("fichorama: " + directory.toUtf8() + ": ")) << run.err.constData();
        const QString reason = directory == missing ? qt_error_string(ENOENT) : qt_error_string(ENAMETOOLONG);
        EXPECT_TRUE(run.err.contains(reason.toUtf8())) << run.err.constData();
    }
}

TEST(ListCommand, OutputThatCannotBeWrittenFailsWithTheReason)
{
    if (!QFile::exists(QStringLiteral("/dev/full")))
        GTEST_SKIP() << "no /dev/full here";
    QTemporaryDir settings;
    QTemporaryDir documents;
    copyTestData(QStringLiteral("ole/edition_zero.doc"), documents.path());
    QProcess process;
    process.setStandardOutputFile(QStringLiteral("/dev/full"));
    process.start(QStringLiteral(FICHORAMA_EXECUTABLE),
                  {QStringLiteral("list"), documents.path(), QStringLiteral("--settings"), settings.path()});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 1);
    const QByteArray err = process.readAllStandardError();
    EXPECT_TRUE(err.contains("fichorama: standard output: " + qt_error_string(ENOSPC).toUtf8()))
        << err.constData();
}
