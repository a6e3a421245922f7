#pragma once

#include "platform/shell.h"

#include <QDateTime>
#include <QString>
#include <optional>

// What the file system says of a native-form path (see native_name.h).
struct FileStatus {
  bool exists = false; // the entry itself, a dangling symbolic link included
  bool isDirectory = false;    // a directory, or a symbolic link to one
  bool isSymbolicLink = false; // the entry itself is a symbolic link
  qint64 size = 0;             // of the entry or of the link's target
  QDateTime lastModified; // likewise; invalid when the entry does not exist
};

FileStatus fileStatus(const QString &path);

// Renames `from` to `to` (native-form paths) without ever replacing an existing
// file: with RENAME_NOREPLACE, or a hard link and an unlink on file systems
// without it, or (where neither exists, as on FAT) after checking that `to` is
// free. On failure nothing moved.
[[nodiscard]] std::optional<ShellFailure>
renameWithoutReplacing(const QString &from, const QString &to);
