#include "platform/file_byte_source.h"
#include "platform/native_name.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FileByteSource::FileByteSource(const QString &path)
{
    // Without O_NONBLOCK, opening a named pipe would wait for a writer; reads of regular files ignore it.
    const int descriptor = ::open(nativeBytes(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        m_error = errno;
        return;
    }
    struct stat info;
    const bool statted = ::fstat(descriptor, &info) == 0;
    if (!statted || !S_ISREG(info.st_mode)) {
        m_error = statted ? 0 : errno;
        ::close(descriptor);
        return;
    }
    m_handle = descriptor;
    m_size = info.st_size;
}

FileByteSource::~FileByteSource()
{
    if (m_handle != -1)
        ::close(int(m_handle));
}

QString FileByteSource::failureReason() const
{
    return m_error != 0 ? qt_error_string(m_error) : QString();
}

bool FileByteSource::read(qint64 offset, qint64 length, char *out)
{
    if (m_handle == -1 || offset < 0 || length < 0 || offset > m_size || length > m_size - offset)
        return false;
    qint64 done = 0;
    while (done < length) {
        const ssize_t got = ::pread(int(m_handle), out + done, size_t(length - done), off_t(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            m_error = got < 0 ? errno : EIO; // a file cut shorter than its size reads as an I/O error
            return false;
        }
        done += got;
    }
    return true;
}
