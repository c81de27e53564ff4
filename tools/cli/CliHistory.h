#pragma once

#include <QCommandLineParser>
#include <QStringList>

// history SERIAL [--csv] [--utf8] [--from DATE] [--to DATE] | history --rebuild
int RunHistory(const QCommandLineParser& parser, const QStringList& arguments);
// site | site SERIAL NAME [--from DATE]
int RunSite(const QCommandLineParser& parser, const QStringList& arguments);
// Every archived read goes into the history too; trouble with the database is one line on
// standard error per run and never fails the command.
void TellHistoryTrouble();
