#include "support/fichorama_process.h"
#include "support/full_disk.h"
#include "support/test_files.h"

#include <QDir>
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
