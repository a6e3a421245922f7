#include "cli/command_line.h"
#include "platform/system_names.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QString error;
    const std::optional<CommandLine> commandLine = parseCommandLine(arguments, &error);
    if (!commandLine) {
        std::fprintf(stderr, "fichorama: %s\n%s", qPrintable(error), qPrintable(usageText()));
        return 2;
    }
    if (commandLine->command != CommandLine::Command::Window) {
        QCoreApplication app(argc, argv);
        return runCommand(*commandLine);
    }

    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Fichorama"));
    MainWindow window(readStartupValues());
    window.show();
    return app.exec();
}
