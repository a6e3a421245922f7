#include "support/test_files.h"

#include "platform/native_name.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <ftw.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << qPrintable(file.errorString());
    ASSERT_EQ(file.write(bytes), bytes.size()) << qPrintable(file.errorString());
}

NativeTemporaryDir::~NativeTemporaryDir()
{
    if (!isValid())
        return;
    // Depth first, links not followed: each entry is removed by the bytes the system gives for it.
    ::nftw(
        QFile::encodeName(path()).constData(),
        [](const char *entry, const struct stat *, int type, FTW *) {
            type == FTW_DP ? ::rmdir(entry) : ::unlink(entry);
            return 0; // go on whatever happened
        },
        16, FTW_DEPTH | FTW_PHYS);
}

void writeNativeFile(const QString &path, const QByteArray &bytes)
{
    std::FILE *file = std::fopen(nativeBytes(path).constData(), "wb");
    ASSERT_NE(file, nullptr) << qPrintable(displayName(path));
    const size_t written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), file);
    EXPECT_EQ(std::fclose(file), 0);
    ASSERT_EQ(written, size_t(bytes.size())) << qPrintable(displayName(path));
}

QByteArray readNativeFile(const QString &path)
{
    std::FILE *file = std::fopen(nativeBytes(path).constData(), "rb");
    if (!file) {
        ADD_FAILURE() << qPrintable(displayName(path)) << ": cannot be opened";
        return {};
    }
    QByteArray bytes;
    char buffer[4096];
    for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        bytes.append(buffer, qsizetype(got));
    std::fclose(file);
    return bytes;
}

void makeNativeDirectory(const QString &path)
{
    ASSERT_EQ(::mkdir(nativeBytes(path).constData(), 0700), 0) << qPrintable(displayName(path));
}

QByteArray readFile(const QString &path)
{
    return readNativeFile(path);
}

QString testData(const QString &name)
{
    return QStringLiteral(FICHORAMA_TEST_DATA "/") + name;
}

QString copyTestData(const QString &name, const QString &directory, const QString &newName)
{
    const QString target = QDir(directory).filePath(newName.isEmpty() ? QFileInfo(name).fileName() : newName);
    QFile::remove(target);
    EXPECT_TRUE(QFile::copy(testData(name), target)) << qPrintable(name);
    QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return target;
}

QStringList subDirectoriesInSystemOrder(const QString &directory)
{
    QStringList found;
    QDirIterator it(directory, QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    while (it.hasNext()) {
        const QFileInfo info = it.nextFileInfo();
        if (!info.fileName().startsWith(u'.'))
            found << info.filePath();
    }
    return found;
}
