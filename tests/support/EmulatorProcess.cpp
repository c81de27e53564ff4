#include "EmulatorProcess.h"

#include "UsbUart.h"

#include <QDeadlineTimer>
#include <algorithm>

TEmulatorProcess::~TEmulatorProcess() {
    Stop();
}

bool TEmulatorProcess::Start(const QStringList& arguments) {
    Process.setProgram(BuiltProgram(QStringLiteral("limnaset-emulator")));
    Process.setArguments(arguments);
    Process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    Process.start();
    if (!Process.waitForStarted(30000)) return false;
    QDeadlineTimer deadline(30000);
    while (!Process.canReadLine()) {
        if (deadline.hasExpired() || Process.state() == QProcess::NotRunning) return false;
        Process.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime())));
    }
    TerminalPath = QString::fromLocal8Bit(Process.readLine()).trimmed();
    Variable.emplace(TUsbUart::PortVariable, TerminalPath);
    return !TerminalPath.isEmpty();
}

bool TEmulatorProcess::WaitFinished(int timeoutMs) {
    if (!IsRunning()) return true;
    return Process.waitForFinished(timeoutMs);
}

void TEmulatorProcess::Stop() {
    if (IsRunning()) {
        Process.terminate();
        if (!Process.waitForFinished(30000)) {
            Process.kill();
            Process.waitForFinished(30000);
        }
    }
    Variable.reset();
}
