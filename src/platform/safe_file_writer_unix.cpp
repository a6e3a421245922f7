#include "platform/safe_file_writer.h"

#include "platform/native_name.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Temporary names tried before giving up: each clash means another file took the random name.
constexpr int kAttempts = 100;
// The most bytes handed to one write call; Linux writes at most about 2 GiB at once anyway.
constexpr qsizetype kMaxChunk = qsizetype(1) << 30;

int descriptor(qintptr handle)
{
    return int(handle);
}

} // namespace

void SafeFileWriter::fail(qint64 systemError)
{
    if (!m_failure)
        m_failure = WriteFailure{m_path, qt_error_string(int(systemError))};
}

bool SafeFileWriter::open()
{
    if (m_failure)
        return false;
    Q_ASSERT(m_handle == -1 && m_temporaryPath.isEmpty());
    if (m_path.isEmpty() || m_path.endsWith(u'/') || m_path.contains(QChar(0))) {
        fail(m_path.endsWith(u'/') ? EISDIR : EINVAL);
        return false;
    }
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const QString candidate = temporaryCandidate();
        // O_EXCL with O_NOFOLLOW: a file or link an attacker put under this name is never opened.
        const int fd = ::open(nativeBytes(candidate).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0) {
            m_handle = fd;
            m_temporaryPath = candidate;
            return true;
        }
        if (errno != EEXIST) {
            fail(errno);
            return false;
        }
    }
    fail(EEXIST);
    return false;
}

bool SafeFileWriter::write(QByteArrayView bytes)
{
    if (m_failure)
        return false;
    if (m_handle == -1) {
        fail(EBADF);
        return false;
    }
    const char *data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(descriptor(m_handle), data, size_t(std::min(left, kMaxChunk)));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            // A regular file takes at least one byte unless the system says why not; no reason is a full
            // disk.
            fail(written < 0 ? errno : ENOSPC);
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

void SafeFileWriter::closeHandle()
{
    if (m_handle == -1)
        return;
    // Some file systems (NFS) report a failed write only when the file is closed.
    if (::close(descriptor(m_handle)) != 0 && errno != EINTR)
        fail(errno);
    m_handle = -1;
}

std::optional<WriteFailure> SafeFileWriter::commit()
{
    if (m_handle == -1 && m_temporaryPath.isEmpty())
        fail(EBADF);
    if (!m_failure && ::fsync(descriptor(m_handle)) != 0)
        fail(errno);
    closeHandle();
    if (!m_failure &&
        ::rename(nativeBytes(m_temporaryPath).constData(), nativeBytes(m_path).constData()) != 0)
        fail(errno);
    if (m_failure)
        cancel();
    m_temporaryPath.clear();
    return m_failure;
}

void SafeFileWriter::cancel()
{
    if (m_handle != -1) {
        ::close(descriptor(m_handle));
        m_handle = -1;
    }
    if (!m_temporaryPath.isEmpty()) {
        ::unlink(nativeBytes(m_temporaryPath).constData());
        m_temporaryPath.clear();
    }
}
