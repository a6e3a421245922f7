// The window program, started by `fichorama` in its place with the same arguments.
#include "app/window_application.h"
#include "cli/command_line.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    const std::optional<CommandLine> commandLine = parseProcessArguments(argc, argv);
    if (!commandLine)
        return 2;
    if (commandLine->command != CommandLine::Command::Window) {
        // Started by hand with a command: it runs all the same.
        QCoreApplication app(argc, argv);
        return runCommand(*commandLine);
    }
    return runWindowApplication(argc, argv, *commandLine);
}
