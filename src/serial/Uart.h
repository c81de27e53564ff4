#pragma once

#include "Serial.h"
#include "UartSettings.h"

// An abstract UART: line settings, read time-outs, modem status and control lines.
class TUart : public virtual TSerial {
public:
    // Every read returns at once with what is queued.
    virtual bool SetImmediateRead() = 0;
    // Timed reads: a read of n bytes gives up after total + perByte * n ms.
    virtual void SetTimeouts(int32_t total, int32_t perByte) = 0;
    virtual bool SetSettings(const TUartSettings& settings) = 0;
    virtual void GetSettings(TUartSettings& settings) = 0;

    virtual bool GetCts() = 0;
    virtual bool GetDsr() = 0;
    virtual bool GetRing() = 0;
    virtual bool GetRlsd() = 0;
    virtual void SetDtr(bool on) = 0;
    virtual void SetRts(bool on) = 0;
    virtual void SetBreak(bool on) = 0;

protected:
    bool Dtr = false;
    bool Rts = false;
    bool Break = false;
    TUartSettings Settings;
};
