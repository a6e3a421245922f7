#include "platform/directory_reader.h"

#include <QFile>
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
    m_handle->path = QFile::encodeName(directory.isEmpty() ? QStringLiteral("/") : directory);
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
    entry.name = QFile::decodeName(item->d_name);
    entry.isHidden = item->d_name[0] == '.';
    if (item->d_type == DT_DIR) {
        entry.isDirectory = true;
    } else if (item->d_type == DT_REG) {
        entry.isDirectory = false;
    } else {
        // Unknown types and symbolic links: ask for the target's type.
        struct stat info
        {};
        const QByteArray full = m_handle->path + item->d_name;
        entry.isDirectory = stat(full.constData(), &info) == 0 && S_ISDIR(info.st_mode);
    }
    return true;
}
