#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QStringList>

class QCommandLineParser;

// `limnaset-cli diff A B`: the program fields whose values differ, as diff(1) exits.
QList<QCommandLineOption> DiffOptions();
int RunDiff(const QCommandLineParser& parser, const QStringList& files);
