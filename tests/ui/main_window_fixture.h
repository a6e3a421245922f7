#pragma once

#include "support/recording_platform.h"
#include "support/test_files.h"
#include "ui/main_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

// A main window over a settings directory and a documents directory of its own, with a recording
// prompter and shell and a fixed clock.
struct WindowFixture
{
    QTemporaryDir settings;
    QTemporaryDir documents;
    RecordingPrompter prompter;
    RecordingShell shell;
    std::unique_ptr<MainWindow> window;

    QString settingsPath(const QString &name) const { return QDir(settings.path()).filePath(name); }
    QString iniPath() const { return settingsPath(QStringLiteral("Fichorama.ini")); }
    QString documentsPath() const { return QDir::cleanPath(documents.path()); }

    // Writes the configuration file "Fichorama.ini" with these lines under "[Configuration]".
    void writeConfiguration(const QByteArray &configurationLines) const
    {
        writeFile(iniPath(), "[Configuration]\r\n" + configurationLines);
    }
    // Copies a few documents of tests/data into the documents directory.
    void addDocuments() const
    {
        copyTestData(QStringLiteral("ole/PHPWord__docSlovak.doc"), documentsPath());
        copyTestData(QStringLiteral("ole/presentation_fr.ppt"), documentsPath());
        copyTestData(QStringLiteral("ole/si_cp1252_tous_pid.doc"), documentsPath());
    }

    MainWindowEnvironment environment(const QString &configurationName = {}) const
    {
        MainWindowEnvironment environment;
        environment.settingsDirectory = settings.path();
        environment.configurationName = configurationName;
        environment.currentDirectory = documentsPath();
        environment.startup = {QStringLiteral("OFFICE7"), QStringLiteral("marie"), QStringLiteral("Debian")};
        environment.clock = [] { return QDateTime(QDate(2026, 12, 5), QTime(14, 5)); };
        return environment;
    }

    // Starts the window and runs its first activation, which lists the remembered directory; returns once
    // that listing is over.
    MainWindow &start(const QString &configurationName = {})
    {
        window = MainWindow::start(environment(configurationName), prompter, shell);
        EXPECT_TRUE(window);
        if (window)
            window->firstActivation();
        settle();
        return *window;
    }

    // Runs the event loop until the window's listings and pages, which run beside it, are over.
    void settle() const
    {
        QElapsedTimer clock;
        clock.start();
        while (window && window->isBusy()) {
            if (clock.elapsed() > 60000) {
                ADD_FAILURE() << "the window's job did not end";
                return;
            }
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
    }

    // A value of the configuration file, or of another settings file.
    QString stored(QStringView section, const char *key, const QString &file = {}) const
    {
        return IniFile(file.isEmpty() ? iniPath() : file).read(section, QString::fromLatin1(key));
    }

    template <typename Widget>
    Widget *find(const char *name) const
    {
        Widget *widget = window->findChild<Widget *>(QLatin1String(name));
        EXPECT_TRUE(widget) << name;
        return widget;
    }

    // Triggers the menu entry or clicks the button named `opener`, which shows the modal dialog named `name`,
    // and drives that dialog with `drive` from the dialog's own event loop, as the user would (`drive` must
    // close it); then waits for the jobs it started. Fails the test when no such dialog showed.
    void drive(const char *opener, const char *name, const std::function<void(QDialog &)> &drive) const
    {
        bool shown = false;
        QTimer poll;
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog || dialog->objectName() != QLatin1String(name))
                return;
            poll.stop();
            shown = true;
            drive(*dialog);
            // A driver that did not close the dialog must not leave the test waiting.
            if (dialog->isVisible())
                dialog->reject();
        });
        poll.start();
        if (auto *action = window->findChild<QAction *>(QLatin1String(opener)))
            action->trigger();
        else if (auto *button = find<QAbstractButton>(opener))
            button->click();
        EXPECT_TRUE(shown) << name << " did not show";
        settle();
    }
};

// Lets the window lay itself out after a show or a resize.
inline void pumpEvents()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}
