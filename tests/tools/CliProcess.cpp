#include "CliProcess.h"

#include "TestSupport.h"

#include <QProcess>

#include <grp.h>
#include <unistd.h>

QProcessEnvironment CliEnvironment(const QString& locale) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("LIMNASET_PORT"));
    environment.remove(QStringLiteral("LANGUAGE"));
    environment.insert(QStringLiteral("LANG"), locale);
    environment.insert(QStringLiteral("LC_ALL"), locale);
    return environment;
}

TCliRun RunProgram(const QString& name, const QStringList& arguments,
                   const QProcessEnvironment& environment,
                   const std::function<void(QProcess&)>& prepare) {
    return RunPath(BuiltProgram(name), arguments, environment, prepare);
}

TCliRun RunPath(const QString& path, const QStringList& arguments,
                const QProcessEnvironment& environment,
                const std::function<void(QProcess&)>& prepare) {
    QProcess process;
    process.setProcessEnvironment(environment);
    if (prepare) prepare(process);
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

TCliRun RunCliToFullDisk(const QStringList& arguments) {
    return RunCli(arguments, CliEnvironment(),
                  [](QProcess& p) { p.setStandardOutputFile(QStringLiteral("/dev/full")); });
}

TCliRun RunCliUnprivileged(const QStringList& arguments) {
    return RunCli(arguments, CliEnvironment(), [](QProcess& p) {
        p.setChildProcessModifier([] {
            if (geteuid() != 0) return;
            const gid_t nogroup = 65534;
            if (setgroups(1, &nogroup) != 0 || setgid(65534) != 0 || setuid(65534) != 0) _exit(125);
        });
    });
}
