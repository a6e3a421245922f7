#include "platform/directory_check.h"

#include <QDir>
#include <windows.h>

QString notADirectoryReason(const QString &path)
{
    if (path.isEmpty() || path.contains(QChar(0)))
        return qt_error_string(ERROR_PATH_NOT_FOUND);
    const DWORD attributes = GetFileAttributesW(QDir::toNativeSeparators(path).toStdWString().c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return qt_error_string(int(GetLastError()));
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? QString() : qt_error_string(ERROR_DIRECTORY);
}
