#pragma once

#include "platform/shell.h"

#include <QString>
#include <optional>

// Moves a file (a symbolic link itself, not its target), given by its native-form path (see
// native_name.h), to the trash in the freedesktop.org trash layout: the home trash
// $XDG_DATA_HOME/Trash (by default ~/.local/share/Trash, made with its missing parents, mode 0700) when the
// file is on the home trash's file system, otherwise the trash at the top of the file's own file system
// ($topdir/.Trash/$uid when the administrator provides one, else $topdir/.Trash-$uid). The info file
// names the original path with its bytes percent-encoded, and the deletion date; the file then moves
// into files/ under a name no other trashed file uses, and is checked to be there. On failure the file
// stays where it was and no info file is left behind.
[[nodiscard]] std::optional<ShellFailure> moveFileToTrash(const QString &path);
