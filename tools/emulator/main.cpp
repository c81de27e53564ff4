#include "Emulator.h"
#include "EmulatorOptions.h"
#include "Version.h"

#include <QCoreApplication>
#include <cstdio>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

int main(int argc, char** argv) {
    // Signals are read from a descriptor in the loop, so the memory is saved on the way out.
    sigset_t watched;
    sigemptyset(&watched);
    sigaddset(&watched, SIGINT);
    sigaddset(&watched, SIGTERM);
    sigaddset(&watched, SIGHUP);
    sigprocmask(SIG_BLOCK, &watched, nullptr);
    const int signalFd = signalfd(-1, &watched, SFD_CLOEXEC);

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("limnaset-emulator"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LIMNASET_VERSION));

    TEmulatorOptions options;
    QString error;
    if (!TEmulatorOptions::Parse(QCoreApplication::arguments(), options, error)) {
        std::fprintf(stderr, "limnaset-emulator: %s\n", qPrintable(error));
        return 2;
    }
    TEmulator emulator(options);
    if (signalFd < 0 || !emulator.Prepare(error) || !emulator.OpenTerminal(error)) {
        std::fprintf(stderr, "limnaset-emulator: %s\n",
                     signalFd < 0 ? "cannot watch for signals" : qPrintable(error));
        return 1;
    }
    std::printf("%s\n", qPrintable(emulator.TerminalPath()));
    std::fflush(stdout);

    const bool ran = emulator.Run(signalFd);
    const bool saved = emulator.Save(error);
    if (!saved) std::fprintf(stderr, "limnaset-emulator: %s\n", qPrintable(error));
    ::close(signalFd);
    return ran && saved ? 0 : 1;
}
