#include "platform/short_name.h"

#include <QDir>
#include <QFileInfo>
#include <windows.h>

QString shortName(const QString &path)
{
    const std::wstring native = QDir::toNativeSeparators(path).toStdWString();
    wchar_t buffer[MAX_PATH];
    const DWORD length = GetShortPathNameW(native.c_str(), buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    const QString name = QFileInfo(QString::fromWCharArray(buffer, int(length))).fileName();
    return name.compare(QFileInfo(path).fileName(), Qt::CaseInsensitive) == 0 ? QString() : name;
}
