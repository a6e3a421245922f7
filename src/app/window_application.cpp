#include "app/window_application.h"

#include "config/settings_directory.h"
#include "platform/desktop_shell.h"
#include "platform/message_box_prompter.h"
#include "platform/system_names.h"
#include "ui/main_window.h"
#include "ui/properties_dialog.h"

#include <QApplication>
#include <QDir>

int runWindowApplication(int argc, char *argv[], const CommandLine &commandLine)
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Fichorama"));
    app.setDesktopFileName(QStringLiteral("fichorama"));
    MainWindowEnvironment environment;
    environment.settingsDirectory =
        resolveSettingsDirectory(processSettingsDirectorySources(commandLine.settingsDirectory));
    environment.configurationName = commandLine.configurationName;
    environment.currentDirectory = QDir::currentPath();
    environment.startDirectory = commandLine.directory;
    environment.startup = readStartupValues();

    MessageBoxPrompter prompter;
    // Set once the window exists: our own properties dialog, for desktops without a file manager that
    // answers, speaks the window's language at the time it is shown.
    const MainWindow *languageSource = nullptr;
    DesktopShell shell([&languageSource](const QString &path, QWidget *owner) {
        PropertiesDialog::showFor(path, owner, languageSource ? languageSource->settings().language : 0);
    });
    bool handedOver = false;
    const std::unique_ptr<MainWindow> window = MainWindow::start(environment, prompter, shell, &handedOver);
    if (!window)
        return handedOver ? 0 : 1;
    languageSource = window.get();
    // Boxes open over the window that asks: a dialog in front, or else the main window.
    prompter.setParent(window.get());
    window->show();
    return app.exec();
}
