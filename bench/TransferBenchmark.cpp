// Full Connector read (archived), a write with verification, and the look at the log
// that lets a write skip its backup, through the Connector session and limnaset-emulator on
// a pseudo-terminal, unpaced and paced at 19200 baud. Prints the wall time beside the time
// the bytes need on a real line, and the CPU time of this process and of the emulator:
// nothing may spin while it waits for the line. The last column is this process's CPU time
// per block exchanged.
//
// Usage: TransferBenchmark [path of limnaset-emulator]

#include "ConnectorSession.h"
#include "R7200.h"
#include "UsbUart.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr double ByteSeconds = 10.0 / 19200.0;

double OwnCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// User and system time of a running child, from /proc; -1 when unknown.
double ChildCpuSeconds(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return -1;
    const QByteArray text = stat.readAll();
    // Fields after the command name, which is in parentheses and may hold blanks.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13) return -1;
    const double ticks = double(sysconf(_SC_CLK_TCK));
    return (fields[11].toDouble() + fields[12].toDouble()) / ticks;
}

// Bytes on the line for reading length bytes from address in blocks of 32.
int ReadLineBytes(int length) {
    int bytes = 0;
    for (int left = length; left > 0; left -= 32)
        bytes += 5 + 1 + std::min(left, 32);
    return bytes;
}

// Bytes on the line for writing length bytes from address: block-aligned chunks, each a
// 37-byte request and a 2-byte acknowledgement.
int WriteLineBytes(int address, int length) {
    int chunks = 0;
    int at = address;
    for (int left = length; left > 0;) {
        const int chunk = std::min(left, (at / 32) * 32 + 32 - at);
        at += chunk;
        left -= chunk;
        ++chunks;
    }
    return chunks * (37 + 2);
}

QString EmulatorPath(int argc, char** argv) {
    if (argc > 1) return QString::fromLocal8Bit(argv[1]);
    const QString here = QCoreApplication::applicationDirPath();
    return QDir(here).filePath(QStringLiteral("../tools/emulator/limnaset-emulator"));
}

struct TRun {
    const char* Name;
    int LineBytes;
    int Blocks;
    std::function<bool(TConnectorSession&, TR7200&)> Transfer;
    // Untimed, before the transfer.
    std::function<void(TConnectorSession&)> Prepare = {};
};

bool Measure(const QString& emulator, bool paced, const TRun& run) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(emulator, paced ? QStringList{QStringLiteral("--paced")} : QStringList{});
    if (!process.waitForStarted(10000) || !process.waitForReadyRead(10000)) {
        std::fprintf(stderr, "cannot start %s\n", qPrintable(emulator));
        return false;
    }
    const QByteArray path = process.readLine().trimmed();
    qputenv(TUsbUart::PortVariable, path);

    bool ok = false;
    double wall = 0;
    double ownCpu = 0;
    double childCpu = 0;
    {
        const QTemporaryDir archive;
        TConnectorSession session({}, TArchive(archive.path()));
        TR7200 record;
        if (session.ProbeConnector() == TConnectorState::Usable) {
            if (run.Prepare) run.Prepare(session);
            const double ownBefore = OwnCpuSeconds();
            const double childBefore = ChildCpuSeconds(process.processId());
            QElapsedTimer timer;
            timer.start();
            ok = run.Transfer(session, record);
            wall = double(timer.nsecsElapsed()) / 1e9;
            ownCpu = OwnCpuSeconds() - ownBefore;
            childCpu = ChildCpuSeconds(process.processId()) - childBefore;
        }
    }
    process.terminate();
    process.waitForFinished(10000);

    const double wire = run.LineBytes * ByteSeconds;
    std::printf("%-34s %-8s %-6s %8.2f %8.2f %9.2f %9.2f %7.1f%% %10.3f\n", run.Name,
                paced ? "paced" : "unpaced", ok ? "ok" : "FAILED", wall, wire, ownCpu, childCpu,
                wall > 0 ? 100.0 * (ownCpu + childCpu) / wall : 0.0, 1000.0 * ownCpu / run.Blocks);
    std::fflush(stdout);
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString emulator = EmulatorPath(argc, argv);
    if (!QFileInfo(emulator).isExecutable()) {
        std::fprintf(stderr, "no emulator at %s; give its path as the argument\n",
                     qPrintable(emulator));
        return 2;
    }

    const TRun runs[] = {
        {"full read (32768 bytes)", ReadLineBytes(TR7200::ImageSize), TR7200::ImageSize / 32,
         [](TConnectorSession& session, TR7200&) { return session.Read().Whole; }},
        // The same bytes without the session: what the session adds is the difference.
        {"device read alone (32768 bytes)", ReadLineBytes(TR7200::ImageSize),
         TR7200::ImageSize / 32,
         [](TConnectorSession& session, TR7200& record) {
             return session.Device().ReadMemory(0, record.Image.data(), TR7200::ImageSize);
         }},
        {"write + verify (2 x 32764 bytes)",
         WriteLineBytes(4, TR7200::ImageSize - 4) + ReadLineBytes(TR7200::ImageSize - 4),
         WriteLineBytes(4, TR7200::ImageSize - 4) / 39 + (TR7200::ImageSize - 4 + 31) / 32,
         [](TConnectorSession& session, TR7200& record) {
             return session.Write(record, false, {}).Written;
         }},
        // Serial number, header checksum, the newest record and the slot after it.
        {"log check before write (4 blocks)",
         ReadLineBytes(4) + ReadLineBytes(2) + 2 * ReadLineBytes(16), 4,
         [](TConnectorSession& session, TR7200& record) {
             bool known = false;
             session.Write(record, true, [&known](const TBackupReport& backup) {
                 known = backup.Outcome == TBackup::Known;
                 return false;
             });
             return known;
         },
         [](TConnectorSession& session) { session.Read(); }},
    };
    std::printf("%-34s %-8s %-6s %8s %8s %9s %9s %8s %10s\n", "transfer", "line", "result",
                "wall s", "wire s", "own CPU s", "emu CPU s", "CPU/wall", "ms/block");
    bool ok = true;
    for (bool paced : {false, true})
        for (const TRun& run : runs)
            ok = Measure(emulator, paced, run) && ok;
    return ok ? 0 : 1;
}
