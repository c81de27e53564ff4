#pragma once

#include <QString>
#include <array>
#include <cstdint>

// What triggers a sample (SamplerMode).
enum TSamplerMode : uint8_t {
    SamplerExternalControl = 0,
    SamplerPeriodical = 1,
    SamplerFlowPulses = 2,
    SamplerFlowRate = 3,
};

// When the sampler starts its program (ProgramMode).
enum TProgramMode : uint8_t {
    ProgramImmediately = 0,
    ProgramAfterDelay = 1,
    ProgramAtTime = 2,
    ProgramByScheduler = 3,
};

// Which input signals an event (EventMode).
enum TEventMode : uint8_t {
    EventDisabled = 0,
    EventDigital = 1,
    EventAnalog = 2,
    EventLevel = 3,
    EventTemperature = 4,
};

// What an event does (EventRun).
enum TEventRun : uint8_t {
    RunOnEvent = 0,   // samples while the event lasts
    StartByEvent = 1, // starts the program
};

// Whether the logger records at its own period (LoggerMode).
enum TLoggerMode : uint8_t {
    LoggerOff = 0,
    LoggerOn = 1,
};

// How bottles are changed in the flow modes (BottleChangeBy).
enum TBottleChange : uint8_t {
    ChangeBySamplesCount = 0,
    ChangeByTimeInterval = 1,
};

// Engineering scale of an analog input: Min at raw 0, Max at raw 1000.
struct TAnalogScale {
    double Min = 0.0;
    double Max = 100.0;
    QString Units = QStringLiteral("%"); // at most 7 characters reach the image
    bool operator==(const TAnalogScale&) const = default;
};

// One weekday of the program scheduler.
// The unit temperatures are shown and typed in (TemperatureUnits).
enum TTemperatureUnits : uint8_t {
    UnitsCelsius = 0,
    UnitsFahrenheit = 1,
};

// The Capacity of a distributor the sampler finds out for itself ("Auto").
inline constexpr int AutoCapacity = 0;

// Bits of the weeks "1st" to "4th" and "Last"; bits 4, 6 and 7 have no meaning.
inline constexpr int WeekMask = 0x2F;

struct TScheduleEntry {
    uint16_t StartAt = 0; // minutes after midnight
    uint8_t Weeks = 0;    // bit 0..3 first..fourth week, bit 5 last week
    bool operator==(const TScheduleEntry&) const = default;
};

// The sampler program: the typed fields of image bytes 518..612 and 1999..2047.
// Values are stored as given (a Connector may hold any byte); the editors enforce the ranges.
struct TProgramBlock {
    // A new document samples periodically, whatever the image's own default says.
    static constexpr uint8_t NewDocumentSamplerMode = SamplerPeriodical;

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
