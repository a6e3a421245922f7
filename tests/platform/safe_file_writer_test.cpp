#include "platform/ini_file.h"
#include "platform/safe_file_writer.h"
#include "support/full_disk.h"
#include "support/test_files.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

QStringList entriesOf(const QString &directory)
{
    return QDir(directory).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                     QDir::Name);
}

} // namespace

TEST(SafeFileWriter, FullDiskKeepsTheOldFileAndSaysWhy)
{
    FullDisk disk;
    if (!disk.unavailable().isEmpty())
        GTEST_SKIP() << qPrintable(disk.unavailable());
    const QString path = disk.filePath(u"Fichorama.ini"_s);
    const QByteArray old = "[Configuration]\r\nLangue=1\r\n";
    writeFile(path, old);
    disk.fill();

    // A small file fails only when its bytes reach the disk, which a buffered write does at the end.
    const std::function<std::optional<WriteFailure>()> writes[] = {
        [&] { return writeWholeFile(path, "small"); },
        [&] { return IniFile(path).write(u"Configuration", u"Langue", u"0"_s); },
        [&] {
            SafeFileWriter writer(path);
            EXPECT_TRUE(writer.open());
            EXPECT_FALSE(writer.write(QByteArray(100, 'x')));
            EXPECT_FALSE(writer.write("more")); // every later write fails at once
            return writer.commit();
        },
    };
    for (const auto &write : writes) {
        const std::optional<WriteFailure> failure = write();
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->path, path);
        EXPECT_EQ(failure->reason, qt_error_string(ENOSPC));
        EXPECT_EQ(readFile(path), old);
        EXPECT_EQ(entriesOf(disk.path()), QStringList({u"Fichorama.ini"_s, u"filler"_s}))
            << "a temporary file was left behind";
    }
}

TEST(SafeFileWriter, ReplacesALinkInsteadOfWritingThroughIt)
{
    QTemporaryDir dir;
    const QString precious = dir.filePath(u"precious.txt"_s);
    writeFile(precious, "the user's own file");
    const QString page = dir.filePath(u"Fichorama.html"_s);
    const QString dangling = dir.filePath(u"Fichorama.txt"_s);
    ASSERT_TRUE(QFile::link(precious, page));
    ASSERT_TRUE(QFile::link(dir.filePath(u"created-through-link"_s), dangling));

    for (const QString &path : {page, dangling}) {
        SCOPED_TRACE(qPrintable(path));
        ASSERT_FALSE(writeWholeFile(path, "new"));
        EXPECT_FALSE(QFileInfo(path).isSymLink());
        EXPECT_EQ(readFile(path), QByteArray("new"));
    }
    EXPECT_EQ(readFile(precious), QByteArray("the user's own file"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(u"created-through-link"_s)));
}

TEST(SafeFileWriter, NewFileHasTheOrdinaryModeAndAnUncommittedOneNoTrace)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Fichorama.html"_s);
    writeFile(path, "old");
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0777), 0);
    const mode_t mask = ::umask(022);
    EXPECT_FALSE(writeWholeFile(path, "new"));
    ::umask(mask);
    struct stat info;
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0644u);

    {
        SafeFileWriter writer(path);
        ASSERT_TRUE(writer.open());
        ASSERT_TRUE(writer.write("half of a "));
    }
    EXPECT_EQ(readFile(path), QByteArray("new"));
    EXPECT_EQ(entriesOf(dir.path()), QStringList{u"Fichorama.html"_s});
}
