#pragma once

#include "ConnectorImage.h"

#include <QString>
#include <cstdint>

// Status codes of the event-log records; a code outside these reads as "?".
enum TLogCode : uint8_t {
    LogSample = 1,
    LogManual,
    LogRemote,
    LogMissing,
    LogBottle1,
    LogBottleNext,
    LogCalibration,
    LogLogger,
    LogEvent,
    LogNoEvent,
    LogClear,
    LogInsert,
    LogStart,
    LogExpiration,
    LogStop,
    LogExhaust,
    LogTimeout,
    LogDisabled,
    LogNoBottle,
    LogNoCalibration,
    LogBottlesCount,
    LogPower,
    LogOpen,
    LogClosed,
    // Written by the program over records it had to repair.
    LogCorrupted,
    LogMarker,
    LogMarkerX,
};

// One 16-byte event-log record of the Connector image, decoded.
struct TLogRecord {
    static constexpr int Size = connector::LogRecordSize;
    static constexpr uint32_t NeverWritten = 0xFFFFFFFF;
    static constexpr uint32_t WriteMarker = 0xFFFFFFFE;
    // What a record holds in a field it has no value for.
    static constexpr uint8_t NoNumber = 255;
    static constexpr uint16_t NoAnalog = 0xFFFF;
    static constexpr int16_t NoTemperature = 0x7FFF;

    uint32_t Time = NeverWritten; // ConnectorTimestamp; 0 = no time
    uint8_t Code = 0;             // status code
    uint8_t Bottle = NoNumber;
    uint8_t Sample = NoNumber;
    uint16_t Var = NoAnalog;                   // raw of Analog1
    uint16_t Aux = NoAnalog;                   // raw of Analog2
    int16_t SampleTemperature = NoTemperature; // tenths of °C
    int16_t BoxTemperature = NoTemperature;
    uint8_t Crc = 0;

    bool operator==(const TLogRecord&) const = default;

    static TLogRecord Decode(const uint8_t* bytes);
    // Writes the 16 bytes with a freshly computed CRC.
    void Encode(uint8_t* bytes) const;
    // The empty record (all "none") with the given code.
    static TLogRecord Empty(uint8_t code = 0);
    // The word of a status code; "?" for a code without one.
    static QString CodeWord(uint8_t code);
};

// CRC-8/MAXIM (Dallas 1-Wire), table driven.
uint8_t Crc8Maxim(const uint8_t* data, int count);
