#include "platform/directory_reader.h"
#include "platform/native_name.h"

#include <dirent.h>
#include <sys/stat.h>

struct DirectoryReader::Handle
{
    DIR *dir = nullptr;
    QByteArray path; // encoded directory path followed by '/'
};

DirectoryReader::DirectoryReader(const QString &directory)
    : m_handle(std::make_unique<Handle>())
{
    m_handle->path = directory.isEmpty() ? QByteArrayLiteral("/") : nativeBytes(directory);
    m_handle->dir = opendir(m_handle->path.constData());
    if (!m_handle->path.endsWith('/'))
        m_handle->path.append('/');
}

DirectoryReader::~DirectoryReader()
{
    if (m_handle->dir)
        closedir(m_handle->dir);
}

bool DirectoryReader::isOpen() const
{
    return m_handle->dir != nullptr;
}

bool DirectoryReader::next(DirectoryEntry &entry)
{
    if (!m_handle->dir)
        return false;
    const dirent *item = readdir(m_handle->dir);
    if (!item)
        return false;
    entry.name = fromNativeBytes(item->d_name);
    entry.isHidden = item->d_name[0] == '.';
    entry.isSymbolicLink = item->d_type == DT_LNK;
    entry.isDirectory = item->d_type == DT_DIR;
    entry.isRegularFile = item->d_type == DT_REG;
    if (item->d_type != DT_LNK && item->d_type != DT_UNKNOWN)
        return true;
    const QByteArray full = m_handle->path + item->d_name;
    struct stat info
    {};
    if (item->d_type == DT_UNKNOWN) {
        // Some file systems give no type: ask for the entry's own.
        if (lstat(full.constData(), &info) != 0)
            return true;
        entry.isSymbolicLink = S_ISLNK(info.st_mode);
        entry.isDirectory = S_ISDIR(info.st_mode);
        entry.isRegularFile = S_ISREG(info.st_mode);
    }
    // A link counts as a directory when it leads to one.
    if (entry.isSymbolicLink)
        entry.isDirectory = stat(full.constData(), &info) == 0 && S_ISDIR(info.st_mode);
    return true;
}
