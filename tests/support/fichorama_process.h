#pragma once

#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>

// What one run of the fichorama command line gave.
struct ProcessRun
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the fichorama executable (FICHORAMA_EXECUTABLE, defined by the test's target) with `arguments` in the
// time zone `zone` and waits for it. `runner` (a program and its arguments, such as setpriv's) runs it when
// given.
inline ProcessRun fichorama(const QStringList &arguments, const QString &zone = QStringLiteral("UTC"),
                            const QStringList &runner = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TZ"), zone);
    process.setProcessEnvironment(environment);
    const QStringList command = runner + QStringList{QStringLiteral(FICHORAMA_EXECUTABLE)} + arguments;
    process.start(command.first(), command.mid(1));
    EXPECT_TRUE(process.waitForFinished(30000)) << qPrintable(process.errorString());
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

// The arguments of `command` ("list", "html") on `directory` with the settings directory `settings`, then
// `more`.
inline QStringList commandOn(const char *command, const QString &directory, const QString &settings,
                             const QStringList &more = {})
{
    return QStringList{QLatin1String(command), directory, QStringLiteral("--settings"), settings} + more;
}
