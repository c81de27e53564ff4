#include "ProgramModel.h"

#include "AnsiText.h"
#include "ConnectorCalendar.h"
#include "ImageLayout.h"
#include "InternalError.h"
#include "R7200.h"
#include "TextFormats.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QStringList>

#include <array>
#include <cfloat>
#include <cmath>
#include <limits>

namespace {

using F = TField;
using G = TFieldForm;
using P = TFieldPlace;

constexpr double AnyNumber = DBL_MAX;
// The Connector keeps the year as two digits: a start must fall within 2000..2099.
const double FirstStart = [] {
    TDateTime t = 0;
    TryEncodeDateTime(2000, 1, 1, 0, 0, 0, 0, t);
    return t;
}();
const double LastStart = [] {
    TDateTime t = 0;
    TryEncodeDateTime(2099, 12, 31, 23, 59, 59, 999, t);
    return t;
}();
constexpr double StartLead = 10.0 / (24 * 60); // a start lies more than 10 minutes ahead

constexpr unsigned Bit(int value) {
    return 1u << value;
}

bool LimitWithinCapacity(const TR7200& r, double v) {
    return v <= r.Capacity;
}

// "Auto" fills one bottle at a time; a group never exceeds the distributor or the limit.
bool GroupFits(const TR7200& r, double v) {
    if (r.Capacity == AutoCapacity) return v == 1;
    return v <= r.Capacity && (r.BottlesLimit == NoBottlesLimit || v <= r.BottlesLimit);
}

bool AboveLowLimit(const TR7200& r, double v) {
    return r.EventLowLimit < v;
}

bool StartAhead(const TR7200&, double v) {
    return v > TClock::Now() + StartLead;
}

bool OnlyWeekBits(const TR7200&, double v) {
    return (int(v) & ~WeekMask) == 0;
}

// Captions as the editors' forms spell them, so that their translations serve here too.
constexpr TFieldItem Boxes[] = {{0, QT_TRANSLATE_NOOP("TMsgTemplate", "No")},
                                {1, QT_TRANSLATE_NOOP("TMsgTemplate", "Yes")}};
constexpr TFieldItem SamplerModes[] = {
    {SamplerExternalControl, QT_TRANSLATE_NOOP("TStatusPage", "EXTERNAL CONTROL")},
    {SamplerPeriodical, QT_TRANSLATE_NOOP("TStatusPage", "PERIODICAL SAMPLING")},
    {SamplerFlowPulses, QT_TRANSLATE_NOOP("TStatusPage", "SAMPLING BY FLOW PULSES")},
    {SamplerFlowRate, QT_TRANSLATE_NOOP("TStatusPage", "SAMPLING BY FLOW RATE")}};
constexpr TFieldItem Capacities[] = {{AutoCapacity, QT_TRANSLATE_NOOP("TStatusPage", "Auto")},
                                     {1, "1"},
                                     {4, "4"},
                                     {8, "8"},
                                     {12, "12"},
                                     {24, "24"}};
constexpr TFieldItem ChangeBy[] = {
    {ChangeBySamplesCount, QT_TRANSLATE_NOOP("TStatusPage", "Samples Count")},
    {ChangeByTimeInterval, QT_TRANSLATE_NOOP("TStatusPage", "Time interval")}};
constexpr TFieldItem LoggerModes[] = {
    {0, QT_TRANSLATE_NOOP("TSamplerPage", "Disable logger")},
    {1, QT_TRANSLATE_NOOP("TSamplerPage", "Periodical sampling")}};
constexpr TFieldItem InputRanges[] = {{0, "0 - 20mA"}, {1, "4 - 20mA"}};
constexpr TFieldItem TemperatureUnits[] = {{UnitsCelsius, "°C"}, {UnitsFahrenheit, "F"}};
constexpr TFieldItem EventModes[] = {
    {EventDisabled, QT_TRANSLATE_NOOP("TEventDialog", "Disable event control")},
    {EventDigital, QT_TRANSLATE_NOOP("TEventDialog", "Digital input")},
    {EventAnalog, QT_TRANSLATE_NOOP("TEventDialog", "Analog input")},
    {EventLevel, QT_TRANSLATE_NOOP("TEventDialog", "Level input")},
    {EventTemperature, QT_TRANSLATE_NOOP("TEventDialog", "Temperature")}};
constexpr TFieldItem EventRuns[] = {
    {0, QT_TRANSLATE_NOOP("TEventDialog", "Run program on event")},
    {1, QT_TRANSLATE_NOOP("TEventDialog", "Start program by event")}};
constexpr TFieldItem ProgramModes[] = {
    {ProgramImmediately, QT_TRANSLATE_NOOP("TProgramDialog", "Start immediately")},
    {ProgramAfterDelay, QT_TRANSLATE_NOOP("TProgramDialog", "Start after delay")},
    {ProgramAtTime, QT_TRANSLATE_NOOP("TProgramDialog", "Start at time")},
    {ProgramByScheduler, QT_TRANSLATE_NOOP("TProgramDialog", "Start by scheduler")}};
constexpr const char* DayCaptions[Weekdays] = {QT_TRANSLATE_NOOP("TProgramDialog", "Monday :"),
                                               QT_TRANSLATE_NOOP("TProgramDialog", "Tuesday :"),
                                               QT_TRANSLATE_NOOP("TProgramDialog", "Wednesday :"),
                                               QT_TRANSLATE_NOOP("TProgramDialog", "Thursday :"),
                                               QT_TRANSLATE_NOOP("TProgramDialog", "Friday :"),
                                               QT_TRANSLATE_NOOP("TProgramDialog", "Saturday :"),
                                               QT_TRANSLATE_NOOP("TProgramDialog", "Sunday :")};
// The names of the week boxes in display texts, in the order of their bits.
constexpr std::pair<int, const char*> WeekNames[] = {
    {0, "1"}, {1, "2"}, {2, "3"}, {3, "4"}, {5, "Last"}};

constexpr TFieldCondition VarModes{F::SamplerMode,
                                   Bit(SamplerExternalControl) | Bit(SamplerPeriodical)};
constexpr TFieldCondition Periodical{F::SamplerMode, Bit(SamplerPeriodical)};
constexpr TFieldCondition FlowPulses{F::SamplerMode, Bit(SamplerFlowPulses)};
constexpr TFieldCondition FlowRate{F::SamplerMode, Bit(SamplerFlowRate)};
constexpr TFieldCondition FlowModes{F::SamplerMode, Bit(SamplerFlowPulses) | Bit(SamplerFlowRate)};
constexpr TFieldCondition ByTime{F::BottleChangeBy, Bit(ChangeByTimeInterval)};
constexpr TFieldCondition PreSamplingOn{F::PreSampling, Bit(1)};
constexpr TFieldCondition AnalogEvent{F::EventMode, Bit(EventAnalog)};
constexpr TFieldCondition TemperatureEvent{F::EventMode, Bit(EventTemperature)};
constexpr TFieldCondition AfterDelay{F::ProgramMode, Bit(ProgramAfterDelay)};
constexpr TFieldCondition AtTime{F::ProgramMode, Bit(ProgramAtTime)};
constexpr TFieldCondition Scheduled{F::ProgramMode, Bit(ProgramByScheduler)};

constexpr const char* S = "TSamplerPage";
constexpr const char* T = "TStatusPage";
constexpr const char* C = "TConnectorDialog";
constexpr const char* R = "TProgramDialog";
constexpr const char* E = "TEventDialog";

// clang-format off
const TFieldRule Rules[] = {
    // Sampler page, analog inputs: stored first, the Status page's maxima read on their scale.
    {.Id = F::Analog1Range, .Name = "Analog1Range", .Member = "Analog1Range", .Form = G::Choice, .Min = 0, .Max = 1, .Items = InputRanges, .Context = S, .Caption = QT_TRANSLATE_NOOP("TSamplerPage", "Range :"), .Place = P::SamplerPage},
    {.Id = F::Analog1Min, .Name = "Analog1.Min", .Member = "Analog1.Min", .Form = G::ScaleBound, .Min = -AnyNumber, .Max = AnyNumber, .Scale = 1, .FixedHint = "", .Context = S, .Caption = QT_TRANSLATE_NOOP("TSamplerPage", "Minimum :"), .Place = P::SamplerPage},
    {.Id = F::Analog1Max, .Name = "Analog1.Max", .Member = "Analog1.Max", .Form = G::ScaleBound, .Min = -AnyNumber, .Max = AnyNumber, .Scale = 1, .FixedHint = "", .Context = S, .Caption = QT_TRANSLATE_NOOP("TSamplerPage", "Maximum :"), .Place = P::SamplerPage},
    {.Id = F::Analog1Units, .Name = "Analog1.Units", .Member = "Analog1.Units", .Form = G::Text, .Min = 0, .Max = TImageLayout::UnitsSize - 1, .FixedHint = "", .Context = S, .Caption = QT_TRANSLATE_NOOP("TSamplerPage", "Units :"), .Place = P::SamplerPage},
    {.Id = F::Analog2Range, .Name = "Analog2Range", .Member = "Analog2Range", .Form = G::Choice, .Min = 0, .Max = 1, .Items = InputRanges, .Context = S, .Caption = QT_TRANSLATE_NOOP("TSamplerPage", "Range :"), .Place = P::SamplerPage},
    {.Id = F::Analog2Min, .Name = "Analog2.Min", .Member = "Analog2.Min", .Form = G::ScaleBound, .Min = -AnyNumber, .Max = AnyNumber, .Scale = 2, .FixedHint = "", .Context = S, .Caption = QT_TRANSLATE_NOOP("TSamplerPage", "Minimum :"), .Place = P::SamplerPage},
    {.Id = F::Analog2Max, .Name = "Analog2.Max", .Member = "Analog2.Max", .Form = G::ScaleBound, .Min = -AnyNumber, .Max = AnyNumber, .Scale = 2, .FixedHint = "", .Context = S, .Caption = QT_TRANSLATE_NOOP("TSamplerPage", "Maximum :"), .Place = P::SamplerPage},
    {.Id = F::Analog2Units, .Name = "Analog2.Units", .Member = "Analog2.Units", .Form = G::Text, .Min = 0, .Max = TImageLayout::UnitsSize - 1, .FixedHint = "", .Context = S, .Caption = QT_TRANSLATE_NOOP("TSamplerPage", "Units :"), .Place = P::SamplerPage},
    {.Id = F::TemperatureUnits, .Name = "TemperatureUnits", .Member = "TemperatureUnits", .Form = G::Choice, .Min = 0, .Max = 1, .Items = TemperatureUnits, .Context = S, .Caption = QT_TRANSLATE_NOOP("TSamplerPage", "Units :"), .Place = P::SamplerPage},
    // Status page. The bottles settings count in every mode, even where their panel is
    // hidden; a mode's own settings only in that mode.
    {.Id = F::SamplerMode, .Name = "SamplerMode", .Member = "SamplerMode", .Form = G::Choice, .Min = 0, .Max = 3, .Items = SamplerModes, .Context = T, .Caption = QT_TRANSLATE_NOOP("TStatusPage", "Sampler Mode :"), .Place = P::StatusPage},
    {.Id = F::Capacity, .Name = "Capacity", .Member = "Capacity", .Form = G::Choice, .Min = 0, .Max = 24, .Items = Capacities, .Context = T, .Caption = QT_TRANSLATE_NOOP("TStatusPage", "Distributor Capacity :"), .Place = P::StatusPage},
    {.Id = F::BottlesLimit, .Name = "BottlesLimit", .Member = "BottlesLimit", .Form = G::Integer, .Min = 1, .Max = 24, .Unset = NoBottlesLimit, .Agrees = LimitWithinCapacity, .FixedHint = "1..max", .Context = T, .Caption = QT_TRANSLATE_NOOP("TStatusPage", "Bottles Limit :"), .Place = P::StatusPage},
    {.Id = F::BottlesPerGroup, .Name = "BottlesPerGroup", .Member = "BottlesPerGroup", .Form = G::Integer, .Min = 1, .Max = 24, .Agrees = GroupFits, .FixedHint = "", .Context = T, .Caption = QT_TRANSLATE_NOOP("TStatusPage", "Bottles per group :"), .Place = P::StatusPage},
    {.Id = F::SamplesPerBottle, .Name = "SamplesPerBottle", .Member = "SamplesPerBottle", .Form = G::Integer, .Min = 1, .Max = 240, .Context = T, .Caption = QT_TRANSLATE_NOOP("TStatusPage", "Samples per bottle :"), .Place = P::StatusPage},
    {.Id = F::EnableVar, .Name = "EnableVar", .Member = "EnableVar", .Form = G::Choice, .Min = 0, .Max = 1, .When = VarModes, .Items = Boxes, .Context = T, .Caption = QT_TRANSLATE_NOOP("TStatusPage", "Enable VAR"), .Place = P::StatusPage},
    {.Id = F::VarMaximum, .Name = "VarMaximum", .Member = "VarMaximum", .Form = G::Analog, .Min = 0, .Max = 1000, .Scale = 1, .When = VarModes, .Context = T, .Caption = QT_TRANSLATE_NOOP("TStatusPage", "VAR Maximum :"), .Place = P::StatusPage},
    {.Id = F::SamplingPeriod, .Name = "SamplingPeriod", .Member = "SamplingPeriod", .Form = G::HhMm, .Min = 120, .Max = 359940, .When = Periodical, .Unit = "[hh:mm]", .Context = T, .Caption = QT_TRANSLATE_NOOP("TStatusPage", "Sampling period :"), .Place = P::StatusPage},
    {.Id = F::PulsesPerSample, .Name = "PulsesPerSample", .Member = "PulsesPerSample", .Form = G::Integer, .Min = 1, .Max = 57600, .When = FlowPulses, .Context = T, .Caption = QT_TRANSLATE_NOOP("TStatusPage", "Pulses per sample :"), .Place = P::StatusPage},
    {.Id = F::MaximumInterval, .Name = "MaximumInterval", .Member = "MaximumInterval", .Form = G::HhMm, .Min = 120, .Max = 2160000, .When = FlowModes, .Unset = NoMaximumInterval, .Unit = "[hh:mm]", .Context = T, .Caption = QT_TRANSLATE_NOOP("TStatusPage", "Maximum interval :"), .Place = P::StatusPage},
    {.Id = F::FlowMaximum, .Name = "FlowMaximum", .Member = "FlowMaximum", .Form = G::Analog, .Min = 0, .Max = 1000, .Scale = 1, .When = FlowRate, .Context = T, .Caption = QT_TRANSLATE_NOOP("TStatusPage", "Flow maximum :"), .Place = P::StatusPage},
    {.Id = F::SamplesRate, .Name = "SamplesRate", .Member = "SamplesRate", .Form = G::Integer, .Min = 1, .Max = 60, .When = FlowRate, .Unit = "Samples / h", .Context = T, .Caption = QT_TRANSLATE_NOOP("TStatusPage", "Samples Rate :"), .Place = P::StatusPage},
    {.Id = F::BottleChangeBy, .Name = "BottleChangeBy", .Member = "BottleChangeBy", .Form = G::Choice, .Min = 0, .Max = 1, .When = FlowModes, .Items = ChangeBy, .Context = T, .Caption = QT_TRANSLATE_NOOP("TStatusPage", "Bottle change"), .Place = P::StatusPage},
    {.Id = F::ChangeInterval, .Name = "ChangeInterval", .Member = "ChangeInterval", .Form = G::HhMm, .Min = 120, .Max = 2160000, .When = FlowModes, .Active = ByTime, .Otherwise = 3600, .Unit = "[hh:mm]", .Context = T, .Caption = QT_TRANSLATE_NOOP("TStatusPage", "Change Interval :"), .Place = P::StatusPage},
    // Sampler page, the rest. The logger period counts also while the logger is off.
    {.Id = F::PrePurge, .Name = "PrePurge", .Member = "PrePurge", .Form = G::Integer, .Min = 1, .Max = 240, .Unit = "[s]", .Context = S, .Caption = QT_TRANSLATE_NOOP("TSamplerPage", "Purging Before Sampling :"), .Place = P::SamplerPage},
    {.Id = F::PostPurge, .Name = "PostPurge", .Member = "PostPurge", .Form = G::Integer, .Min = 1, .Max = 240, .Unit = "[s]", .Context = S, .Caption = QT_TRANSLATE_NOOP("TSamplerPage", "Purging After Sampling :"), .Place = P::SamplerPage},
    {.Id = F::PurgesCount, .Name = "PurgesCount", .Member = "PurgesCount", .Form = G::Integer, .Min = 0, .Max = 5, .Context = S, .Caption = QT_TRANSLATE_NOOP("TSamplerPage", "Purges Count :"), .Place = P::SamplerPage},
    {.Id = F::MaxSuctionTime, .Name = "MaxSuctionTime", .Member = "MaxSuctionTime", .Form = G::Integer, .Min = 30, .Max = 240, .Unit = "[s]", .Context = S, .Caption = QT_TRANSLATE_NOOP("TSamplerPage", "Max Suction Time :"), .Place = P::SamplerPage},
    {.Id = F::Aeration, .Name = "Aeration", .Member = "Aeration", .Form = G::Integer, .Min = 0, .Max = 240, .Unit = "[s]", .Context = S, .Caption = QT_TRANSLATE_NOOP("TSamplerPage", "Aeration :"), .Place = P::SamplerPage},
    {.Id = F::LoggerMode, .Name = "LoggerMode", .Member = "LoggerMode", .Form = G::Choice, .Min = 0, .Max = 1, .Items = LoggerModes, .Context = S, .Caption = QT_TRANSLATE_NOOP("TSamplerPage", "Logger"), .Place = P::SamplerPage},
    {.Id = F::DoorStatusRecord, .Name = "DoorStatusRecord", .Member = "DoorStatusRecord", .Form = G::Choice, .Min = 0, .Max = 1, .Items = Boxes, .Context = S, .Caption = QT_TRANSLATE_NOOP("TSamplerPage", "Door Status Record"), .Place = P::SamplerPage},
    {.Id = F::LoggerPeriod, .Name = "LoggerPeriod", .Member = "LoggerPeriod", .Form = G::HhMm, .Min = 60, .Max = 57600, .Unit = "[hh:mm]", .Context = S, .Caption = QT_TRANSLATE_NOOP("TSamplerPage", "Logger period :"), .Place = P::SamplerPage},
    // Connector data.
    {.Id = F::ConnectorName, .Name = "ConnectorName", .Member = "ConnectorName", .Form = G::Text, .Min = 0, .Max = TImageLayout::NameSize - 1, .FixedHint = "", .Context = C, .Caption = QT_TRANSLATE_NOOP("TConnectorDialog", "Name :"), .Place = P::ConnectorDialog},
    {.Id = F::ConnectorComment, .Name = "ConnectorComment", .Member = "ConnectorComment", .Form = G::Text, .Min = 0, .Max = TImageLayout::CommentSize - 1, .FixedHint = "", .Context = C, .Caption = QT_TRANSLATE_NOOP("TConnectorDialog", "Comment :"), .Place = P::ConnectorDialog},
    // Program Start: only the chosen mode's own settings count.
    {.Id = F::ProgramMode, .Name = "ProgramMode", .Member = "ProgramMode", .Form = G::Choice, .Min = 0, .Max = 3, .Items = ProgramModes, .Context = R, .Caption = QT_TRANSLATE_NOOP("TProgramDialog", "Program Start"), .Place = P::ProgramStartDialog},
    {.Id = F::ProgramStartDelay, .Name = "ProgramStartDelay", .Member = "ProgramStartDelay", .Form = G::HhMm, .Min = 60, .Max = 2160000, .When = AfterDelay, .Unit = "[hh:mm]", .Context = R, .Caption = QT_TRANSLATE_NOOP("TProgramDialog", "Start Delay :"), .Place = P::ProgramStartDialog},
    {.Id = F::ProgramStartTime, .Name = "ProgramStartTime", .Member = "ProgramStartTime", .Form = G::DateTime, .Min = FirstStart, .Max = LastStart, .When = AtTime, .Agrees = StartAhead, .Context = R, .Caption = QT_TRANSLATE_NOOP("TProgramDialog", "Start at :"), .Place = P::ProgramStartDialog},
    {.Id = F::ScheduleStartAt, .Name = "Schedule[%1].StartAt", .Member = "Schedule[%1].StartAt", .Form = G::HhMm, .Min = 0, .Max = 86340, .When = Scheduled, .Unit = "[hh:mm]", .Context = R, .Caption = QT_TRANSLATE_NOOP("TProgramDialog", "Start At [hh:mm]"), .Indexed = DayCaptions, .Place = P::ProgramStartDialog},
    {.Id = F::ScheduleWeeks, .Name = "Schedule[%1].Weeks", .Member = "Schedule[%1].Weeks", .Form = G::WeekSet, .Min = 0, .Max = WeekMask, .When = Scheduled, .Agrees = OnlyWeekBits, .Context = R, .Caption = QT_TRANSLATE_NOOP("TProgramDialog", "Start by scheduler"), .Indexed = DayCaptions, .Place = P::ProgramStartDialog},
    // Event control. The delay and pre-sampling count in every mode, even with their panel
    // hidden; the limits only in their own mode, the high one judged against the low one.
    {.Id = F::EventMode, .Name = "EventMode", .Member = "EventMode", .Form = G::Choice, .Min = 0, .Max = 4, .Items = EventModes, .Context = E, .Caption = QT_TRANSLATE_NOOP("TEventDialog", "Event control"), .Place = P::EventDialog},
    {.Id = F::EventRun, .Name = "EventRun", .Member = "EventRun", .Form = G::Choice, .Min = 0, .Max = 1, .Items = EventRuns, .Context = E, .Caption = QT_TRANSLATE_NOOP("TEventDialog", "Start program by event"), .Place = P::EventDialog},
    {.Id = F::EventInversion, .Name = "EventInversion", .Member = "EventInversion", .Form = G::Choice, .Min = 0, .Max = 1, .Items = Boxes, .Context = E, .Caption = QT_TRANSLATE_NOOP("TEventDialog", "Event Inversion"), .Place = P::EventDialog},
    {.Id = F::EventChangeBottle, .Name = "EventChangeBottle", .Member = "EventChangeBottle", .Form = G::Choice, .Min = 0, .Max = 1, .Items = Boxes, .Context = E, .Caption = QT_TRANSLATE_NOOP("TEventDialog", "Change bottle at event termination"), .Place = P::EventDialog},
    {.Id = F::EventDelay, .Name = "EventDelay", .Member = "EventDelay", .Form = G::MmSs, .Min = 5, .Max = 57600, .Unit = "[mm:ss]", .Context = E, .Caption = QT_TRANSLATE_NOOP("TEventDialog", "Delay :"), .Place = P::EventDialog},
    {.Id = F::PreSampling, .Name = "PreSampling", .Member = "PreSampling", .Form = G::Choice, .Min = 0, .Max = 1, .Items = Boxes, .Context = E, .Caption = QT_TRANSLATE_NOOP("TEventDialog", "Enable pre-sampling"), .Place = P::EventDialog},
    {.Id = F::PreSamplingDisableVar, .Name = "PreSamplingDisableVar", .Member = "PreSamplingDisableVar", .Form = G::Choice, .Min = 0, .Max = 1, .When = PreSamplingOn, .Items = Boxes, .Context = E, .Caption = QT_TRANSLATE_NOOP("TEventDialog", "Disable VAR"), .Place = P::EventDialog},
    {.Id = F::PreSamplingInterval, .Name = "PreSamplingInterval", .Member = "PreSamplingInterval", .Form = G::MmSs, .Min = 1, .Max = 57600, .When = PreSamplingOn, .Unit = "[mm:ss]", .Context = E, .Caption = QT_TRANSLATE_NOOP("TEventDialog", "Interval :"), .Place = P::EventDialog},
    {.Id = F::PreSamplingSamples, .Name = "PreSamplingSamples", .Member = "PreSamplingSamples", .Form = G::Integer, .Min = 1, .Max = 10000, .When = PreSamplingOn, .Context = E, .Caption = QT_TRANSLATE_NOOP("TEventDialog", "Samples :"), .Place = P::EventDialog},
    {.Id = F::EventLowLimit, .Name = "EventLowLimit", .Member = "EventLowLimit", .Form = G::Analog, .Min = 0, .Max = 1000, .Scale = 2, .When = AnalogEvent, .Context = E, .Caption = QT_TRANSLATE_NOOP("TEventDialog", "Low Limit :"), .Place = P::EventDialog},
    {.Id = F::EventHighLimit, .Name = "EventHighLimit", .Member = "EventHighLimit", .Form = G::Analog, .Min = 0, .Max = 1000, .Scale = 2, .When = AnalogEvent, .Agrees = AboveLowLimit, .Context = E, .Caption = QT_TRANSLATE_NOOP("TEventDialog", "High Limit :"), .Place = P::EventDialog},
    {.Id = F::EventLowTemperature, .Name = "EventLowTemperature", .Member = "EventLowLimit", .Form = G::Temperature, .Min = -400, .Max = 850, .When = TemperatureEvent, .Context = E, .Caption = QT_TRANSLATE_NOOP("TEventDialog", "Low Temperature :"), .Place = P::EventDialog, .View = true},
    {.Id = F::EventHighTemperature, .Name = "EventHighTemperature", .Member = "EventHighLimit", .Form = G::Temperature, .Min = -400, .Max = 850, .When = TemperatureEvent, .Agrees = AboveLowLimit, .Context = E, .Caption = QT_TRANSLATE_NOOP("TEventDialog", "High Temperature :"), .Place = P::EventDialog, .View = true},
};
// clang-format on

// The record's own members beside the program block.
struct TRecordNumber {
    const char* Name;
    double (*Get)(const TR7200&);
    void (*Set)(TR7200&, double);
};
const TRecordNumber RecordNumbers[] = {
    {"ProgramStartTime", [](const TR7200& r) { return r.ProgramStartTime; },
     [](TR7200& r, double v) { r.ProgramStartTime = v; }},
    {"ProgramStartDelay", [](const TR7200& r) { return double(r.ProgramStartDelay); },
     [](TR7200& r, double v) { r.ProgramStartDelay = uint32_t(std::llround(v)); }},
};
struct TRecordText {
    const char* Name;
    QString& (*Ref)(TR7200&);
};
const TRecordText RecordTexts[] = {
    {"ConnectorName", [](TR7200& r) -> QString& { return r.ConnectorName; }},
    {"ConnectorComment", [](TR7200& r) -> QString& { return r.ConnectorComment; }},
};

// Where a row's value lives: one of the image layout's fields or a record member.
struct TMember {
    const TImageLayout::TField* Layout = nullptr;
    const TRecordNumber* Number = nullptr;
    const TRecordText* Text = nullptr;
};

QString IndexedName(const char* name, const TFieldRule& rule, int index) {
    const QString text = QString::fromLatin1(name);
    return rule.Indexed.empty() ? text : text.arg(index);
}

int RowOf(const TFieldRule& rule) {
    return int(&rule - Rules);
}

// Resolved once: each row's member for each of its indices.
const std::vector<std::array<TMember, Weekdays>>& Members() {
    static const std::vector<std::array<TMember, Weekdays>> members = [] {
        QHash<QString, const TImageLayout::TField*> layout;
        for (const TImageLayout::TField& f : TImageLayout::Fields())
            layout.insert(f.Name, &f);
        std::vector<std::array<TMember, Weekdays>> all(std::size(Rules));
        for (const TFieldRule& rule : Rules) {
            for (int i = 0; i < rule.Count(); ++i) {
                const QString name = IndexedName(rule.Member, rule, i);
                TMember& m = all[size_t(RowOf(rule))][size_t(i)];
                m.Layout = layout.value(name);
                for (const TRecordNumber& n : RecordNumbers)
                    if (name == QLatin1String(n.Name)) m.Number = &n;
                for (const TRecordText& t : RecordTexts)
                    if (name == QLatin1String(t.Name)) m.Text = &t;
                if (!m.Layout && !m.Number && !m.Text)
                    throw TInternalError::OnFile("ProgramModel", 1);
            }
        }
        return all;
    }();
    return members;
}

const TMember& MemberOf(const TFieldRule& rule, int index) {
    if (index < 0 || index >= rule.Count()) throw TInternalError::OnFile("ProgramModel", 2);
    return Members()[size_t(RowOf(rule))][size_t(index)];
}

// Minutes in the image, seconds in the model, as every other time of day.
double MemberFactor(const TFieldRule& rule) {
    return rule.Id == F::ScheduleStartAt ? 60.0 : 1.0;
}

const TAnalogScale& ScaleOf(const TFieldRule& rule, const TR7200& r) {
    return rule.Scale == 2 ? r.Analog2 : r.Analog1;
}

bool IsScaleMin(TField f) {
    return f == F::Analog1Min || f == F::Analog2Min;
}

QString WithCrLf(const QString& text) {
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return plain.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

bool ReadInteger(const QString& text, double& value) {
    bool ok = false;
    const qlonglong n = text.trimmed().toLongLong(&ok, 10);
    value = double(n);
    return ok;
}

QString Translated(const char* context, const char* text, bool source) {
    return source ? QString::fromUtf8(text) : QCoreApplication::translate(context, text);
}

const char* ItemContext(const TFieldRule& rule) {
    return rule.Items.data() == Boxes ? "TMsgTemplate" : rule.Context;
}

// Whether the member's type holds the value, so that a stored value reads back as itself.
bool MemberHolds(const TMember& m, double value) {
    if (!m.Layout) return true;
    return std::visit(
        [value](const auto& access) {
            using A = std::remove_cvref_t<decltype(access)>;
            if constexpr (std::is_same_v<A, TImageLayout::TBytesAccess>) {
                return false;
            } else {
                using V = std::remove_cvref_t<decltype(access.Get(std::declval<TProgramBlock&>()))>;
                if constexpr (std::is_integral_v<V>)
                    return value >= double(std::numeric_limits<V>::min()) &&
                           value <= double(std::numeric_limits<V>::max());
                else
                    return std::is_floating_point_v<V>;
            }
        },
        m.Layout->Access);
}

bool ConditionHolds(const TFieldCondition& c, const TR7200& record) {
    if (c.Field == F::None) return true;
    const double v = FieldValue(c.Field, record);
    return v >= 0 && v < 32 && (c.Values & Bit(int(v))) != 0;
}

QString WeekText(int weeks) {
    QStringList names;
    for (const auto& [bit, name] : WeekNames)
        if (weeks & (1 << bit)) names << QString::fromLatin1(name);
    return names.join(u',');
}

bool ReadWeeks(const QString& text, double& value) {
    int weeks = 0;
    for (const QString& part : text.split(u',', Qt::SkipEmptyParts)) {
        const QString name = part.trimmed();
        bool known = false;
        for (const auto& [bit, week] : WeekNames)
            if (name.compare(QLatin1String(week), Qt::CaseInsensitive) == 0) {
                weeks |= 1 << bit;
                known = true;
            }
        if (!known) return false;
    }
    value = weeks;
    return true;
}

// An item by its caption, in either language, or by its value.
bool ReadItem(const TFieldRule& rule, const QString& text, double& value) {
    const QString wanted = text.trimmed();
    for (const TFieldItem& item : rule.Items)
        for (const bool source : {true, false})
            if (wanted.compare(Translated(ItemContext(rule), item.Caption, source),
                               Qt::CaseInsensitive) == 0) {
                value = item.Value;
                return true;
            }
    return ReadInteger(text, value);
}

bool SharedWithCounting(const TFieldRule& rule, const TR7200& record) {
    for (const TFieldRule& other : Rules)
        if (&other != &rule && qstrcmp(other.Member, rule.Member) == 0 &&
            FieldCounts(other, record))
            return true;
    return false;
}

} // namespace

std::span<const TFieldRule> FieldRules() {
    return Rules;
}

const TFieldRule& FieldRule(TField field) {
    for (const TFieldRule& rule : Rules)
        if (rule.Id == field) return rule;
    throw TInternalError::OnFile("ProgramModel", 3);
}

const std::vector<TProgramField>& ProgramFields() {
    static const std::vector<TProgramField> fields = [] {
        std::vector<TProgramField> all;
        for (const TFieldRule& rule : Rules)
            for (int i = 0; i < rule.Count(); ++i)
                all.push_back({&rule, i, IndexedName(rule.Name, rule, i)});
        return all;
    }();
    return fields;
}

const TProgramField* FindProgramField(QStringView name) {
    for (const TProgramField& field : ProgramFields())
        if (field.Name == name) return &field;
    return nullptr;
}

double FieldValue(TField field, const TR7200& record, int index) {
    const TFieldRule& rule = FieldRule(field);
    const TMember& m = MemberOf(rule, index);
    if (m.Number) return m.Number->Get(record);
    if (!m.Layout) throw TInternalError::OnFile("ProgramModel", 4);
    return std::visit(
        [&](const auto& access) -> double {
            using A = std::remove_cvref_t<decltype(access)>;
            if constexpr (std::is_same_v<A, TImageLayout::TBytesAccess> ||
                          std::is_same_v<A, TImageLayout::TAccess<QString>>)
                throw TInternalError::OnFile("ProgramModel", 5);
            else
                return double(access.Get(record)) * MemberFactor(rule);
        },
        m.Layout->Access);
}

void SetFieldValue(TField field, TR7200& record, double value, int index) {
    const TFieldRule& rule = FieldRule(field);
    const TMember& m = MemberOf(rule, index);
    if (m.Number) return m.Number->Set(record, value);
    if (!m.Layout) throw TInternalError::OnFile("ProgramModel", 6);
    std::visit(
        [&](const auto& access) {
            using A = std::remove_cvref_t<decltype(access)>;
            if constexpr (std::is_same_v<A, TImageLayout::TBytesAccess> ||
                          std::is_same_v<A, TImageLayout::TAccess<QString>>) {
                throw TInternalError::OnFile("ProgramModel", 7);
            } else {
                auto& member = access.Ref(record);
                using V = std::remove_reference_t<decltype(member)>;
                if constexpr (std::is_floating_point_v<V>)
                    member = value;
                else if (MemberFactor(rule) != 1)
                    // Whole minutes: seconds of an h:m:s text are dropped.
                    member = V(int(value) / int(MemberFactor(rule)));
                else
                    member = V(std::llround(value));
            }
        },
        m.Layout->Access);
}

QString FieldString(TField field, const TR7200& record) {
    const TMember& m = MemberOf(FieldRule(field), 0);
    if (m.Text) return m.Text->Ref(const_cast<TR7200&>(record));
    if (m.Layout)
        if (const auto* text = std::get_if<TImageLayout::TAccess<QString>>(&m.Layout->Access))
            return text->Get(record);
    throw TInternalError::OnFile("ProgramModel", 8);
}

void SetFieldString(TField field, TR7200& record, const QString& text) {
    const TFieldRule& rule = FieldRule(field);
    const QString cut = (field == F::ConnectorComment ? WithCrLf(text) : text).left(int(rule.Max));
    const TMember& m = MemberOf(rule, 0);
    if (m.Text) {
        m.Text->Ref(record) = cut;
        return;
    }
    if (m.Layout)
        if (const auto* access = std::get_if<TImageLayout::TAccess<QString>>(&m.Layout->Access)) {
            access->Ref(record) = cut;
            return;
        }
    throw TInternalError::OnFile("ProgramModel", 9);
}

bool FieldCounts(const TFieldRule& rule, const TR7200& record) {
    return ConditionHolds(rule.When, record);
}

bool FieldActive(const TFieldRule& rule, const TR7200& record) {
    return ConditionHolds(rule.Active, record);
}

QString FieldText(TField field, const TR7200& record, int index) {
    const TFieldRule& rule = FieldRule(field);
    if (rule.Form == G::Text) return FieldString(field, record);
    const double value = FieldValue(field, record, index);
    switch (rule.Form) {
    case G::Choice:
    case G::Integer:
    case G::WeekSet:
        return QString::number(qlonglong(value));
    case G::HhMm:
        return FormatHhMm(int(value));
    case G::MmSs:
        return FormatMmSs(int(value));
    case G::Analog:
        return FormatAnalogValue(int(value), ScaleOf(rule, record));
    case G::ScaleBound:
        return FormatAnalogValue(IsScaleMin(field) ? 0 : 1000, ScaleOf(rule, record));
    case G::Temperature:
        return FormatTemperature(int(value), record.TemperatureUnits);
    case G::DateTime:
        return DateShortTimeText(value);
    case G::Text:
        break;
    }
    throw TInternalError::Switch("ProgramModel", 10);
}

QString FieldHint(TField field, const TR7200& record) {
    const TFieldRule& rule = FieldRule(field);
    if (rule.FixedHint) return QString::fromLatin1(rule.FixedHint);
    const int a = int(rule.Min);
    const int b = int(rule.Max);
    switch (rule.Form) {
    case G::Integer:
        return QStringLiteral("%1..%2").arg(a).arg(b);
    case G::HhMm:
        return FormatHhMmRange(a, b);
    case G::MmSs:
        return FormatMmSsRange(a, b);
    case G::Analog:
        return FormatAnalogRange(ScaleOf(rule, record));
    case G::Temperature:
        return FormatTemperatureRange(a, b, record.TemperatureUnits);
    case G::DateTime:
        return QStringLiteral("> ") + DateShortTimeText(TClock::Now() + StartLead);
    default:
        return {};
    }
}

TFieldCheck CheckFieldValue(TField field, const TR7200& record, double value) {
    const TFieldRule& rule = FieldRule(field);
    if (!(value >= rule.Min && value <= rule.Max)) return TFieldCheck::OutOfRange;
    if (rule.Form == G::Choice && !rule.Items.empty()) {
        bool listed = false;
        for (const TFieldItem& item : rule.Items)
            listed = listed || item.Value == value;
        if (!listed) return TFieldCheck::OutOfRange;
    }
    if (rule.Agrees && !rule.Agrees(record, value)) return TFieldCheck::OutOfRange;
    return TFieldCheck::Accepted;
}

TFieldCheck CheckFieldString(TField field, const QString& text) {
    const QString stored = field == F::ConnectorComment ? WithCrLf(text) : text;
    if (stored.size() > FieldRule(field).Max) return TFieldCheck::OutOfRange;
    return TAnsiText::Unstorable(text).isEmpty() ? TFieldCheck::Accepted : TFieldCheck::Unstorable;
}

TFieldCheck ReadFieldText(TField field, const QString& text, const TR7200& record, double& value) {
    const TFieldRule& rule = FieldRule(field);
    bool read = false;
    int n = 0;
    switch (rule.Form) {
    case G::Choice:
        read = ReadItem(rule, text, value);
        break;
    case G::Integer:
        read = ReadInteger(text, value);
        break;
    case G::WeekSet:
        read = ReadWeeks(text, value);
        break;
    case G::HhMm:
        read = ParseHhMm(text, n);
        value = n;
        break;
    case G::MmSs:
        read = ParseMmSs(text, n);
        value = n;
        break;
    case G::Analog:
        read = ParseAnalogValue(text, ScaleOf(rule, record), n);
        value = n;
        break;
    case G::ScaleBound:
        read = ParseFloatText(text, value);
        break;
    case G::Temperature:
        read = ParseTemperature(text, record.TemperatureUnits, n);
        value = n;
        break;
    case G::DateTime:
        read = ParseDateTime(text, value);
        break;
    case G::Text:
        throw TInternalError::OnFile("ProgramModel", 11);
    }
    if (!read) return TFieldCheck::BadFormat;
    return CheckFieldValue(field, record, value);
}

QString DisplayText(const TProgramField& field, const TR7200& record, bool source) {
    const TFieldRule& rule = *field.Rule;
    if (rule.Form == G::Text) return FieldString(rule.Id, record);
    const double value = FieldValue(rule.Id, record, field.Index);
    if (rule.Unset >= 0 && value == rule.Unset) return {};
    if (rule.Form == G::WeekSet) return WeekText(int(value));
    if (rule.Form == G::ScaleBound) {
        // Where the scale's decimals would round the bound, the bound's own digits.
        const QString shown = FieldText(rule.Id, record, field.Index);
        double read = 0;
        if (ParseFloatText(shown, read) && read == value) return shown;
        return QString::number(value, 'g', QLocale::FloatingPointShortest)
            .replace(u'.', QLocale().decimalPoint());
    }
    for (const TFieldItem& item : rule.Items)
        if (item.Value == value) return Translated(ItemContext(rule), item.Caption, source);
    return FieldText(rule.Id, record, field.Index);
}

QString FieldCaption(const TProgramField& field, bool source) {
    const TFieldRule& rule = *field.Rule;
    const QString caption = Translated(rule.Context, rule.Caption, source);
    if (rule.Indexed.empty()) return caption;
    return Translated(rule.Context, rule.Indexed[size_t(field.Index)], source) + u' ' + caption;
}

TFieldCheck SetDisplayText(const TProgramField& field, TR7200& record, const QString& text) {
    const TFieldRule& rule = *field.Rule;
    if (rule.Form == G::Text) {
        const TFieldCheck check = CheckFieldString(rule.Id, text);
        if (check == TFieldCheck::Accepted) SetFieldString(rule.Id, record, text);
        return check;
    }
    const bool counts = FieldCounts(rule, record) && FieldActive(rule, record);
    if (rule.Unset >= 0 && text.trimmed().isEmpty()) {
        SetFieldValue(rule.Id, record, rule.Unset, field.Index);
        return TFieldCheck::Accepted;
    }
    double value = 0;
    const TFieldCheck check = ReadFieldText(rule.Id, text, record, value);
    if (check == TFieldCheck::BadFormat) return check;
    if (counts && check != TFieldCheck::Accepted) return check;
    // Kept as it is where the editors would not look at it; a member another row holds or
    // judges is left to that row.
    if (!counts && (rule.View || SharedWithCounting(rule, record))) return TFieldCheck::Accepted;
    if (!MemberHolds(MemberOf(rule, field.Index), value / MemberFactor(rule)))
        return TFieldCheck::OutOfRange;
    SetFieldValue(rule.Id, record, value, field.Index);
    return TFieldCheck::Accepted;
}

QString FieldRangeText(const TProgramField& field, const TR7200& record) {
    const TFieldRule& rule = *field.Rule;
    if (rule.Form == G::Text) return QStringLiteral("at most %1 characters").arg(int(rule.Max));
    if (rule.Form == G::Choice && !rule.Items.empty()) {
        QStringList items;
        for (const TFieldItem& item : rule.Items)
            items << QString::number(item.Value);
        return items.join(u'|');
    }
    if (rule.Form == G::WeekSet) return QStringLiteral("1,2,3,4,Last");
    if (rule.Id == F::BottlesLimit)
        return QStringLiteral("1..%1").arg(std::min<int>(int(rule.Max), record.Capacity));
    if (rule.Id == F::BottlesPerGroup) {
        const int most = record.Capacity == AutoCapacity ? 1 : record.Capacity;
        const int limit = record.BottlesLimit == NoBottlesLimit ? most : record.BottlesLimit;
        return QStringLiteral("1..%1").arg(std::min(most, limit));
    }
    return FieldHint(rule.Id, record);
}

std::optional<TFieldRefusal> ValidateProgram(const TR7200& record) {
    for (const TProgramField& field : ProgramFields()) {
        const TFieldRule& rule = *field.Rule;
        if (!FieldCounts(rule, record) || !FieldActive(rule, record)) continue;
        TFieldCheck check = TFieldCheck::Accepted;
        if (rule.Form == G::Text) {
            const QString text = FieldString(rule.Id, record);
            const QString stored = rule.Id == F::ConnectorComment ? WithCrLf(text) : text;
            if (stored.size() > rule.Max) check = TFieldCheck::OutOfRange;
        } else {
            const double value = FieldValue(rule.Id, record, field.Index);
            if (rule.Unset >= 0 && value == rule.Unset) continue;
            check = CheckFieldValue(rule.Id, record, value);
        }
        if (check != TFieldCheck::Accepted)
            return TFieldRefusal{&field, check, FieldRangeText(field, record)};
    }
    // A scheduler that never starts is refused as the dialog refuses it.
    if (record.ProgramMode == ProgramByScheduler) {
        bool any = false;
        for (const TScheduleEntry& day : record.Schedule)
            any = any || (day.Weeks & WeekMask) != 0;
        if (!any)
            return TFieldRefusal{FindProgramField(u"Schedule[0].Weeks"), TFieldCheck::OutOfRange,
                                 QStringLiteral("1,2,3,4,Last on one day at least")};
    }
    return std::nullopt;
}
