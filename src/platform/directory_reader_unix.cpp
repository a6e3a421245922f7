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
    if (item->d_type == DT_DIR) {
        entry.isDirectory = true;
    } else if (item->d_type == DT_REG) {
        entry.isDirectory = false;
    } else {
        // Unknown types and symbolic links: ask for the entry's and the target's types.
        struct stat info
        {};
        const QByteArray full = m_handle->path + item->d_name;
        if (item->d_type == DT_UNKNOWN)
            entry.isSymbolicLink = lstat(full.constData(), &info) == 0 && S_ISLNK(info.st_mode);
        entry.isDirectory = stat(full.constData(), &info) == 0 && S_ISDIR(info.st_mode);
    }
    return true;
}
