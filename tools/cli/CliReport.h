#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QStringList>
#include <memory>

class QCommandLineParser;
class QCoreApplication;

// `limnaset-cli report FILE -o OUT.pdf`: the printed report of a document or the Connector.
QString ReportSynopsis();
QString ReportDescription();
QList<QCommandLineOption> ReportOptions();
int RunReport(const QCommandLineParser& parser, const QStringList& files);

// The report lays out text and pages and so needs a QGuiApplication, drawn off screen without
// a display; every other command keeps the plain QCoreApplication.
std::unique_ptr<QCoreApplication> MakeCliApplication(int& argc, char** argv);
