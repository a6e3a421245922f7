#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A temporary directory that goes with everything in it, names that are not UTF-8 included: QTemporaryDir
// alone cannot remove those.
class NativeTemporaryDir : public QTemporaryDir
{
public:
    ~NativeTemporaryDir();
};

// Writes bytes to a file, creating missing parent directories; fails the current test on error.
void writeFile(const QString &path, const QByteArray &bytes);
// The same for a path in native form (see native_name.h), whose bytes need not be UTF-8; the parent
// directory must exist.
void writeNativeFile(const QString &path, const QByteArray &bytes);
// Reads a whole file at a native-form path; fails the current test and returns an empty array on error.
QByteArray readNativeFile(const QString &path);
// Makes a directory at a native-form path; fails the current test on error.
void makeNativeDirectory(const QString &path);
// Reads a whole file (any path, native form or not); fails the current test and returns an empty array on
// error.
QByteArray readFile(const QString &path);
// The path of a file in tests/data.
QString testData(const QString &name);
// Copies a file of tests/data into a directory, under the same or another name; returns the new path.
QString copyTestData(const QString &name, const QString &directory, const QString &newName = QString());
// The paths of the sub-directories of `directory` whose names do not start with a dot, links left out, in the
// order the file system gives them.
QStringList subDirectoriesInSystemOrder(const QString &directory);
