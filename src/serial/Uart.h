#pragma once

#include "Serial.h"
#include "UartSettings.h"

#include <algorithm>

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
    CheckDtr = 513,
    CheckRts = 534,
    CheckBreak = 555,
    CheckWriteTimeouts = 577,
};

// An abstract UART: line settings, read time-outs, modem status and control lines. The link
// needs only the settings and the time-outs; the rest has plain defaults.
class TUart : public virtual TSerial {
public:
    // Write time-outs: a write of n bytes gives up after Constant + Multiplier * n ms.
    struct TWriteTimeouts {
        uint32_t Constant = 100;
        uint32_t Multiplier = 2;
    };

    // Every read returns at once with what is queued.
    virtual bool SetImmediateRead() = 0;
    // Timed reads: a read of n bytes gives up after total + perByte * n ms.
    virtual void SetTimeouts(int32_t total, int32_t perByte) = 0;
    virtual bool SetSettings(const TUartSettings& settings) = 0;
    virtual void GetSettings(TUartSettings& settings) { settings = Settings; }
    QString GetDescription() override { return QString(); }

    virtual bool GetCts() { return false; }
    virtual bool GetDsr() { return false; }
    virtual bool GetRing() { return false; }
    virtual bool GetRlsd() { return false; }
    virtual void SetDtr(bool on) { Dtr = on; }
    virtual void SetRts(bool on) { Rts = on; }
    virtual void SetBreak(bool on) { Break = on; }

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

protected:
    bool Dtr = false;
    bool Rts = false;
    bool Break = false;
    TUartSettings Settings;
};
