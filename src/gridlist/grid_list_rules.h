#pragma once

#include "gridlist/grid_list_entry.h"
#include "platform/safe_file_writer.h"

#include <optional>

// The enabled state of the grid list's add and remove buttons; exactly one is on.
struct ListButtons
{
    bool addEnabled = true;     // cmdAjouterEnsemble
    bool removeEnabled = false; // cmdSupprimerEnsemble

    bool operator==(const ListButtons &) const = default;
};

// The buttons for the displayed directory: remove when the list holds it (letter case ignored), else add.
ListButtons MajBoutonsListe(const QString &displayedDirectory, const GridList &entries);

// What an add or remove of the displayed directory did, for the window to show.
enum class ListChange {
    Added,         // appended ticked and written
    AlreadyListed, // nothing changed: show "Le tableau affiché est déjà présent dans la liste des tableaux"
    Removed,       // the first matching entry removed and written
    NotListed,   // nothing changed: show "Le tableau affiché n'est pas présent dans la liste des tableaux"
    WriteFailed, // the file could not be written: `failure` says why; the list is unchanged
};

struct ListEditResult
{
    ListChange change = ListChange::AlreadyListed;
    ListButtons buttons;
    WriteFailure failure; // when WriteFailed
};

// Adds the displayed directory (as shown) to the list, ticked, and writes the list to `listFile`; the
// comparison ignores letter case. `entries` changes only when the file was written.
ListEditResult addDisplayedDirectory(GridList &entries, const QString &displayedDirectory,
                                     const QString &listFile);
// Removes the first entry that matches the displayed directory (letter case ignored) and writes the list;
// `entries` changes only when the file was written.
ListEditResult removeDisplayedDirectory(GridList &entries, const QString &displayedDirectory,
                                        const QString &listFile);
