// The window program, started by `fichorama` in its place with the same arguments.
#include "app/window_application.h"
#include "cli/command_line.h"
#include "platform/native_name.h"

#include <cstdio>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << fromNativeBytes(argv[i]);
    QString error;
    const std::optional<CommandLine> commandLine = parseCommandLine(arguments, &error);
    if (!commandLine || commandLine->command != CommandLine::Command::Window) {
        std::fprintf(stderr, "fichorama: %s\n%s",
                     qPrintable(error.isEmpty() ? QStringLiteral("not a window command") : error),
                     qPrintable(usageText()));
        return 2;
    }
    return runWindowApplication(argc, argv, *commandLine);
}
