#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QStringList>

#include <functional>

class QProcess;

// One run of a built tool: exit code (-1 when it did not end in time) and both output streams.
struct TCliRun {
    int Exit = -1;
    QByteArray Out;
    QByteArray Err;
};

// An environment for the tool: en_US formats unless a locale is given, and no
// LIMNASET_PORT unless the caller sets one.
QProcessEnvironment CliEnvironment(const QString& locale = QStringLiteral("en_US.UTF-8"));

// Runs the program at a path, or one found on PATH; `prepare` may redirect the process's
// streams or change how it starts.
TCliRun RunPath(const QString& path, const QStringList& arguments,
                const QProcessEnvironment& environment = CliEnvironment(),
                const std::function<void(QProcess&)>& prepare = {});
TCliRun RunProgram(const QString& name, const QStringList& arguments,
                   const QProcessEnvironment& environment = CliEnvironment(),
                   const std::function<void(QProcess&)>& prepare = {});
inline TCliRun RunCli(const QStringList& arguments,
                      const QProcessEnvironment& environment = CliEnvironment(),
                      const std::function<void(QProcess&)>& prepare = {}) {
    return RunProgram(QStringLiteral("limnaset-cli"), arguments, environment, prepare);
}
// With standard output written to /dev/full.
TCliRun RunCliToFullDisk(const QStringList& arguments);
// The path of a copy of a built program that the user nobody can run: the build tree may lie
// in a folder only its owner can enter (a clone in /root). Empty, with the reason in `why`,
// when no such place can be had.
QString ProgramForNobody(const QString& name, QString& why);
// Runs a program as the user nobody when run by root, so that permission bits hold; as
// anybody else, as that user.
TCliRun RunUnprivileged(const QString& program, const QStringList& arguments);
