#include "platform/system_names.h"

#include <QSysInfo>
#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

namespace {

QString loginName()
{
#ifdef Q_OS_UNIX
    if (const passwd *entry = getpwuid(geteuid()); entry && entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name);
#endif
    QString name = qEnvironmentVariable("USER");
    if (name.isEmpty())
        name = qEnvironmentVariable("USERNAME");
    return name;
}

} // namespace

QString cleanSystemName(const QString &raw)
{
    QString name = raw.trimmed();
    if (name.size() > 1 && name.endsWith(QChar(0)))
        name.chop(1);
    return name;
}

QString windowsVersionName(int platformId, int majorVersion, int minorVersion)
{
    if (platformId == 1 && minorVersion == 0)
        return QStringLiteral("Windows 95");
    if (platformId == 1 && minorVersion == 10)
        return QStringLiteral("Windows 98");
    if (platformId == 2 && majorVersion == 3)
        return QStringLiteral("Windows NT 3.51");
    if (platformId == 2 && majorVersion == 4)
        return QStringLiteral("Windows NT 4.0");
    return {};
}

StartupValues readStartupValues()
{
    StartupValues values;
    values.computerName = cleanSystemName(QSysInfo::machineHostName());
    values.userName = cleanSystemName(loginName());
    values.systemVersion = cleanSystemName(QSysInfo::prettyProductName());
    return values;
}
