#include "CliProcess.h"

#include "TestSupport.h"

#include <QProcess>

QProcessEnvironment CliEnvironment(const QString& locale) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("LIMNASET_PORT"));
    environment.remove(QStringLiteral("LANGUAGE"));
    environment.insert(QStringLiteral("LANG"), locale);
    environment.insert(QStringLiteral("LC_ALL"), locale);
    return environment;
}

TCliRun RunProgram(const QString& name, const QStringList& arguments,
                   const QProcessEnvironment& environment) {
    return RunPath(BuiltProgram(name), arguments, environment);
}

TCliRun RunPath(const QString& path, const QStringList& arguments,
                const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(path, arguments);
    TCliRun run;
    if (!process.waitForStarted(30000) || !process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished(30000);
        return run;
    }
    run.Out = process.readAllStandardOutput();
    run.Err = process.readAllStandardError();
    run.Exit = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    return run;
}
