#include "platform/regular_file_reader.h"

#include <QDir>
#include <windows.h>

namespace {

RegularFileRead failed(QString reason)
{
    return {RegularFileRead::Status::Failed, {}, std::move(reason)};
}

} // namespace

RegularFileRead readRegularFile(const QString &path, qint64 maxSize)
{
    if (path.isEmpty() || path.contains(QChar(0)))
        return {};
    // Without FILE_FLAG_BACKUP_SEMANTICS a directory is not opened.
    const HANDLE handle = CreateFileW(QDir::toNativeSeparators(path).toStdWString().c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return {};
        return failed(qt_error_string(int(error)));
    }
    RegularFileRead result;
    LARGE_INTEGER size{};
    if (GetFileType(handle) != FILE_TYPE_DISK) {
        result = failed(QStringLiteral("Not a regular file"));
    } else if (!GetFileSizeEx(handle, &size)) {
        result = failed(qt_error_string(int(GetLastError())));
    } else if (size.QuadPart > maxSize) {
        result = failed(QStringLiteral("File too large"));
    } else {
        QByteArray bytes(qsizetype(size.QuadPart), Qt::Uninitialized);
        qint64 done = 0;
        result = {RegularFileRead::Status::Ok, {}, {}};
        while (done < bytes.size()) {
            DWORD got = 0;
            if (!ReadFile(handle, bytes.data() + done, DWORD(bytes.size() - done), &got, nullptr)) {
                result = failed(qt_error_string(int(GetLastError())));
                break;
            }
            if (got == 0)
                break;
            done += got;
        }
        bytes.truncate(qsizetype(done));
        if (result.status == RegularFileRead::Status::Ok)
            result.bytes = bytes;
    }
    CloseHandle(handle);
    return result;
}
