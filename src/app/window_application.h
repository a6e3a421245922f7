#pragma once

#include "cli/command_line.h"

// Runs the window of `commandLine` (a window command) until it is closed; the process's exit status.
int runWindowApplication(int argc, char *argv[], const CommandLine &commandLine);

// Starts the window of `commandLine` from the command-line program: on systems where the window is a
// program of its own, by replacing this process with it (so that a command never loads the widget
// libraries), elsewhere by running it here. Returns only on failure, or with the window's exit status.
int startWindow(int argc, char *argv[], const CommandLine &commandLine);
