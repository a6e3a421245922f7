#include "platform/file_byte_source.h"

#include <QDir>
#include <algorithm>
#include <windows.h>

FileByteSource::FileByteSource(const QString &path, KnownFileType)
{
    const QString native = QDir::toNativeSeparators(path);
    const HANDLE file = CreateFileW(reinterpret_cast<const wchar_t *>(native.utf16()), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        m_error = int(GetLastError());
        return;
    }
    LARGE_INTEGER size;
    if (GetFileType(file) != FILE_TYPE_DISK || !GetFileSizeEx(file, &size)) {
        CloseHandle(file);
        m_size = 0;
        return;
    }
    m_handle = reinterpret_cast<qintptr>(file);
    m_size = size.QuadPart;
}

FileByteSource::~FileByteSource()
{
    if (m_handle != -1)
        CloseHandle(reinterpret_cast<HANDLE>(m_handle));
}

QString FileByteSource::failureReason() const
{
    return m_error != 0 ? qt_error_string(m_error) : QString();
}

qint64 FileByteSource::size() const
{
    return std::max<qint64>(m_size, 0);
}

qint64 FileByteSource::readStart(qint64 capacity, char *out)
{
    return ByteSource::readStart(capacity, out);
}

bool FileByteSource::read(qint64 offset, qint64 length, char *out)
{
    if (m_handle == -1 || offset < 0 || length < 0 || offset > m_size || length > m_size - offset)
        return false;
    qint64 done = 0;
    while (done < length) {
        OVERLAPPED position = {};
        const qint64 at = offset + done;
        position.Offset = DWORD(at);
        position.OffsetHigh = DWORD(at >> 32);
        const DWORD chunk = DWORD(std::min<qint64>(length - done, 1 << 30));
        DWORD got = 0;
        if (!ReadFile(reinterpret_cast<HANDLE>(m_handle), out + done, chunk, &got, &position) || got == 0) {
            m_error = got == 0 ? int(ERROR_HANDLE_EOF) : int(GetLastError());
            return false;
        }
        done += got;
    }
    return true;
}
