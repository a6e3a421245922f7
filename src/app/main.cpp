#include "app/window_application.h"
#include "cli/command_line.h"
#include "platform/native_name.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << fromNativeBytes(argv[i]); // a directory whose name is not UTF-8 stays reachable
    QString error;
    const std::optional<CommandLine> commandLine = parseCommandLine(arguments, &error);
    if (!commandLine) {
        std::fprintf(stderr, "fichorama: %s\n%s", qPrintable(error), qPrintable(usageText()));
        return 2;
    }
    if (commandLine->command == CommandLine::Command::Window)
        return startWindow(argc, argv, *commandLine);
    QCoreApplication app(argc, argv);
    return runCommand(*commandLine);
}
