#pragma once

#include <QString>
#include <array>
#include <cstdint>

// Engineering scale of an analog input: Min at raw 0, Max at raw 1000.
struct TAnalogScale {
    double Min = 0.0;
    double Max = 100.0;
    QString Units = QStringLiteral("%"); // at most 7 characters reach the image
    bool operator==(const TAnalogScale&) const = default;
};

// One weekday of the program scheduler.
struct TScheduleEntry {
    uint16_t StartAt = 0; // minutes after midnight
    uint8_t Weeks = 0;    // bit 0..3 first..fourth week, bit 5 last week
    bool operator==(const TScheduleEntry&) const = default;
};

// The sampler program: the typed fields of image bytes 518..612 and 1999..2047.
// Values are stored as given; the editors enforce the ranges.
struct TProgramBlock {
    uint8_t PrePurge = 0;
    uint8_t PostPurge = 0;
    uint8_t PurgesCount = 0;
    uint8_t MaxSuctionTime = 0;
    uint8_t Aeration = 0;
    std::array<uint8_t, 3> Reserved523{};
    uint16_t PumpPulses = 0;
    uint8_t Analog1Range = 0;
    uint8_t Analog2Range = 0;
    std::array<uint8_t, 4> Reserved530{};
    uint8_t LoggerMode = 0;
    uint8_t DoorStatusRecord = 0;
    uint32_t LoggerPeriod = 0;
    std::array<uint8_t, 2> Reserved540{};
    std::array<TScheduleEntry, 7> Schedule{}; // Monday first
    uint8_t EventMode = 0;
    uint8_t EventInversion = 0;
    int16_t EventLowLimit = 0;
    int16_t EventHighLimit = 0;
    uint16_t EventDelay = 0;
    uint8_t EventRun = 0;
    uint8_t EventChangeBottle = 0;
    uint8_t PreSampling = 0;
    uint8_t PreSamplingDisableVar = 0;
    uint32_t PreSamplingInterval = 0;
    uint16_t PreSamplingSamples = 0;
    uint8_t EnableVar = 0;
    uint16_t VarMaximum = 0;
    uint8_t SamplerMode = 0;
    uint8_t SamplesRate = 0;
    uint16_t FlowMaximum = 0;
    uint32_t MaximumInterval = 0;
    uint16_t PulsesPerSample = 0;
    uint32_t SamplingPeriod = 0;
    uint8_t ProgramMode = 0;
    uint32_t ProgramStartValue = 0;
    uint8_t BottleChangeBy = 0;
    uint8_t Capacity = 0;
    uint8_t BottlesLimit = 0;
    uint8_t BottlesPerGroup = 0;
    uint16_t SamplesPerBottle = 0;
    uint32_t ChangeInterval = 0;
    TAnalogScale Analog1;
    TAnalogScale Analog2;
    uint8_t TemperatureUnits = 0;

    bool operator==(const TProgramBlock&) const = default;
};
