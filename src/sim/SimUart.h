#pragma once

#include "Uart.h"

#include <QString>
#include <memory>

class TConnectorModel;

// A port to the simulated adapter. Writes go straight into the model and reads return what
// it has queued: there is no line delay to wait for, so a missing reply comes back short
// at once. A port opened before the adapter was unplugged stays dead, like a stale handle.
class TSimUart : public TUart {
public:
    TSimUart(std::shared_ptr<TConnectorModel> model, const QString& description);
    ~TSimUart() override;

    bool Open(int index) override;
    void Close() override;
    int32_t Write(const uint8_t* data, int32_t count) override;
    int32_t Read(uint8_t* buffer, int32_t count) override;
    void Purge() override;
    bool IsOpen() override { return DeviceIndex != -1; }

    bool SetImmediateRead() override;
    void SetTimeouts(int32_t total, int32_t perByte) override;
    bool SetSettings(const TUartSettings& settings) override;

    bool ImmediateRead = true;
    int32_t TimeoutTotal = 0;
    int32_t TimeoutPerByte = 0;

private:
    bool Alive() const;
    void RequireOpen(int line) const;

    std::shared_ptr<TConnectorModel> Model;
    QString Description;
    int Generation = 0;
};
