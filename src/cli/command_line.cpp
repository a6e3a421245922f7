#include "cli/command_line.h"

#include "cli/headless_session.h"
#include "platform/file_name_characters.h"
#include "platform/native_name.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <algorithm>
#include <cerrno>
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

// A configuration name is a file-name stem in the settings directory: a name the chooser would not let
// be typed (a path, "../x") is refused rather than read or written anywhere else.
bool isConfigurationName(const QString &name)
{
    return !removeForbiddenCharacters(name).hadForbidden;
}

QString configurationNameError()
{
    return QStringLiteral("--config takes a configuration name without any of \\ / : * ? \" < > |");
}

} // namespace

QString usageText()
{
    // The column keys, wrapped under the option's description.
    const QString indent = QStringLiteral("                      ");
    QString keys;
    QString keyLine = indent;
    for (const QString &key : ColumnChoice::keyList().split(QLatin1Char(' '))) {
        if (keyLine.size() + key.size() > 100) {
            keys += keyLine.trimmed().prepend(indent) + QLatin1Char('\n');
            keyLine = indent;
        }
        keyLine += key + QLatin1Char(' ');
    }
    keys += keyLine.trimmed().prepend(indent) + QLatin1Char('\n');

    // %1: the key lines.
    return QStringLiteral(R"(Usage: fichorama [--settings DIR] [--config NAME] [DIR]
       fichorama list [DIR] [options]   print DIR's grid: header row, then one row per document
       fichorama html [DIR] [options]   write DIR's HTML page and print its path
       fichorama html-list [options]    write the combined page of the grid list and print its path
Without a command, starts the desktop program, on DIR when given; when it runs already, hands DIR
to it. With a command, runs without a window and never writes the configuration.
DIR defaults to the configuration's remembered directory.
Options:
  --settings DIR      the settings directory
  --config NAME       this configuration instead of the selector file's
  --sort N[:desc]     sort by column N as printed, 0 the first (default 0, ascending)
  --columns LIST      the columns of list: comma-separated keys, printed in the order given,
                      or all (default: the configuration's displayed columns). The keys:
%1  --recursive         list DIR and its sub-directories at every depth, names relative to DIR
                      (not those whose name starts with a full stop, nor links to directories)
  --format tsv|csv|json   the output of list (default tsv); tsv and csv hold the grid's texts,
                      json one object per document keyed by column key, with typed values
                      (numbers, ISO 8601 dates with the local offset, editing time in minutes,
                      null when missing) and "path"
  --help, --version   print this text, or the version
Settings: the directory of --settings; otherwise the program's own directory when it is writable
and not below /usr or the installation prefix (portable use); otherwise $XDG_CONFIG_HOME/fichorama
(normally ~/.config/fichorama).
Exit status: 0 done, 1 the work failed, 2 wrong usage.
)")
        .arg(keys);
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
            else if (argument == QLatin1String("--config") && !isConfigurationName(arguments[i + 1]))
                return fail(configurationNameError());
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
        const bool takesValue =
            argument == QLatin1String("--settings") || argument == QLatin1String("--config") ||
            argument == QLatin1String("--sort") || argument == QLatin1String("--format") ||
            argument == QLatin1String("--columns");
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
            if (!isConfigurationName(line.configurationName))
                return fail(configurationNameError());
        } else if (argument == QLatin1String("--sort")) {
            if (!parseSort(arguments[++i], line))
                return fail(QStringLiteral("--sort takes a column number, optionally followed by :desc"));
        } else if (argument == QLatin1String("--format")) {
            if (!parseFormat(arguments[++i], line))
                return fail(QStringLiteral("--format takes tsv, csv or json"));
        } else if (argument == QLatin1String("--columns")) {
            QString columnError;
            line.columns = ColumnChoice::parse(arguments[++i], &columnError);
            if (!line.columns)
                return fail(columnError);
        } else if (argument == QLatin1String("--recursive")) {
            line.recursive = true;
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
    if (line.columns && line.command != CommandLine::Command::List)
        return fail(QStringLiteral("--columns applies to list only"));
    if (line.recursive && line.command != CommandLine::Command::List)
        return fail(QStringLiteral("--recursive applies to list only"));
    return line;
}

std::optional<CommandLine> parseProcessArguments(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << fromNativeBytes(argv[i]);
    QString error;
    std::optional<CommandLine> commandLine = parseCommandLine(arguments, &error);
    if (!commandLine)
        std::fprintf(stderr, "fichorama: %s\n%s", qPrintable(error), qPrintable(usageText()));
    return commandLine;
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
    // A failed write (a full disk, a closed pipe) is remembered: the command must not report success.
    int writeError = 0;
    const auto print = [&writeError](QByteArrayView bytes) {
        if (writeError == 0 && !bytes.isEmpty() &&
            std::fwrite(bytes.data(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size()))
            writeError = errno != 0 ? errno : EIO;
    };
    HeadlessSession session(commandLine, print);
    CommandOutcome outcome = session.run();
    print(outcome.output);
    if (std::fflush(stdout) != 0 && writeError == 0)
        writeError = errno != 0 ? errno : EIO;
    if (writeError != 0 && outcome.status == 0) {
        outcome.status = 1;
        outcome.message = QStringLiteral("standard output: %1").arg(qt_error_string(writeError));
    }
    for (const QString &note : outcome.notes)
        err << "fichorama: " << note << "\n";
    if (!outcome.message.isEmpty())
        err << "fichorama: " << outcome.message << "\n";
    return outcome.status;
}
