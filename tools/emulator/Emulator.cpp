#include "Emulator.h"

#include "R7200.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <ctime>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

namespace {

// 10 bits a byte at 19200 baud.
constexpr int64_t ByteNs = 10 * int64_t(1000000000) / 19200;
// Paced replies leave a byte at a time, each when its bits have crossed the line, as a UART
// hands them over.
constexpr int PacedChunk = 1;

int64_t NowNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return int64_t(t.tv_sec) * 1000000000 + t.tv_nsec;
}

} // namespace

TEmulator::TEmulator(const TEmulatorOptions& options)
    : Options(options), Model(options.Kind, options.Faults) {
    Model.AdapterVersion = options.AdapterVersion;
    Model.ClockLost = options.ClockLost;
}

TConnectorModel::TKind TEmulator::MemoryKind() const {
    return Options.Kind == TConnectorModel::TKind::Small ? TConnectorModel::TKind::Small
                                                         : TConnectorModel::TKind::Large;
}

bool TEmulator::Prepare(QString& error) {
    if (!Options.ImageFile.isEmpty()) {
        QFile file(Options.ImageFile);
        if (!file.open(QIODevice::ReadOnly)) {
            error = QStringLiteral("cannot open %1: %2").arg(Options.ImageFile, file.errorString());
            return false;
        }
        const QByteArray bytes = file.readAll();
        if (bytes.isEmpty()) {
            error = QStringLiteral("%1 is empty").arg(Options.ImageFile);
            return false;
        }
        Model.LoadMemory(reinterpret_cast<const uint8_t*>(bytes.constData()), int(bytes.size()),
                         MemoryKind());
    } else {
        TR7200 record;
        record.SerialNumber = 72000001;
        record.ConnectorName = QStringLiteral("Emulated Connector");
        record.ConnectorComment = QStringLiteral("Sample program of limnaset-emulator");
        record.Pack();
        Model.LoadMemory(record.Image.data(), TR7200::ImageSize, MemoryKind());
    }
    if (Options.Demo) {
        TR7200 program;
        std::copy_n(Model.Memory().begin(), TR7200::ImageSize, program.Image.begin());
        program.Unpack();
        Model.SetDemoProgram(program.SamplingPeriod, program.SamplesPerBottle);
        Model.PrefillDemoRecords(Options.DemoRecords);
        NextDemoNs = NowNs() + int64_t(Options.DemoIntervalMs) * 1000000;
    }
    return true;
}

bool TEmulator::OpenTerminal(QString& error) {
    if (!Pty.Open()) {
        error = QStringLiteral("cannot create a pseudo-terminal: %1")
                    .arg(QString::fromLocal8Bit(strerror(errno)));
        return false;
    }
    return true;
}

bool TEmulator::Save(QString& error) {
    if (Options.SaveFile.isEmpty()) return true;
    const std::vector<uint8_t>& memory = Model.Memory(MemoryKind());
    QFile file(Options.SaveFile);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(memory.data()), qint64(memory.size())) !=
            qint64(memory.size()) ||
        !file.flush()) {
        error = QStringLiteral("cannot write %1: %2").arg(Options.SaveFile, file.errorString());
        return false;
    }
    return true;
}

void TEmulator::ReadInput(int64_t now) {
    uint8_t buffer[4096];
    for (;;) {
        const int n = Pty.ReadSome(buffer, sizeof buffer);
        if (n <= 0) return;
        if (!Options.Paced) {
            Model.Feed(buffer, n);
            continue;
        }
        // The adapter sees a byte only once all its bits have crossed the line.
        InFreeNs = std::max(InFreeNs, now) + n * ByteNs;
        Arrivals.push_back({InFreeNs, std::vector<uint8_t>(buffer, buffer + n)});
    }
}

void TEmulator::DeliverInput(int64_t now) {
    while (!Arrivals.empty() && Arrivals.front().DueNs <= now) {
        const std::vector<uint8_t>& bytes = Arrivals.front().Bytes;
        Model.Feed(bytes.data(), int(bytes.size()));
        Arrivals.pop_front();
    }
}

int64_t TEmulator::PumpOutput(int64_t now) {
    for (;;) {
        if (!Unsent.empty()) {
            const ssize_t n = ::write(Pty.MasterFd(), Unsent.data(), Unsent.size());
            if (n > 0) Unsent.erase(Unsent.begin(), Unsent.begin() + n);
            // A full terminal: poll() tells when the client has made room.
            if (!Unsent.empty()) return -1;
        }
        const int pending = Model.Pending();
        if (pending == 0) return -1;
        if (!Options.Paced) {
            Unsent.resize(size_t(std::min(pending, 4096)));
            Unsent.resize(size_t(Model.Take(Unsent.data(), int(Unsent.size()))));
            continue;
        }
        if (ChunkLength == 0) {
            ChunkLength = std::min(pending, PacedChunk);
            ChunkDueNs = std::max(OutFreeNs, now) + ChunkLength * ByteNs;
        }
        if (now < ChunkDueNs) return ChunkDueNs;
        Unsent.resize(size_t(ChunkLength));
        Unsent.resize(size_t(Model.Take(Unsent.data(), ChunkLength)));
        OutFreeNs = ChunkDueNs;
        ChunkLength = 0;
    }
}

void TEmulator::Vanish() {
    // The last reply left the adapter before it went: let the client take it first, as
    // closing the terminal throws away what the client has not read yet.
    const int64_t giveUp = NowNs() + 2 * int64_t(1000000000);
    int quiet = 0;
    while (!Unsent.empty() || quiet < 3) {
        if (!Unsent.empty()) {
            const ssize_t n = ::write(Pty.MasterFd(), Unsent.data(), Unsent.size());
            if (n > 0) Unsent.erase(Unsent.begin(), Unsent.begin() + n);
        }
        quiet = Unsent.empty() && Pty.ClientQueued() == 0 ? quiet + 1 : 0;
        if (NowNs() > giveUp) break;
        ::usleep(10000);
    }
    // Now the device node goes and clients see a hang-up.
    Pty.Close();
}

bool TEmulator::Run(int signalFd) {
    for (;;) {
        const int64_t now = NowNs();
        DeliverInput(now);
        if (Options.Demo && now >= NextDemoNs) {
            Model.AppendDemoRecord();
            NextDemoNs = now + int64_t(Options.DemoIntervalMs) * 1000000;
        }
        const int64_t chunkDue = PumpOutput(now);
        if (!Model.IsPlugged()) {
            Vanish();
            return true;
        }

        int64_t wake = -1;
        const auto earliest = [&wake](int64_t at) {
            if (at >= 0 && (wake < 0 || at < wake)) wake = at;
        };
        earliest(chunkDue);
        if (!Arrivals.empty()) earliest(Arrivals.front().DueNs);
        if (Options.Demo) earliest(NextDemoNs);

        pollfd fds[2] = {{Pty.MasterFd(), short(POLLIN | (Unsent.empty() ? 0 : POLLOUT)), 0},
                         {signalFd, POLLIN, 0}};
        timespec timeout{};
        timespec* limit = nullptr;
        if (wake >= 0) {
            const int64_t left = std::max<int64_t>(0, wake - now);
            timeout.tv_sec = time_t(left / 1000000000);
            timeout.tv_nsec = long(left % 1000000000);
            limit = &timeout;
        }
        if (::ppoll(fds, 2, limit, nullptr) < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (fds[1].revents & POLLIN) return true;
        if (fds[0].revents & (POLLERR | POLLNVAL)) return false;
        if (fds[0].revents & POLLIN) ReadInput(NowNs());
    }
}
