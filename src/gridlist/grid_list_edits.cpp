#include "gridlist/grid_list_edits.h"

#include <QFileInfo>
#include <QSet>
#include <algorithm>

namespace {

bool isIndexOf(const GridList &entries, qsizetype index)
{
    return index >= 0 && index < entries.size();
}

} // namespace

bool moveEntry(GridList &entries, qsizetype from, qsizetype to)
{
    if (!isIndexOf(entries, from) || !isIndexOf(entries, to))
        return false;
    entries.move(from, to);
    return true;
}

void sortEntries(GridList &entries)
{
    std::stable_sort(entries.begin(), entries.end(), [](const GridListEntry &a, const GridListEntry &b) {
        return a.path.compare(b.path, Qt::CaseInsensitive) < 0;
    });
}

bool removeEntry(GridList &entries, qsizetype index)
{
    if (!isIndexOf(entries, index))
        return false;
    entries.remove(index);
    return true;
}

qsizetype checkedCount(const GridList &entries)
{
    return std::count_if(entries.begin(), entries.end(), [](const GridListEntry &e) { return e.checked; });
}

bool isListedExactly(const GridList &entries, const QString &path)
{
    return std::any_of(entries.begin(), entries.end(),
                       [&](const GridListEntry &e) { return e.path == path; });
}

qsizetype addDirectory(GridList &entries, const QString &directory, qsizetype current)
{
    const qsizetype at = isIndexOf(entries, current) ? current + 1 : entries.size();
    entries.insert(at, GridListEntry{directory, true});
    return at;
}

QStringList withoutListed(const QStringList &directories, const GridList &entries)
{
    QSet<QString> listed;
    listed.reserve(entries.size());
    for (const GridListEntry &entry : entries)
        listed.insert(entry.path);
    QStringList kept;
    for (const QString &directory : directories) {
        if (!listed.contains(directory))
            kept << directory;
    }
    return kept;
}

void addDirectories(GridList &entries, const QStringList &directories, qsizetype current)
{
    GridList block;
    block.reserve(directories.size());
    for (const QString &directory : directories)
        block << GridListEntry{directory, true};
    if (!isIndexOf(entries, current)) {
        entries << block;
        return;
    }
    // Inserting each one right after the current entry leaves the last inserted first.
    std::reverse(block.begin(), block.end());
    entries.insert(current + 1, block.size(), GridListEntry{});
    std::copy(block.begin(), block.end(), entries.begin() + current + 1);
}

bool directoryExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}
