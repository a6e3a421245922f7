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
    DirectoryEntry entry;
    while (reader.next(entry)) {
        if (entry.isDirectory) {
            if (!entry.isHidden && !seen.contains(entry.name)) {
                seen.insert(entry.name);
                contents.subDirectories << entry.name;
            }
            continue;
        }
        if ((entry.isHidden && !includeHidden) || seen.contains(entry.name))
            continue;
        seen.insert(entry.name);
        contents.files << entry;
    }
    return contents;
}
