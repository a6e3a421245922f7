#include "platform/short_name.h"

QString shortName(const QString &)
{
    return {};
}
