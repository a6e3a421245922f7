#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

// One entry of a directory as the file system returns it.
struct DirectoryEntry
{
    // The name in native form (see native_name.h): the system's bytes, kept whole even when they are not
    // UTF-8, so that the file opens, renames and links by them. displayName() gives the text to show.
    QString name;
    bool isDirectory = false;    // a directory, or a symbolic link to one
    bool isSymbolicLink = false; // the entry itself is a symbolic link (or a junction on Windows)
    bool isHidden = false;       // the platform's hidden mark: a name starting with a full stop here
    bool isRegularFile = false;  // a regular file itself, not a link to one, as the enumeration typed it
};

// Enumerates one directory, given by its native-form path, in the order the file system returns its entries
// ("." and ".." included, as directories), without sorting. Each entry's type comes from the enumeration
// itself; the file system is asked only for a symbolic link's target and for entries whose type the
// enumeration does not give.
class DirectoryReader
{
public:
    explicit DirectoryReader(const QString &directory);
    ~DirectoryReader();
    DirectoryReader(const DirectoryReader &) = delete;
    DirectoryReader &operator=(const DirectoryReader &) = delete;

    // False when the directory could not be opened for enumeration.
    bool isOpen() const;
    // Fills `entry` with the next entry; false when there is none left (or on a read error).
    bool next(DirectoryEntry &entry);

private:
    struct Handle;
    std::unique_ptr<Handle> m_handle;
};
