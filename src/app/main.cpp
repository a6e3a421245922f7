#include "app/window_application.h"
#include "cli/command_line.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    const std::optional<CommandLine> commandLine = parseProcessArguments(argc, argv);
    if (!commandLine)
        return 2;
    if (commandLine->command == CommandLine::Command::Window)
        return startWindow(argc, argv, *commandLine);
    QCoreApplication app(argc, argv);
    return runCommand(*commandLine);
}
