#include "platform/desktop_shell.h"
#include "platform/native_files.h"
#include "platform/native_name.h"
#include "support/test_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(DesktopShell, RenameNeverReplacesAnExistingFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    writeFile(dir.filePath("a.doc"), "A");
    writeFile(dir.filePath("b.doc"), "B");
    DesktopShell shell({});

    const auto refused = shell.rename(dir.filePath("a.doc"), dir.filePath("b.doc"));
    ASSERT_TRUE(refused.has_value());
    EXPECT_FALSE(refused->reason.isEmpty());
    EXPECT_EQ(readFile(dir.filePath("a.doc")), "A");
    EXPECT_EQ(readFile(dir.filePath("b.doc")), "B");

    EXPECT_FALSE(shell.rename(dir.filePath("a.doc"), dir.filePath("c.doc")).has_value());
    EXPECT_FALSE(QFile::exists(dir.filePath("a.doc")));
    EXPECT_EQ(readFile(dir.filePath("c.doc")), "A");

    EXPECT_TRUE(shell.rename(dir.filePath("missing.doc"), dir.filePath("d.doc")).has_value());
}

TEST(DesktopShell, OpensPathsAsLocalFilesAndAddressesAsTheyAre)
{
    const struct
    {
        QString text;
        QString url;
    } cases[] = {
        {QStringLiteral("/tmp/Fichorama 5 mai.html"), QStringLiteral("file:///tmp/Fichorama%205%20mai.html")},
        {QStringLiteral("/tmp/a#b?.doc"), QStringLiteral("file:///tmp/a%23b%3F.doc")},
        {fromNativeBytes("/tmp/r\xE9sum\xE9.doc"), QStringLiteral("file:///tmp/r%E9sum%E9.doc")},
        {QStringLiteral("https://example.org/x"), QStringLiteral("https://example.org/x")},
        {QStringLiteral("mailto:someone@example.org"), QStringLiteral("mailto:someone@example.org")},
        {QStringLiteral("report.doc"),
         QUrl::fromLocalFile(QDir::current().filePath("report.doc")).toString(QUrl::FullyEncoded)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(qPrintable(c.text));
        EXPECT_EQ(DesktopShell::urlFor(c.text).toString(QUrl::FullyEncoded), c.url);
    }
}

TEST(DesktopShell, RenamesNamesThatAreNotUtf8)
{
    NativeTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString raw = dir.path() + u'/' + fromNativeBytes("r\xE9sum\xE9.doc");
    writeNativeFile(raw, "A");
    const auto failure = DesktopShell({}).rename(raw, dir.filePath(QStringLiteral("résumé.doc")));
    ASSERT_FALSE(failure.has_value()) << qPrintable(failure->reason);
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("résumé.doc"))), "A");
    EXPECT_FALSE(fileStatus(raw).exists);
}
