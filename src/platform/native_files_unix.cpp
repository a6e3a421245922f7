#include "platform/native_files.h"
#include "platform/native_name.h"

#include <sys/stat.h>

FileStatus fileStatus(const QString &path)
{
    FileStatus status;
    const QByteArray bytes = nativeBytes(path);
    struct stat info
    {};
    if (::lstat(bytes.constData(), &info) != 0)
        return status;
    status.exists = true;
    status.isSymbolicLink = S_ISLNK(info.st_mode);
    if (status.isSymbolicLink && ::stat(bytes.constData(), &info) != 0)
        return status; // a dangling link: nothing more to say
    status.isDirectory = S_ISDIR(info.st_mode);
    status.size = info.st_size;
    status.lastModified =
        QDateTime::fromSecsSinceEpoch(info.st_mtim.tv_sec).addMSecs(info.st_mtim.tv_nsec / 1'000'000);
    return status;
}
