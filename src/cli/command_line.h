#pragma once

#include "cli/column_choice.h"
#include "cli/table_output.h"

#include <QString>
#include <QStringList>
#include <optional>

// What the command line asks for.
struct CommandLine
{
    enum class Command { Window, List, Html, HtmlList, Help, Version };
    Command command = Command::Window;
    QString directory; // DIR of list and html, or the window's (absolute); empty for the remembered one
    QString settingsDirectory; // --settings
    QString configurationName; // --config
    int sortColumn = 0;        // --sort N[:desc]
    bool sortAscending = true;
    TableFormat format = TableFormat::Tsv; // --format
    std::optional<ColumnChoice> columns;   // --columns; empty for the configuration's displayed columns
    bool recursive = false;                // --recursive
};

// Parses the arguments after the program name. Empty with `error` set on wrong usage. Without a command
// the result asks for the window (with --settings and --config kept, and the one word that names an
// existing directory as its start directory).
std::optional<CommandLine> parseCommandLine(const QStringList &arguments, QString *error);

// Parses a process's own arguments (argv[1] onwards, in the system's bytes: a directory whose name is not
// UTF-8 stays reachable). On wrong usage prints the error and the usage text to standard error.
std::optional<CommandLine> parseProcessArguments(int argc, char *argv[]);

// The usage text printed by --help and on wrong usage.
QString usageText();

// Runs a headless command and returns the exit status: 0 done, 1 the work failed, 2 wrong usage.
// Needs a QCoreApplication. Writes results to standard output and messages to standard error.
int runCommand(const CommandLine &commandLine);
