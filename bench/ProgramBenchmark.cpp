// Runs limnaset-cli get, set and apply of a whole program and prints the CPU time each
// command takes (user and system, the median of the runs), process start included; the
// goal is under 20 ms each.
//
// Usage: ProgramBenchmark [runs]

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

double ChildrenCpuMs() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

// The CPU time of one run; negative when the command failed.
double Run(const QStringList& arguments, QByteArray* out = nullptr) {
    const double before = ChildrenCpuMs();
    QProcess process;
    process.start(QStringLiteral(LIMNASET_CLI), arguments);
    process.waitForFinished(-1);
    const double spent = ChildrenCpuMs() - before;
    if (out) *out = process.readAllStandardOutput();
    return process.exitCode() == 0 ? spent : -1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 11;
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a.r72"));
    const QString b = dir.filePath(QStringLiteral("b.r72"));
    const QString json = dir.filePath(QStringLiteral("a.json"));
    if (Run({QStringLiteral("new"), a}) < 0 || Run({QStringLiteral("new"), b}) < 0) return 1;
    QByteArray program;
    Run({QStringLiteral("get"), a, QStringLiteral("--json")}, &program);
    QFile file(json);
    if (!file.open(QIODevice::WriteOnly) || file.write(program) != program.size()) return 1;
    file.close();
    // Every field set at once, as get shows it.
    QStringList set = {QStringLiteral("set"), b};
    QByteArray lines;
    Run({QStringLiteral("get"), a}, &lines);
    for (const QByteArray& line : lines.split('\n'))
        if (!line.isEmpty()) set << QString::fromUtf8(line).replace(u'\t', u'=');

    const struct {
        const char* Name;
        QStringList Arguments;
    } commands[] = {{"get", {QStringLiteral("get"), a}},
                    {"get --json", {QStringLiteral("get"), a, QStringLiteral("--json")}},
                    {"set (every field)", set},
                    {"apply", {QStringLiteral("apply"), b, json}}};
    for (const auto& command : commands) {
        std::vector<double> times;
        for (int i = 0; i < runs; ++i) {
            const double t = Run(command.Arguments);
            if (t < 0) {
                std::printf("%-18s failed\n", command.Name);
                return 1;
            }
            times.push_back(t);
        }
        std::sort(times.begin(), times.end());
        std::printf("%-18s CPU %6.1f ms (median of %d, best %.1f ms)\n", command.Name,
                    times[times.size() / 2], runs, times.front());
    }
    return 0;
}
