#include "platform/file_byte_source.h"
#include "platform/native_name.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Without O_NONBLOCK, opening a named pipe would wait for a writer; reads of regular files ignore it.
// O_NOCTTY: a terminal put where a document was must not become the program's controlling terminal.
constexpr int kOpenFlags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

// The size of the regular file open as `descriptor`; -1 with `error` set when it is none (error 0) or
// cannot be asked.
qint64 regularFileSize(int descriptor, int &error)
{
    struct stat info;
    if (::fstat(descriptor, &info) != 0) {
        error = errno;
        return -1;
    }
    error = 0;
    return S_ISREG(info.st_mode) ? qint64(info.st_size) : -1;
}

} // namespace

FileByteSource::FileByteSource(const QString &path, KnownFileType known)
{
    const QByteArray name = nativeBytes(path);
    int descriptor = -1;
    if (known == KnownFileType::RegularFile) {
        // The entry was a regular file when its directory was read. Not following a link keeps it so: a link
        // put in its place since is opened like any other path, and checked.
        descriptor = ::open(name.constData(), kOpenFlags | O_NOFOLLOW);
        if (descriptor >= 0) {
            m_handle = descriptor;
            return;
        }
        if (errno != ELOOP) {
            m_error = errno;
            return;
        }
    }
    descriptor = ::open(name.constData(), kOpenFlags);
    if (descriptor < 0) {
        m_error = errno;
        return;
    }
    m_size = regularFileSize(descriptor, m_error);
    if (m_size < 0) {
        ::close(descriptor);
        return;
    }
    m_handle = descriptor;
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

qint64 FileByteSource::size() const
{
    if (m_size < 0 && m_handle != -1)
        m_size = std::max<qint64>(regularFileSize(int(m_handle), m_error), 0);
    return std::max<qint64>(m_size, 0);
}

bool FileByteSource::read(qint64 offset, qint64 length, char *out)
{
    const qint64 total = size();
    if (m_handle == -1 || offset < 0 || length < 0 || offset > total || length > total - offset)
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

qint64 FileByteSource::readStart(qint64 capacity, char *out)
{
    if (m_handle == -1 || m_size >= 0)
        return ByteSource::readStart(capacity, out);
    // The size is not known yet: a regular file gives all that is asked for unless it ends before, so a
    // shorter read is its whole content and the system need not be asked for the size.
    ssize_t got = -1;
    do {
        got = ::pread(int(m_handle), out, size_t(std::max<qint64>(capacity, 0)), 0);
    } while (got < 0 && errno == EINTR);
    if (got < 0) {
        // A named pipe or a directory put in the file's place is no file to read, as when it is opened by
        // its path; any other failure is the system's reason.
        m_error = errno == ESPIPE || errno == EISDIR || errno == EINVAL ? 0 : errno;
        m_size = 0;
        return -1;
    }
    if (got < capacity)
        m_size = got;
    return got;
}
