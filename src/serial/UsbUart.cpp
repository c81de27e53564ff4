#include "UsbUart.h"

#include "InternalError.h"
#include "PortListing.h"
#include "SysfsTty.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QSerialPort>
#include <algorithm>
#include <chrono>
#include <thread>

namespace {

constexpr const char* Unit = "UsbUart";

QString NamedPort() {
    return qEnvironmentVariable(TUsbUart::PortVariable);
}

// The kernel's name of the tty behind a path, through by-id links.
QString TtyName(const QString& path) {
    const QString real = QFileInfo(path).canonicalFilePath();
    return QFileInfo(real.isEmpty() ? path : real).fileName();
}

bool IsPseudoTerminal(const QString& path) {
    const QString real = QFileInfo(path).canonicalFilePath();
    return real.startsWith(QStringLiteral("/dev/pts/"));
}

} // namespace

TUsbUart::TUsbUart() = default;

TUsbUart::~TUsbUart() {
    Close();
}

bool TUsbUart::FindDevice(const QString& description, int& index) {
    const QString named = NamedPort();
    if (!named.isEmpty()) {
        if (!QFileInfo::exists(named)) return false;
        index = NamedPortIndex;
        return true;
    }
    QStringList descriptions;
    for (const TPortEntry& port : TPortListing::Shared().Ports())
        descriptions << port.Description;
    return PickDevice(descriptions, description, index);
}

bool TUsbUart::PickDevice(const QStringList& descriptions, const QString& description, int& index) {
    int matches = 0;
    int found = -1;
    for (int i = 0; i < descriptions.size(); ++i) {
        if (descriptions[i] == description) {
            ++matches;
            found = i;
        }
    }
    // Two equal adapters: we must not guess which one the user means.
    if (matches != 1) return false;
    index = found;
    return true;
}

bool TUsbUart::Open(int index) {
    if (index == -1) throw TInternalError::OnFile(Unit, CheckOpenIndex);
    if (IsOpen()) Close();

    QString location;
    if (index == NamedPortIndex) {
        location = NamedPort();
        if (location.isEmpty()) return false;
        Description = location;
        DeviceSerialNumber.clear();
        const QString real = QFileInfo(location).canonicalFilePath();
        for (const TPortEntry& port : TPortListing::Shared().Ports()) {
            if (port.Location == real) {
                Description = port.Description;
                DeviceSerialNumber = port.SerialNumber;
            }
        }
    } else {
        // The listing the search picked the index from, unless a device came or went since.
        const QList<TPortEntry>& ports = TPortListing::Shared().Ports();
        if (index < 0 || index >= ports.size()) return false;
        location = ports[index].Location;
        Description = ports[index].Description;
        DeviceSerialNumber = ports[index].SerialNumber;
    }

    auto port = std::make_unique<QSerialPort>();
    port->setPortName(location);
    if (!port->open(QIODevice::ReadWrite)) return false;
    // Only root may change it on most systems; the default timer works, only slower.
    TSysfsTty().SetLatencyTimer(TtyName(location), LatencyTimer);
    Handle = std::move(port);
    PseudoTerminal = IsPseudoTerminal(location);
    DeviceIndex = index;
    return true;
}

void TUsbUart::Close() {
    if (Handle) {
        Handle->close();
        Handle.reset();
    }
    DeviceIndex = -1;
}

int32_t TUsbUart::Write(const uint8_t* data, int32_t count) {
    if (!IsOpen()) throw TInternalError::OnFile(Unit, CheckWrite);
    if (count <= 0) return 0;
    if (Handle->write(reinterpret_cast<const char*>(data), count) != count) {
        Handle->clear(QSerialPort::Output);
        return 0;
    }
    QDeadlineTimer deadline(int64_t(Timeouts.WriteConstant) +
                            int64_t(Timeouts.WriteMultiplier) * count);
    bool failed = false;
    while (Handle->bytesToWrite() > 0) {
        const int64_t left = deadline.remainingTime();
        if (left <= 0) break;
        Handle->clearError();
        if (!Handle->waitForBytesWritten(int(left)) &&
            Handle->error() != QSerialPort::TimeoutError) {
            failed = true;
            break;
        }
    }
    const int64_t unsent = Handle->bytesToWrite();
    if (unsent > 0)
        // What missed the time-out must not trail behind into the next frame.
        Handle->clear(QSerialPort::Output);
    if (failed) return 0;
    return int32_t(count - unsent);
}

int32_t TUsbUart::ReadWithin(uint8_t* buffer, int32_t count, int64_t ms) {
    QDeadlineTimer deadline(ms);
    while (Handle->bytesAvailable() < count) {
        const int64_t left = deadline.remainingTime();
        if (left <= 0) break;
        // The line hands over a byte at a time: sleep until the missing ones can be there
        // instead of waking for each.
        const int64_t missingNs = (count - Handle->bytesAvailable()) * ByteNs;
        if (missingNs >= 1000000) {
            std::this_thread::sleep_for(std::chrono::nanoseconds(
                std::min<int64_t>(missingNs, deadline.remainingTimeNSecs())));
            if (deadline.hasExpired()) break;
        }
        Handle->clearError();
        // A hung-up device reports readiness without data: give up instead of spinning.
        if (!Handle->waitForReadyRead(int(left)) && Handle->error() != QSerialPort::TimeoutError &&
            Handle->error() != QSerialPort::NoError)
            return -1;
    }
    const int64_t got = Handle->read(reinterpret_cast<char*>(buffer),
                                     std::min<int64_t>(count, Handle->bytesAvailable()));
    return got < 0 ? -1 : int32_t(got);
}

int32_t TUsbUart::Read(uint8_t* buffer, int32_t count) {
    if (!IsOpen()) throw TInternalError::OnFile(Unit, CheckRead);
    if (count <= 0) return 0;
    if (ImmediateRead) {
        int64_t waiting = 0;
        if (!QueueStatus(waiting, 0) || waiting == 0) return 0;
        const int64_t got =
            Handle->read(reinterpret_cast<char*>(buffer), std::min<int64_t>(waiting, count));
        return got < 0 ? 0 : int32_t(got);
    }
    // The first byte and the rest are two reads, each bounded on its own.
    const int64_t total = Timeouts.ReadConstant;
    const int64_t perByte = Timeouts.ReadMultiplier;
    if (ReadWithin(buffer, 1, total + perByte) != 1) return 0;
    if (count == 1) return 1;
    const int32_t rest = ReadWithin(buffer + 1, count - 1, total + perByte * (count - 1));
    if (rest < 0) return 0;
    return 1 + rest;
}

bool TUsbUart::QueueStatus(int64_t& waiting, int graceMs) {
    Handle->clearError();
    if (!Handle->waitForReadyRead(graceMs) && Handle->error() != QSerialPort::TimeoutError &&
        Handle->error() != QSerialPort::NoError)
        return false;
    waiting = Handle->bytesAvailable();
    return true;
}

void TUsbUart::Purge() {
    if (!IsOpen()) throw TInternalError::OnFile(Unit, CheckPurge);
    for (int pass = 0; pass < 10; ++pass) {
        if (pass > 0) std::this_thread::sleep_for(std::chrono::milliseconds(50));
        Handle->clear(QSerialPort::AllDirections);
        int64_t waiting = 0;
        if (!QueueStatus(waiting, PurgeQuietMs) || waiting == 0) return;
    }
    // A device that will not stop talking: fail loudly instead of keeping stale bytes.
    throw TInternalError::OnFile(Unit, CheckPurgeFlood);
}

bool TUsbUart::SetImmediateRead() {
    if (!IsOpen()) throw TInternalError::OnFile(Unit, CheckImmediateRead);
    ImmediateRead = true;
    Timeouts.ReadInterval = 0xFFFFFFFF;
    Timeouts.ReadMultiplier = 0;
    Timeouts.ReadConstant = 0;
    return true;
}

void TUsbUart::SetTimeouts(int32_t total, int32_t perByte) {
    if (!IsOpen()) throw TInternalError::OnFile(Unit, CheckTimeouts);
    if (total == 0 && perByte == 0) throw TInternalError::OnFile(Unit, CheckNoTimeouts);
    ImmediateRead = false;
    Timeouts.ReadInterval = 0;
    Timeouts.ReadMultiplier = uint32_t(perByte);
    Timeouts.ReadConstant = uint32_t(ReadTotal(total, perByte));
}

bool TUsbUart::SetSettings(const TUartSettings& settings) {
    if (!IsOpen()) throw TInternalError::OnFile(Unit, CheckSettings);
    // Each step that fails leaves the steps before it in force. A pseudo-terminal has no
    // line to set up (the kernel keeps it at 8 bits without parity), so there the line
    // calls cannot fail the settings; the checks of the values still apply.
    const auto applied = [this](bool ok) { return ok || PseudoTerminal; };
    if (!applied(Handle->setBaudRate(settings.BaudRate))) return false;

    QSerialPort::DataBits dataBits;
    switch (settings.DataBits) {
    case 7:
        dataBits = QSerialPort::Data7;
        break;
    case 8:
        dataBits = QSerialPort::Data8;
        break;
    default:
        return false;
    }

    QSerialPort::StopBits stopBits;
    switch (settings.StopBits) {
    case TStopBits::One:
        stopBits = QSerialPort::OneStop;
        break;
    case TStopBits::Two:
        stopBits = QSerialPort::TwoStop;
        break;
    default:
        return false;
    }

    QSerialPort::Parity parity;
    switch (settings.Parity) {
    case TParity::None:
        parity = QSerialPort::NoParity;
        break;
    case TParity::Odd:
        parity = QSerialPort::OddParity;
        break;
    case TParity::Even:
        parity = QSerialPort::EvenParity;
        break;
    case TParity::Mark:
        parity = QSerialPort::MarkParity;
        break;
    case TParity::Space:
        parity = QSerialPort::SpaceParity;
        break;
    default:
        throw TInternalError::Switch(Unit, CheckParity);
    }

    if (!applied(Handle->setDataBits(dataBits)) || !applied(Handle->setStopBits(stopBits)) ||
        !applied(Handle->setParity(parity)))
        return false;

    QSerialPort::FlowControl flow;
    switch (settings.FlowControl) {
    case TFlowControl::None:
        flow = QSerialPort::NoFlowControl;
        break;
    case TFlowControl::RtsCts:
        flow = QSerialPort::HardwareControl;
        break;
    case TFlowControl::XonXoff:
        flow = QSerialPort::SoftwareControl;
        break;
    default:
        throw TInternalError::Switch(Unit, CheckFlowControl);
    }
    if (!Handle->setFlowControl(flow)) return false;

    Settings = settings;
    const int64_t bits = 1 + settings.DataBits + (settings.Parity != TParity::None ? 1 : 0) +
                         (settings.StopBits == TStopBits::Two ? 2 : 1);
    ByteNs = settings.BaudRate > 0 ? bits * 1000000000 / settings.BaudRate : 0;
    SetWriteTimeouts();
    SetImmediateRead();
    return true;
}

void TUsbUart::SetWriteTimeouts() {
    if (!IsOpen()) throw TInternalError::OnFile(Unit, CheckWriteTimeouts);
    const TWriteTimeouts write = WriteTimeouts(Settings);
    Timeouts.WriteMultiplier = write.Multiplier;
    Timeouts.WriteConstant = write.Constant;
}
