#include "platform/directory_check.h"

#include "platform/native_name.h"

#include <QFile>
#include <cerrno>
#include <sys/stat.h>

QString notADirectoryReason(const QString &path)
{
    const QByteArray name = nativeBytes(path);
    if (name.isEmpty() || name.contains('\0'))
        return qt_error_string(ENOENT);
    struct stat info;
    if (::stat(name.constData(), &info) != 0)
        return qt_error_string(errno);
    return S_ISDIR(info.st_mode) ? QString() : qt_error_string(ENOTDIR);
}
