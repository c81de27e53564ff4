#pragma once

#include "TestSupport.h"

#include <QProcess>
#include <QString>
#include <QStringList>
#include <optional>

// limnaset-emulator running as a child process, with LIMNASET_PORT pointing at its
// pseudo-terminal for as long as it runs.
class TEmulatorProcess {
public:
    TEmulatorProcess() = default;
    ~TEmulatorProcess();
    TEmulatorProcess(const TEmulatorProcess&) = delete;
    TEmulatorProcess& operator=(const TEmulatorProcess&) = delete;

    // Starts it and reads the terminal's path from its first line; false when it fails.
    bool Start(const QStringList& arguments);
    // SIGTERM, then a kill if it will not go. The old LIMNASET_PORT comes back.
    void Stop();
    // Waits for it to end by itself; false when it is still running after timeoutMs.
    bool WaitFinished(int timeoutMs);
    bool IsRunning() const { return Process.state() != QProcess::NotRunning; }
    int ExitCode() const { return Process.exitCode(); }
    QString Path() const { return TerminalPath; }

private:
    QProcess Process;
    QString TerminalPath;
    std::optional<TEnvironmentGuard> Variable;
};
