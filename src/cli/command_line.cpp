#include "cli/command_line.h"

#include "cli/headless_session.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <algorithm>
#include <cstdio>

namespace {

std::optional<CommandLine::Command> commandNamed(const QString &word)
{
    if (word == QLatin1String("list"))
        return CommandLine::Command::List;
    if (word == QLatin1String("html"))
        return CommandLine::Command::Html;
    if (word == QLatin1String("html-list"))
        return CommandLine::Command::HtmlList;
    return std::nullopt;
}

bool parseSort(const QString &text, CommandLine &line)
{
    QString number = text;
    if (number.endsWith(QLatin1String(":desc"))) {
        number.chop(5);
        line.sortAscending = false;
    } else if (number.endsWith(QLatin1String(":asc"))) {
        number.chop(4);
    }
    bool ok = false;
    line.sortColumn = number.toInt(&ok);
    return ok && line.sortColumn >= 0;
}

bool parseFormat(const QString &text, CommandLine &line)
{
    if (text == QLatin1String("tsv"))
        line.format = TableFormat::Tsv;
    else if (text == QLatin1String("csv"))
        line.format = TableFormat::Csv;
    else if (text == QLatin1String("json"))
        line.format = TableFormat::Json;
    else
        return false;
    return true;
}

} // namespace

QString usageText()
{
    return QStringLiteral(
        "Usage: fichorama [--settings DIR] [--config NAME] [DIR]\n"
        "       fichorama list [DIR] [options]   print DIR's grid: header row, then one row per document\n"
        "       fichorama html [DIR] [options]   write DIR's HTML page and print its path\n"
        "       fichorama html-list [options]    write the combined page of the grid list and print its "
        "path\n"
        "Without a command, starts the desktop program, on DIR when given; when it runs already, hands DIR\n"
        "to it.\n"
        "Options:\n"
        "  --settings DIR      the settings directory\n"
        "  --config NAME       this configuration instead of the selector file's\n"
        "  --sort N[:desc]     sort by grid column N (default 0, ascending)\n"
        "  --format tsv|csv|json   output of list (default tsv)\n"
        "  --help, --version\n"
        "DIR defaults to the configuration's remembered directory.\n"
        "Exit status: 0 done, 1 the work failed, 2 wrong usage.\n");
}

std::optional<CommandLine> parseCommandLine(const QStringList &arguments, QString *error)
{
    CommandLine line;
    const bool hasCommandWord = std::any_of(arguments.begin(), arguments.end(), [](const QString &argument) {
        return commandNamed(argument).has_value() || argument == QLatin1String("--help") ||
               argument == QLatin1String("-h") || argument == QLatin1String("--version");
    });
    auto fail = [&](const QString &message) {
        if (error)
            *error = message;
        return std::nullopt;
    };
    if (!hasCommandWord) {
        // The desktop program: keep our two options and leave Qt's own (-platform X, -style X, ...) to Qt.
        // A word that is neither an option nor an option's value is the directory to start on, when it
        // names one; otherwise a command we do not know.
        for (int i = 0; i < arguments.size(); ++i) {
            const QString &argument = arguments[i];
            const bool isOurs =
                argument == QLatin1String("--settings") || argument == QLatin1String("--config");
            if (isOurs && i + 1 >= arguments.size())
                return fail(QStringLiteral("%1 needs a value").arg(argument));
            if (argument == QLatin1String("--settings"))
                line.settingsDirectory = arguments[++i];
            else if (argument == QLatin1String("--config"))
                line.configurationName = arguments[++i];
            else if (argument.startsWith(QLatin1String("--")))
                return fail(QStringLiteral("unknown option %1").arg(argument));
            else if (!argument.startsWith(QLatin1Char('-')) &&
                     (i == 0 || !arguments[i - 1].startsWith(QLatin1Char('-')))) {
                if (!line.directory.isEmpty() || !QFileInfo(argument).isDir())
                    return fail(
                        QStringLiteral("unknown command %1 (nor an existing directory)").arg(argument));
                // Absolute: a running window that is handed it has a current directory of its own.
                line.directory = QDir::cleanPath(QFileInfo(argument).absoluteFilePath());
            }
        }
        return line;
    }
    bool hasCommand = false;
    bool hasDirectory = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const bool takesValue = argument == QLatin1String("--settings") ||
                                argument == QLatin1String("--config") ||
                                argument == QLatin1String("--sort") || argument == QLatin1String("--format");
        if (takesValue && i + 1 >= arguments.size())
            return fail(QStringLiteral("%1 needs a value").arg(argument));
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            line.command = CommandLine::Command::Help;
            return line;
        }
        if (argument == QLatin1String("--version")) {
            line.command = CommandLine::Command::Version;
            return line;
        }
        if (argument == QLatin1String("--settings")) {
            line.settingsDirectory = arguments[++i];
        } else if (argument == QLatin1String("--config")) {
            line.configurationName = arguments[++i];
        } else if (argument == QLatin1String("--sort")) {
            if (!parseSort(arguments[++i], line))
                return fail(QStringLiteral("--sort takes a column number, optionally followed by :desc"));
        } else if (argument == QLatin1String("--format")) {
            if (!parseFormat(arguments[++i], line))
                return fail(QStringLiteral("--format takes tsv, csv or json"));
        } else if (argument.startsWith(QLatin1String("--"))) {
            return fail(QStringLiteral("unknown option %1").arg(argument));
        } else if (!hasCommand) {
            const std::optional<CommandLine::Command> command = commandNamed(argument);
            if (!command)
                return fail(QStringLiteral("unknown command %1").arg(argument));
            line.command = *command;
            hasCommand = true;
        } else if (!hasDirectory && line.command != CommandLine::Command::HtmlList) {
            line.directory = argument;
            hasDirectory = true;
        } else {
            return fail(QStringLiteral("unexpected argument %1").arg(argument));
        }
    }
    return line;
}

int runCommand(const CommandLine &commandLine)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    switch (commandLine.command) {
    case CommandLine::Command::Help:
        out << usageText();
        return 0;
    case CommandLine::Command::Version:
        out << "Fichorama " FICHORAMA_VERSION_TEXT "\n";
        return 0;
    case CommandLine::Command::Window:
        return 2;
    default:
        break;
    }
    HeadlessSession session(commandLine);
    const CommandOutcome outcome = session.run();
    std::fwrite(outcome.output.constData(), 1, size_t(outcome.output.size()), stdout);
    std::fflush(stdout);
    if (!outcome.message.isEmpty())
        err << "fichorama: " << outcome.message << "\n";
    return outcome.status;
}
