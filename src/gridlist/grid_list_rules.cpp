#include "gridlist/grid_list_rules.h"

#include "gridlist/grid_list_file.h"

namespace {

constexpr ListButtons kListed{false, true};
constexpr ListButtons kNotListed{true, false};

// The position of the first entry whose path equals `directory` once both are in upper case, or -1.
qsizetype findEntry(const GridList &entries, const QString &directory)
{
    const QString wanted = directory.toUpper();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (entries[i].path.toUpper() == wanted)
            return i;
    }
    return -1;
}

} // namespace

ListButtons MajBoutonsListe(const QString &displayedDirectory, const GridList &entries)
{
    return findEntry(entries, displayedDirectory) >= 0 ? kListed : kNotListed;
}

ListEditResult addDisplayedDirectory(GridList &entries, const QString &displayedDirectory,
                                     const QString &listFile)
{
    if (findEntry(entries, displayedDirectory) >= 0)
        return ListEditResult{ListChange::AlreadyListed, kListed, {}};
    GridList changed = entries;
    changed << GridListEntry{displayedDirectory, true};
    if (auto failure = EcrireListeTableaux(listFile, changed))
        return ListEditResult{ListChange::WriteFailed, kNotListed, *failure};
    entries = std::move(changed);
    return ListEditResult{ListChange::Added, kListed, {}};
}

ListEditResult removeDisplayedDirectory(GridList &entries, const QString &displayedDirectory,
                                        const QString &listFile)
{
    const qsizetype position = findEntry(entries, displayedDirectory);
    if (position < 0)
        return ListEditResult{ListChange::NotListed, kNotListed, {}};
    GridList changed = entries;
    changed.remove(position);
    if (auto failure = EcrireListeTableaux(listFile, changed))
        return ListEditResult{ListChange::WriteFailed, kListed, *failure};
    entries = std::move(changed);
    return ListEditResult{ListChange::Removed, kNotListed, {}};
}
