#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QStringList>

// One run of a built tool: exit code (-1 when it did not end in time) and both output streams.
struct TCliRun {
    int Exit = -1;
    QByteArray Out;
    QByteArray Err;
};

// An environment for the tool: en_US formats unless a locale is given, and no
// LIMNASET_PORT unless the caller sets one.
QProcessEnvironment CliEnvironment(const QString& locale = QStringLiteral("en_US.UTF-8"));

// Runs the program at a path, or one found on PATH.
TCliRun RunPath(const QString& path, const QStringList& arguments,
                const QProcessEnvironment& environment = CliEnvironment());
TCliRun RunProgram(const QString& name, const QStringList& arguments,
                   const QProcessEnvironment& environment = CliEnvironment());
inline TCliRun RunCli(const QStringList& arguments,
                      const QProcessEnvironment& environment = CliEnvironment()) {
    return RunProgram(QStringLiteral("limnaset-cli"), arguments, environment);
}
