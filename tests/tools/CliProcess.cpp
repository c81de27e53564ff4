#include "CliProcess.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <grp.h>
#include <sys/stat.h>
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

namespace {

// Every folder on the way may be entered by others.
bool OthersReach(const QString& path) {
    for (QString folder = QFileInfo(path).absolutePath();; folder = QFileInfo(folder).path()) {
        struct stat info {};
        if (stat(QFile::encodeName(folder).constData(), &info) != 0 || !(info.st_mode & S_IXOTH))
            return false;
        if (QFileInfo(folder).isRoot()) return true;
    }
}

} // namespace

QString ProgramForNobody(const QString& name, QString& why) {
    const QString built = BuiltProgram(name);
    if (geteuid() != 0 || OthersReach(built)) return built;
    static QTemporaryDir copies(QDir::tempPath() + QStringLiteral("/limnaset-nobody-XXXXXX"));
    const QString copy = copies.filePath(name);
    const auto open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                      QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    if (!copies.isValid() || !QFile::setPermissions(copies.path(), open) ||
        (!QFileInfo::exists(copy) && !QFile::copy(built, copy)) ||
        !QFile::setPermissions(copy, open) || !OthersReach(copy)) {
        why = QStringLiteral("the user nobody cannot reach %1, nor a copy of it in %2")
                  .arg(built, QDir::tempPath());
        return {};
    }
    return copy;
}

TCliRun RunUnprivileged(const QString& program, const QStringList& arguments) {
    return RunPath(program, arguments, CliEnvironment(), [&program](QProcess& p) {
        // The test's own folder may be closed to that user as well.
        p.setWorkingDirectory(QFileInfo(program).absolutePath());
        p.setChildProcessModifier([] {
            if (geteuid() != 0) return;
            const gid_t nogroup = 65534;
            if (setgroups(1, &nogroup) != 0 || setgid(65534) != 0 || setuid(65534) != 0) _exit(125);
        });
    });
}
