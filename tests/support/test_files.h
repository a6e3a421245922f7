#pragma once

#include <QByteArray>
#include <QString>

// Writes bytes to a file, creating missing parent directories; fails the current test on error.
void writeFile(const QString &path, const QByteArray &bytes);
// Reads a whole file; fails the current test and returns an empty array on error.
QByteArray readFile(const QString &path);
// The path of a file in tests/data.
QString testData(const QString &name);
// Copies a file of tests/data into a directory, under the same or another name; returns the new path.
QString copyTestData(const QString &name, const QString &directory, const QString &newName = QString());
