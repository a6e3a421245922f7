#pragma once

#include "gridlist/grid_list_entry.h"

#include <QStringList>

// The edits of the grid-list organiser and the add-grids dialog, on a working copy of the list. An index
// of -1 stands for "no current entry".

// Moves entry `from` to the neighbouring index `to`, keeping its check mark. False, changing nothing,
// when either index is outside the list.
bool moveEntry(GridList &entries, qsizetype from, qsizetype to);
// Sorts ascending by path without regard to letter case; entries that compare equal keep their order
// and every entry keeps its check mark.
void sortEntries(GridList &entries);
// Removes entry `index`; false when there is no such entry.
bool removeEntry(GridList &entries, qsizetype index);
qsizetype checkedCount(const GridList &entries);

// True when an entry's path equals `path` exactly, letter case included.
bool isListedExactly(const GridList &entries, const QString &path);
// Adds `directory` ticked, right after entry `current` when there is one, otherwise at the end. Returns
// the new entry's index.
qsizetype addDirectory(GridList &entries, const QString &directory, qsizetype current);
// `directories` without those that are already listed (exact comparison), in their order.
QStringList withoutListed(const QStringList &directories, const GridList &entries);
// Adds `directories` ticked: right after entry `current` in reverse order when there is one (each is
// inserted right after the current entry in turn), otherwise at the end in order.
void addDirectories(GridList &entries, const QStringList &directories, qsizetype current);

// True when a directory of that path exists now.
bool directoryExists(const QString &path);
