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

// Standard input is closed, so a program that would ask for something reads its end. A run
// that does not finish in time or that crashes is a test failure.
inline TabrixOutcome RunTabrix(const QStringList& arguments, const QString& workingDirectory = {},
                               const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
                               int timeoutMs = 300000)
{
    QProcess process;
    process.setWorkingDirectory(workingDirectory);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TABRIX_PROGRAM), arguments);
    process.closeWriteChannel();
    if (!process.waitForFinished(timeoutMs))
        ADD_FAILURE() << "tabrix did not finish: " << arguments.join(' ').toStdString();
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << arguments.join(' ').toStdString();
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}
