#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// File names and paths travel through the program as QStrings in native form: the bytes the system gave,
// decoded as UTF-8, with each byte that is not part of a valid UTF-8 sequence kept as the code point
// U+DC00 + byte (U+DC80 to U+DCFF: lone low surrogates, which decoded UTF-8 never holds). The form is
// reversible, so a name read from a directory opens, renames, trashes and links the very file it came
// from. A name that is valid UTF-8 is its ordinary QString. Qt's own file functions would write those
// code points as other bytes: a name that may hold them reaches the system through nativeBytes() only.

// The native form of bytes the system gave (a name from readdir, an argument of the command line).
QString fromNativeBytes(QByteArrayView bytes);
// The system's bytes of a native-form name or path: UTF-8, each kept byte as itself.
QByteArray nativeBytes(QStringView nameOrPath);
// True when a native-form text holds kept bytes, which Qt's file functions cannot reach.
bool hasRawBytes(QStringView nameOrPath);
// True when the code unit at `index` is a kept byte (and not the second half of a surrogate pair).
bool isRawByteAt(QStringView text, qsizetype index);
// The text shown for a native-form name or path: each kept byte as U+FFFD, the replacement character.
QString displayName(const QString &nameOrPath);
// The last component of a path: the whole path when it holds no separator, empty for the root "/".
QString fileNameOf(const QString &path);
// `path` made absolute against the process's current directory and cleaned (QDir::cleanPath), by its
// text alone: QDir::absolutePath would pass the path through Qt's own encoding.
QString cleanAbsolutePath(const QString &path);
