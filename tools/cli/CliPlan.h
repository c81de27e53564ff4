#pragma once

#include <QCommandLineOption>
#include <QList>

class QCommandLineParser;

// `limnaset-cli plan FILE`: what the program will do, when, and what to watch.
QList<QCommandLineOption> PlanOptions();
int RunPlan(const QCommandLineParser& parser, const QString& file);
