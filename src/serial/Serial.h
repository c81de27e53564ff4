#pragma once

#include <QString>
#include <cstdint>

// An abstract byte stream to one device, opened by its library index.
class TSerial {
public:
    virtual ~TSerial() = default;

    virtual bool Open(int index) = 0;
    // A closed port stays closed, without error.
    virtual void Close() = 0;
    // Bytes written; fewer than count when the write time-out expired.
    virtual int32_t Write(const uint8_t* data, int32_t count) = 0;
    // Bytes read; fewer than count when the read time-out expired.
    virtual int32_t Read(uint8_t* buffer, int32_t count) = 0;
    // Empties both queues.
    virtual void Purge() = 0;
    virtual QString GetDescription() = 0;
    virtual bool IsOpen() = 0;

    int32_t DeviceIndex = -1; // -1 while closed
};
