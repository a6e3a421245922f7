#include "platform/native_files.h"
#include "platform/native_name.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

std::optional<ShellFailure> renameWithoutReplacing(const QString &from, const QString &to)
{
    const QByteArray source = nativeBytes(from);
    const QByteArray target = nativeBytes(to);
    const auto failure = [&from](int error) { return ShellFailure{from, qt_error_string(error)}; };
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return std::nullopt;
    if (errno != EINVAL && errno != ENOSYS)
        return failure(errno);
    // A hard link is never made over an existing name either.
    if (::link(source.constData(), target.constData()) == 0) {
        if (::unlink(source.constData()) == 0)
            return std::nullopt;
        const int error = errno;
        ::unlink(target.constData());
        return failure(error);
    }
    if (errno == EEXIST)
        return failure(EEXIST);
    struct stat info
    {};
    if (::lstat(target.constData(), &info) == 0)
        return failure(EEXIST);
    if (::rename(source.constData(), target.constData()) == 0)
        return std::nullopt;
    return failure(errno);
}
