#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << qPrintable(file.errorString());
    ASSERT_EQ(file.write(bytes), bytes.size()) << qPrintable(file.errorString());
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << qPrintable(path) << ": " << qPrintable(file.errorString());
        return {};
    }
    return file.readAll();
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
