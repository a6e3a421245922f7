#pragma once

#include <QString>

// A directory path, one separator and a name, never doubling the separator: the root "/" gives "/name".
inline QString childPath(const QString &directory, const QString &name)
{
    return directory.endsWith(QLatin1Char('/')) ? directory + name : directory + QLatin1Char('/') + name;
}
