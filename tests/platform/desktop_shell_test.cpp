#include "platform/desktop_shell.h"
#include "platform/native_files.h"
#include "platform/native_name.h"
#include "support/test_files.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Points $XDG_DATA_HOME, where the home trash lives, at `path` for the life of the object.
class DataHome
{
public:
    explicit DataHome(const QString &path)
        : m_wasSet(qEnvironmentVariableIsSet("XDG_DATA_HOME"))
        , m_old(qgetenv("XDG_DATA_HOME"))
    {
        qputenv("XDG_DATA_HOME", QFile::encodeName(path));
    }
    ~DataHome()
    {
        if (m_wasSet)
            qputenv("XDG_DATA_HOME", m_old);
        else
            qunsetenv("XDG_DATA_HOME");
    }

private:
    bool m_wasSet;
    QByteArray m_old;
};

} // namespace

TEST(DesktopShell, RenameNeverReplacesAnExistingFileAndReachesNamesThatAreNotUtf8)
{
    NativeTemporaryDir dir;
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

    const QString raw = dir.path() + u'/' + fromNativeBytes("r\xE9sum\xE9.doc");
    writeNativeFile(raw, "R");
    const auto failure = shell.rename(raw, dir.filePath(QStringLiteral("résumé.doc")));
    ASSERT_FALSE(failure.has_value()) << qPrintable(failure->reason);
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("résumé.doc"))), "R");
    EXPECT_FALSE(fileStatus(raw).exists);
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

TEST(DesktopShell, TrashMakesTheMissingHomeTrashAndKeepsTheNameBytes)
{
    NativeTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const DataHome home(dir.filePath("data/share")); // not made yet
    const QString name = fromNativeBytes("r\xE9sum\xE9 #1.doc");
    const QString path = dir.path() + u'/' + name;
    DesktopShell shell({});
    for (const QByteArray &content : {QByteArray("first"), QByteArray("second")}) {
        writeNativeFile(path, content);
        const auto failure = shell.moveToTrash(path);
        ASSERT_FALSE(failure.has_value()) << qPrintable(failure->reason);
        EXPECT_FALSE(fileStatus(path).exists);
    }

    // The second file of the same name gets a name of its own; each has its info file.
    const QString trash = dir.filePath("data/share/Trash/");
    const QString second = fromNativeBytes("r\xE9sum\xE9 #1 (2).doc");
    EXPECT_EQ(readNativeFile(trash + "files/" + name), "first");
    EXPECT_EQ(readNativeFile(trash + "files/" + second), "second");
    const QRegularExpression info(
        QRegularExpression::anchoredPattern(u"\\[Trash Info\\]\nPath=(.*)\n"
                                            "DeletionDate=\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\n"));
    for (const QString &trashed : {name, second}) {
        const QRegularExpressionMatch match =
            info.match(QString::fromLatin1(readNativeFile(trash + "info/" + trashed + ".trashinfo")));
        ASSERT_TRUE(match.hasMatch());
        EXPECT_EQ(match.captured(1), QString::fromLatin1(QUrl::toPercentEncoding(dir.path(), "/")) +
                                         QStringLiteral("/r%E9sum%E9%20%231.doc"));
    }
}

TEST(DesktopShell, FileStaysWhenNoTrashCanBeMade)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    writeFile(dir.filePath("plain"), "x");
    const DataHome home(dir.filePath("plain/share")); // below a regular file: cannot be made
    writeFile(dir.filePath("a.doc"), "A");
    const auto failure = DesktopShell({}).moveToTrash(dir.filePath("a.doc"));
    ASSERT_TRUE(failure.has_value());
    EXPECT_FALSE(failure->reason.isEmpty());
    EXPECT_EQ(readFile(dir.filePath("a.doc")), "A");
}
