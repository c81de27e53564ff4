#pragma once

#include "Uart.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>

class QSerialPort;

// The serial port of a USB-to-serial bridge, driven through QSerialPort.
//
// Devices are found by their USB product description and opened by their index in the
// system's port listing. When LIMNASET_PORT names a device (a tty, a by-id link or a
// pseudo-terminal), that device alone is used, under the index NamedPortIndex.
class TUsbUart : public TUart {
public:
    static constexpr int32_t NamedPortIndex = 0x7FFFFFFF;
    static constexpr const char* PortVariable = "LIMNASET_PORT";

    // Read and write time-outs, in milliseconds, kept the way the bridge driver keeps them.
    struct TTimeouts {
        uint32_t ReadInterval = 0xFFFFFFFF;
        uint32_t ReadMultiplier = 0;
        uint32_t ReadConstant = 0;
        uint32_t WriteMultiplier = 2;
        uint32_t WriteConstant = 100;
        bool operator==(const TTimeouts&) const = default;
    };

    TUsbUart();
    ~TUsbUart() override;
    TUsbUart(const TUsbUart&) = delete;
    TUsbUart& operator=(const TUsbUart&) = delete;

    // Exactly one device with this description: true and its index.
    static bool FindDevice(const QString& description, int& index);
    // The search over a listing of device descriptions: a whole, case-sensitive match,
    // and only when exactly one device matches.
    static bool PickDevice(const QStringList& descriptions, const QString& description, int& index);

    bool Open(int index) override;
    void Close() override;
    int32_t Write(const uint8_t* data, int32_t count) override;
    int32_t Read(uint8_t* buffer, int32_t count) override;
    void Purge() override;
    // The description of the device this port opened: its USB product, or the named path.
    QString DeviceDescription() const { return Description; }
    bool IsOpen() override { return DeviceIndex != -1; }

    bool SetImmediateRead() override;
    void SetTimeouts(int32_t total, int32_t perByte) override;
    bool SetSettings(const TUartSettings& settings) override;

    TTimeouts GetTimeouts() const { return Timeouts; }
    bool IsImmediateRead() const { return ImmediateRead; }

    uint8_t LatencyTimer = 16;
    // How long the line must stay silent after a purge pass to count as empty. The bridge
    // driver looks at once; a longer look catches a device whose bytes trickle in.
    int PurgeQuietMs = 0;

private:
    void SetWriteTimeouts();
    // Bytes waiting in the receive queue; false when the device fails.
    bool QueueStatus(int64_t& waiting, int graceMs);
    // Up to count bytes, waiting at most ms for all of them; -1 when the device fails.
    int32_t ReadWithin(uint8_t* buffer, int32_t count, int64_t ms);

    std::unique_ptr<QSerialPort> Handle; // null while closed
    bool ImmediateRead = true;
    bool PseudoTerminal = false;
    QString Description;
    QString DeviceSerialNumber;
    TTimeouts Timeouts;
    // Wire time of one byte on the line as set; 0 while the settings are not known to hold.
    int64_t ByteNs = 0;
};
