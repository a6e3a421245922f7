#include "listing/directory_contents.h"

#include <QSet>

DirectoryContents readDirectoryContents(const QString &directory, bool includeHidden)
{
    DirectoryContents contents;
    DirectoryReader reader(directory);
    contents.opened = reader.isOpen();
    if (!contents.opened)
        return contents;
    // A name renamed or re-created while the directory is read can come back a second time.
    QSet<QString> seen;
    // True the first time `name` comes, with one look into the set.
    const auto isNew = [&seen](const QString &name) {
        const qsizetype before = seen.size();
        seen.insert(name);
        return seen.size() > before;
    };
    DirectoryEntry entry;
    while (reader.next(entry)) {
        if (entry.isDirectory) {
            if (!entry.isHidden && isNew(entry.name))
                contents.subDirectories << entry.name;
            continue;
        }
        if ((entry.isHidden && !includeHidden) || !isNew(entry.name))
            continue;
        contents.files << entry;
    }
    return contents;
}
