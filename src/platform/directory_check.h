#pragma once

#include <QString>

// Why `path` cannot be listed as a directory, in the system's words ("No such file or directory", "File
// name too long", "Not a directory", "Permission denied"); empty when it is a directory. A link is
// followed. Implemented once per platform.
QString notADirectoryReason(const QString &path);
