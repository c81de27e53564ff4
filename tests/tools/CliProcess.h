#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QStringList>

// One run of the built limnaset-cli: exit code and both output streams.
struct TCliRun {
    int Exit = -1;
    QByteArray Out;
    QByteArray Err;
};

// An environment for the tool: en_US formats unless a locale is given, and no
// LIMNASET_PORT unless the caller sets one.
QProcessEnvironment CliEnvironment(const QString& locale = QStringLiteral("en_US.UTF-8"));

TCliRun RunCli(const QStringList& arguments,
               const QProcessEnvironment& environment = CliEnvironment());
