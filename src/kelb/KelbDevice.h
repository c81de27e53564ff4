#pragma once

#include "ConnectorTime.h"
#include "KelbAdapter.h"

#include <cstdint>
#include <functional>

// The Connector command set on top of the adapter link.
class TKelbDevice : public TKelbAdapter {
public:
    explicit TKelbDevice(std::shared_ptr<TPortProvider> provider = {});

    std::function<void(int percent)> OnProgress;
    uint16_t AdapterVersion = 0;
    bool SmallMemory = true;
    int32_t BlockSize = 8;
    int32_t MemorySize = 256;

    bool ReadAdapterVersion();
    bool QueryConnector(bool& present);
    bool QueryMemoryKind(bool& large);
    bool DetectConnector(bool& present);
    bool ReadClock(TConnectorTime& time);
    bool SetClock(const TConnectorTime& time);
    bool ReadBlock(int address, uint8_t* buffer, int count);
    bool WriteBlock(int address, const uint8_t* data, int count);
    bool ReadMemory(int address, uint8_t* buffer, int length);
    bool WriteMemory(int address, const uint8_t* data, int length);

private:
    // A one-byte question whose answer is yes when the adapter acknowledges.
    bool AskYesNo(uint8_t command, bool& yes);
};
