#pragma once

#include "UartSettings.h"

#include <algorithm>
#include <cstdint>

// Check points of a port, reported as "Error on file <port> line N"; every port uses the
// same numbers.
enum TUartCheck : int {
    CheckOpenIndex = 119,
    CheckWrite = 166,
    CheckRead = 183,
    CheckPurge = 230,
    CheckPurgeFlood = 247,
    CheckImmediateRead = 258,
    CheckTimeouts = 274,
    CheckNoTimeouts = 277,
    CheckSettings = 300,
    CheckParity = 347,
    CheckFlowControl = 368,
    CheckWriteTimeouts = 577,
};

// The port to the adapter, as the link uses it: open by the provider's index, line settings,
// read time-outs, write, read and purge. The USB bridge and the simulated adapter implement it.
class TUart {
public:
    // Write time-outs: a write of n bytes gives up after Constant + Multiplier * n ms.
    struct TWriteTimeouts {
        uint32_t Constant = 100;
        uint32_t Multiplier = 2;
    };

    virtual ~TUart() = default;

    virtual bool Open(int index) = 0;
    // A closed port stays closed, without error.
    virtual void Close() = 0;
    virtual bool IsOpen() = 0;
    // Bytes written; fewer than count when the write time-out expired.
    virtual int32_t Write(const uint8_t* data, int32_t count) = 0;
    // Bytes read; fewer than count when the read time-out expired.
    virtual int32_t Read(uint8_t* buffer, int32_t count) = 0;
    // Empties both queues.
    virtual void Purge() = 0;
    // Every read returns at once with what is queued.
    virtual bool SetImmediateRead() = 0;
    // Timed reads: a read of n bytes gives up after total + perByte * n ms.
    virtual void SetTimeouts(int32_t total, int32_t perByte) = 0;
    virtual bool SetSettings(const TUartSettings& settings) = 0;
    // The settings the last successful SetSettings put in effect.
    const TUartSettings& CurrentSettings() const { return Settings; }

    // The read total SetTimeouts keeps: one no larger than the per-byte time stands for
    // twenty bytes.
    static int32_t ReadTotal(int32_t total, int32_t perByte) {
        return total <= perByte ? perByte * 20 : total;
    }
    // 100 ms plus two character times per byte, in whole milliseconds.
    static TWriteTimeouts WriteTimeouts(const TUartSettings& settings) {
        int64_t charUs = 1;
        if (settings.BaudRate > 0 && settings.DataBits > 0)
            charUs = int64_t(1000000 / settings.BaudRate) * settings.DataBits + 3;
        const int64_t charMs = std::max<int64_t>(1, std::max<int64_t>(1, charUs) / 1000);
        return {100, uint32_t(2 * charMs)};
    }

    int32_t DeviceIndex = -1; // -1 while closed

protected:
    TUartSettings Settings;
};
