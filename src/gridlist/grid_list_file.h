#pragma once

#include "gridlist/grid_list_entry.h"
#include "platform/safe_file_writer.h"

#include <QByteArray>
#include <optional>

// Reads a grid-list file: one line "\"path\",#TRUE#" or "\"path\",#FALSE#" per entry, a doubled double
// quote inside the path standing for one. UTF-8, or Windows-1252 when the file is not valid UTF-8. Lines
// of any other form are skipped. An entry whose directory no longer exists loads unticked. A missing or
// unreadable file, or anything but a regular file of at most 64 MiB, gives an empty list.
GridList LireListeTableaux(const QString &filePath);

// Writes the whole list, one line per entry in list order, UTF-8 with CR LF. On failure the old file stays.
// A list with a path holding a line feed, which no line can store, is refused and nothing is written.
[[nodiscard]] std::optional<WriteFailure> EcrireListeTableaux(const QString &filePath,
                                                              const GridList &entries);

// The file's bytes for the list, and the entries of given bytes (check marks as stored, no directory test).
QByteArray formatGridList(const GridList &entries);
GridList parseGridList(const QByteArray &bytes);
