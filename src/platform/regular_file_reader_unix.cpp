#include "platform/regular_file_reader.h"

#include "platform/native_name.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

RegularFileRead failed(QString reason)
{
    return {RegularFileRead::Status::Failed, {}, std::move(reason)};
}

// Reads at most `maxSize` + 1 bytes, so that a file that grew past the cap since fstat is caught.
RegularFileRead readAll(int fd, qint64 size, qint64 maxSize)
{
    QByteArray bytes;
    bytes.resize(qsizetype(size));
    qint64 done = 0;
    for (;;) {
        if (done == bytes.size()) {
            if (done > maxSize)
                return failed(QStringLiteral("File too large"));
            bytes.resize(qsizetype(std::min(maxSize + 1, done + 4096)));
        }
        const ssize_t got = ::read(fd, bytes.data() + done, size_t(bytes.size() - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return failed(qt_error_string(errno));
        if (got == 0)
            break;
        done += got;
    }
    bytes.truncate(qsizetype(done));
    return {RegularFileRead::Status::Ok, bytes, {}};
}

} // namespace

RegularFileRead readRegularFile(const QString &path, qint64 maxSize)
{
    const QByteArray name = nativeBytes(path);
    if (name.isEmpty() || name.contains('\0'))
        return {};
    // O_NONBLOCK: opening a named pipe without a writer would otherwise wait for ever.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return {};
        return failed(qt_error_string(errno));
    }
    struct stat info;
    RegularFileRead result;
    if (::fstat(fd, &info) != 0)
        result = failed(qt_error_string(errno));
    else if (S_ISDIR(info.st_mode))
        result = failed(qt_error_string(EISDIR));
    else if (!S_ISREG(info.st_mode))
        result = failed(QStringLiteral("Not a regular file"));
    else if (info.st_size > maxSize)
        result = failed(QStringLiteral("File too large"));
    else
        result = readAll(fd, info.st_size, maxSize);
    ::close(fd);
    return result;
}
