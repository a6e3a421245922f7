#include "app/program_directory.h"

#include <climits>
#include <unistd.h>

QByteArray programDirectory()
{
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return {};
    const QByteArray program(path, length);
    return program.left(program.lastIndexOf('/'));
}
