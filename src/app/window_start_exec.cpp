#include "app/program_directory.h"
#include "app/window_application.h"

#include <QByteArray>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

// The window program sits beside this one in a build, and in the private program directory when
// installed (FICHORAMA_WINDOW_PROGRAM: its path relative to the directory of this program).
int startWindow(int, char *argv[], const CommandLine &)
{
    const QByteArray directory = programDirectory();
    const QByteArray candidates[] = {directory + "/fichorama-window",
                                     directory + "/" FICHORAMA_WINDOW_PROGRAM};
    int failure = ENOENT;
    for (const QByteArray &program : candidates) {
        if (directory.isEmpty() || ::access(program.constData(), X_OK) != 0)
            continue;
        ::execv(program.constData(), argv);
        failure = errno;
    }
    std::fprintf(stderr, "fichorama: the window cannot be started: %s/%s: %s\n", directory.constData(),
                 FICHORAMA_WINDOW_PROGRAM, std::strerror(failure));
    return 1;
}
