#include "platform/safe_file_writer.h"

#include <QDir>
#include <algorithm>
#include <windows.h>

namespace {

// Temporary names tried before giving up: each clash means another file took the random name.
constexpr int kAttempts = 100;
// The most bytes handed to one WriteFile call, whose count is a 32-bit number.
constexpr qsizetype kMaxChunk = qsizetype(1) << 30;

HANDLE fileHandle(qintptr handle)
{
    return reinterpret_cast<HANDLE>(handle);
}

std::wstring nativePath(const QString &path)
{
    return QDir::toNativeSeparators(path).toStdWString();
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
        fail(ERROR_INVALID_NAME);
        return false;
    }
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const QString candidate = temporaryCandidate();
        // CREATE_NEW never opens an existing file or link under this name.
        const HANDLE handle = CreateFileW(nativePath(candidate).c_str(), GENERIC_WRITE, 0, nullptr,
                                          CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            m_handle = reinterpret_cast<qintptr>(handle);
            m_temporaryPath = candidate;
            return true;
        }
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
            fail(error);
            return false;
        }
    }
    fail(ERROR_FILE_EXISTS);
    return false;
}

bool SafeFileWriter::write(QByteArrayView bytes)
{
    if (m_failure)
        return false;
    if (m_handle == -1) {
        fail(ERROR_INVALID_HANDLE);
        return false;
    }
    const char *data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        DWORD written = 0;
        const DWORD chunk = DWORD(std::min(left, kMaxChunk));
        if (!WriteFile(fileHandle(m_handle), data, chunk, &written, nullptr)) {
            fail(GetLastError());
            return false;
        }
        if (written == 0) {
            fail(ERROR_DISK_FULL);
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
    if (!CloseHandle(fileHandle(m_handle)))
        fail(GetLastError());
    m_handle = -1;
}

std::optional<WriteFailure> SafeFileWriter::commit()
{
    if (m_handle == -1 && m_temporaryPath.isEmpty())
        fail(ERROR_INVALID_HANDLE);
    if (!m_failure && !FlushFileBuffers(fileHandle(m_handle)))
        fail(GetLastError());
    closeHandle();
    // MoveFileEx replaces a link at the destination; it does not write into the link's target.
    if (!m_failure && !MoveFileExW(nativePath(m_temporaryPath).c_str(), nativePath(m_path).c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        fail(GetLastError());
    if (m_failure)
        cancel();
    m_temporaryPath.clear();
    return m_failure;
}

void SafeFileWriter::cancel()
{
    if (m_handle != -1) {
        CloseHandle(fileHandle(m_handle));
        m_handle = -1;
    }
    if (!m_temporaryPath.isEmpty()) {
        DeleteFileW(nativePath(m_temporaryPath).c_str());
        m_temporaryPath.clear();
    }
}
