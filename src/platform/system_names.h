#pragma once

#include "common/settings.h"

// The start-up values of this machine: host name, login name of the process's user, the system's name.
StartupValues readStartupValues();

// The system version text of a Windows version record: "Windows 95", "Windows 98", "Windows NT 3.51",
// "Windows NT 4.0", or empty for any other platform, major or minor version.
QString windowsVersionName(int platformId, int majorVersion, int minorVersion);

// Trims blanks around a name the system returned and drops one trailing NUL character.
QString cleanSystemName(const QString &raw);
