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
// UTC time zone and waits for it.
inline ProcessRun fichorama(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TZ"), QStringLiteral("UTC"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(FICHORAMA_EXECUTABLE), arguments);
    EXPECT_TRUE(process.waitForFinished(30000)) << qPrintable(process.errorString());
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}
