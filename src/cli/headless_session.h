#pragma once

#include "cli/command_line.h"
#include "cli/table_output.h"
#include "common/settings.h"
#include "config/configuration_paths.h"
#include "html/page_frame.h"
#include "listing/directory_scan.h"
#include "listing/document_grid.h"
#include "listing/property_columns.h"

#include <QByteArray>

// What a headless command produced: its exit status, standard output (when no sink took it) and a
// message for standard error.
struct CommandOutcome
{
    int status = 0;
    QByteArray output;
    QString message;
    QStringList notes = {}; // lines for standard error before the message: files and directories not read
};

// Runs one command of the command line on the configuration in use, with the same code as the window,
// reading the configuration and never writing it.
class HeadlessSession
{
public:
    // What the command prints goes to `output` as it is made; without one it is gathered in the outcome.
    explicit HeadlessSession(const CommandLine &commandLine, OutputSink output = {});
    CommandOutcome run();

private:
    // Lists `directory` into m_grid; false with the outcome set when the directory cannot be read.
    bool listInto(const QString &directory, const SortState &sort, CommandOutcome &outcome,
                  bool keepProperties = false);
    CommandOutcome list();
    QString directoryArgument() const;
    CommandOutcome pageOutcome(const PageResult &result, const QString &refusal) const;

    CommandLine m_commandLine;
    ConfigurationPaths m_paths;
    Settings m_settings;
    DocumentGrid m_grid;
    DisplayedColumns m_displayed{};
    ScanResult m_scan; // of the last listing
    OutputSink m_output;
};
