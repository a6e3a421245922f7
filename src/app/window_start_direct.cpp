#include "app/window_application.h"

// Where the window is part of the command-line program, it runs here.
int startWindow(int argc, char *argv[], const CommandLine &commandLine)
{
    return runWindowApplication(argc, argv, commandLine);
}
