#pragma once

// Runs the tabrix program of the build (TABRIX_PROGRAM) as a user runs it, for tests that check
// what the program prints and the status it exits with.
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

struct TabrixOutcome {
    int exitCode = -1;
    QString out;
    QString err;
};

struct TabrixRunOptions {
    QString workingDirectory;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    int timeoutMs = 300000;
};

// Standard input is closed, so a program that would ask for something reads its end. A run
// that does not finish in time or that crashes is a test failure.
inline TabrixOutcome RunTabrix(const QStringList& arguments, const TabrixRunOptions& options = {})
{
    QProcess process;
    process.setWorkingDirectory(options.workingDirectory);
    process.setProcessEnvironment(options.environment);
    process.start(QStringLiteral(TABRIX_PROGRAM), arguments);
    process.closeWriteChannel();
    if (!process.waitForFinished(options.timeoutMs))
        ADD_FAILURE() << "tabrix did not finish: " << arguments.join(' ').toStdString();
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << arguments.join(' ').toStdString();
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}
