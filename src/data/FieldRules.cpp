#include "FieldRules.h"

#include "ConnectorCalendar.h"
#include "InternalError.h"
#include "R7200.h"
#include "TextFormats.h"

#include <cfloat>
#include <cmath>

namespace {

using F = TField;
using G = TFieldForm;

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

bool LimitWithinCapacity(const TR7200& r, double v) {
    return v <= r.Capacity;
}

// "Auto" fills one bottle at a time; a group never exceeds the distributor or the limit.
bool GroupFits(const TR7200& r, double v) {
    if (r.Capacity == 0) return v == 1;
    return v <= r.Capacity && (r.BottlesLimit == 255 || v <= r.BottlesLimit);
}

bool KnownCapacity(const TR7200&, double v) {
    return v == 0 || v == 1 || v == 4 || v == 8 || v == 12 || v == 24;
}

bool AboveLowLimit(const TR7200& r, double v) {
    return r.EventLowLimit < v;
}

bool StartAhead(const TR7200&, double v) {
    return v > TClock::Now() + StartLead;
}

bool OnlyWeekBits(const TR7200&, double v) {
    return (int(v) & ~0x2F) == 0;
}

// clang-format off
const TFieldRule Rules[] = {
    {F::SamplerMode, "SamplerMode", G::Choice, 0, 3, 0, nullptr, nullptr},
    {F::Capacity, "Capacity", G::Choice, 0, 24, 0, KnownCapacity, nullptr},
    {F::BottlesLimit, "BottlesLimit", G::Integer, 1, 24, 0, LimitWithinCapacity, "1..max"},
    {F::BottlesPerGroup, "BottlesPerGroup", G::Integer, 1, 24, 0, GroupFits, ""},
    {F::SamplesPerBottle, "SamplesPerBottle", G::Integer, 1, 240, 0, nullptr, nullptr},
    {F::EnableVar, "EnableVar", G::Choice, 0, 1, 0, nullptr, nullptr},
    {F::VarMaximum, "VarMaximum", G::Analog, 0, 1000, 1, nullptr, nullptr},
    {F::SamplingPeriod, "SamplingPeriod", G::HhMm, 120, 359940, 0, nullptr, nullptr},
    {F::PulsesPerSample, "PulsesPerSample", G::Integer, 1, 57600, 0, nullptr, nullptr},
    {F::MaximumInterval, "MaximumInterval", G::HhMm, 120, 2160000, 0, nullptr, nullptr},
    {F::FlowMaximum, "FlowMaximum", G::Analog, 0, 1000, 1, nullptr, nullptr},
    {F::SamplesRate, "SamplesRate", G::Integer, 1, 60, 0, nullptr, nullptr},
    {F::BottleChangeBy, "BottleChangeBy", G::Choice, 0, 1, 0, nullptr, nullptr},
    {F::ChangeInterval, "ChangeInterval", G::HhMm, 120, 2160000, 0, nullptr, nullptr},
    {F::PrePurge, "PrePurge", G::Integer, 1, 240, 0, nullptr, nullptr},
    {F::PostPurge, "PostPurge", G::Integer, 1, 240, 0, nullptr, nullptr},
    {F::PurgesCount, "PurgesCount", G::Integer, 0, 5, 0, nullptr, nullptr},
    {F::MaxSuctionTime, "MaxSuctionTime", G::Integer, 30, 240, 0, nullptr, nullptr},
    {F::Aeration, "Aeration", G::Integer, 0, 240, 0, nullptr, nullptr},
    {F::LoggerMode, "LoggerMode", G::Choice, 0, 1, 0, nullptr, nullptr},
    {F::DoorStatusRecord, "DoorStatusRecord", G::Choice, 0, 1, 0, nullptr, nullptr},
    {F::LoggerPeriod, "LoggerPeriod", G::HhMm, 60, 57600, 0, nullptr, nullptr},
    {F::Analog1Range, "Analog1Range", G::Choice, 0, 1, 0, nullptr, nullptr},
    {F::Analog1Min, "Analog1Min", G::ScaleBound, -AnyNumber, AnyNumber, 1, nullptr, ""},
    {F::Analog1Max, "Analog1Max", G::ScaleBound, -AnyNumber, AnyNumber, 1, nullptr, ""},
    {F::Analog1Units, "Analog1Units", G::Text, 0, 7, 0, nullptr, ""},
    {F::Analog2Range, "Analog2Range", G::Choice, 0, 1, 0, nullptr, nullptr},
    {F::Analog2Min, "Analog2Min", G::ScaleBound, -AnyNumber, AnyNumber, 2, nullptr, ""},
    {F::Analog2Max, "Analog2Max", G::ScaleBound, -AnyNumber, AnyNumber, 2, nullptr, ""},
    {F::Analog2Units, "Analog2Units", G::Text, 0, 7, 0, nullptr, ""},
    {F::TemperatureUnits, "TemperatureUnits", G::Choice, 0, 1, 0, nullptr, nullptr},
    {F::EventMode, "EventMode", G::Choice, 0, 4, 0, nullptr, nullptr},
    {F::EventRun, "EventRun", G::Choice, 0, 1, 0, nullptr, nullptr},
    {F::EventInversion, "EventInversion", G::Choice, 0, 1, 0, nullptr, nullptr},
    {F::EventChangeBottle, "EventChangeBottle", G::Choice, 0, 1, 0, nullptr, nullptr},
    {F::EventDelay, "EventDelay", G::MmSs, 5, 57600, 0, nullptr, nullptr},
    {F::PreSampling, "PreSampling", G::Choice, 0, 1, 0, nullptr, nullptr},
    {F::PreSamplingDisableVar, "PreSamplingDisableVar", G::Choice, 0, 1, 0, nullptr, nullptr},
    {F::PreSamplingInterval, "PreSamplingInterval", G::MmSs, 1, 57600, 0, nullptr, nullptr},
    {F::PreSamplingSamples, "PreSamplingSamples", G::Integer, 1, 10000, 0, nullptr, nullptr},
    {F::EventLowLimit, "EventLowLimit", G::Analog, 0, 1000, 2, nullptr, nullptr},
    {F::EventHighLimit, "EventHighLimit", G::Analog, 0, 1000, 2, AboveLowLimit, nullptr},
    {F::EventLowTemperature, "EventLowTemperature", G::Temperature, -400, 850, 0, nullptr, nullptr},
    {F::EventHighTemperature, "EventHighTemperature", G::Temperature, -400, 850, 0, AboveLowLimit,
     nullptr},
    {F::ProgramMode, "ProgramMode", G::Choice, 0, 3, 0, nullptr, nullptr},
    {F::ProgramStartDelay, "ProgramStartDelay", G::HhMm, 60, 2160000, 0, nullptr, nullptr},
    {F::ProgramStartTime, "ProgramStartTime", G::DateTime, FirstStart, LastStart, 0, StartAhead,
     nullptr},
    {F::ScheduleStartAt, "ScheduleStartAt", G::HhMm, 0, 86340, 0, nullptr, nullptr},
    {F::ScheduleWeeks, "ScheduleWeeks", G::Choice, 0, 0x2F, 0, OnlyWeekBits, nullptr},
    {F::ConnectorName, "ConnectorName", G::Text, 0, 63, 0, nullptr, ""},
    {F::ConnectorComment, "ConnectorComment", G::Text, 0, 443, 0, nullptr, ""},
};
// clang-format on

constexpr int RuleCount = int(std::size(Rules));
static_assert(int(F::ConnectorComment) + 1 == RuleCount, "one rule for every field");

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

// The member a numeric field lives in; the lambda gets it by reference.
template <class Visit> void WithMember(TField f, TR7200& r, int index, Visit visit) {
    switch (f) {
    case F::SamplerMode:
        return visit(r.SamplerMode);
    case F::Capacity:
        return visit(r.Capacity);
    case F::BottlesLimit:
        return visit(r.BottlesLimit);
    case F::BottlesPerGroup:
        return visit(r.BottlesPerGroup);
    case F::SamplesPerBottle:
        return visit(r.SamplesPerBottle);
    case F::EnableVar:
        return visit(r.EnableVar);
    case F::VarMaximum:
        return visit(r.VarMaximum);
    case F::SamplingPeriod:
        return visit(r.SamplingPeriod);
    case F::PulsesPerSample:
        return visit(r.PulsesPerSample);
    case F::MaximumInterval:
        return visit(r.MaximumInterval);
    case F::FlowMaximum:
        return visit(r.FlowMaximum);
    case F::SamplesRate:
        return visit(r.SamplesRate);
    case F::BottleChangeBy:
        return visit(r.BottleChangeBy);
    case F::ChangeInterval:
        return visit(r.ChangeInterval);
    case F::PrePurge:
        return visit(r.PrePurge);
    case F::PostPurge:
        return visit(r.PostPurge);
    case F::PurgesCount:
        return visit(r.PurgesCount);
    case F::MaxSuctionTime:
        return visit(r.MaxSuctionTime);
    case F::Aeration:
        return visit(r.Aeration);
    case F::LoggerMode:
        return visit(r.LoggerMode);
    case F::DoorStatusRecord:
        return visit(r.DoorStatusRecord);
    case F::LoggerPeriod:
        return visit(r.LoggerPeriod);
    case F::Analog1Range:
        return visit(r.Analog1Range);
    case F::Analog1Min:
        return visit(r.Analog1.Min);
    case F::Analog1Max:
        return visit(r.Analog1.Max);
    case F::Analog2Range:
        return visit(r.Analog2Range);
    case F::Analog2Min:
        return visit(r.Analog2.Min);
    case F::Analog2Max:
        return visit(r.Analog2.Max);
    case F::TemperatureUnits:
        return visit(r.TemperatureUnits);
    case F::EventMode:
        return visit(r.EventMode);
    case F::EventRun:
        return visit(r.EventRun);
    case F::EventInversion:
        return visit(r.EventInversion);
    case F::EventChangeBottle:
        return visit(r.EventChangeBottle);
    case F::EventDelay:
        return visit(r.EventDelay);
    case F::PreSampling:
        return visit(r.PreSampling);
    case F::PreSamplingDisableVar:
        return visit(r.PreSamplingDisableVar);
    case F::PreSamplingInterval:
        return visit(r.PreSamplingInterval);
    case F::PreSamplingSamples:
        return visit(r.PreSamplingSamples);
    case F::EventLowLimit:
    case F::EventLowTemperature:
        return visit(r.EventLowLimit);
    case F::EventHighLimit:
    case F::EventHighTemperature:
        return visit(r.EventHighLimit);
    case F::ProgramMode:
        return visit(r.ProgramMode);
    case F::ProgramStartDelay:
        return visit(r.ProgramStartDelay);
    case F::ProgramStartTime:
        return visit(r.ProgramStartTime);
    case F::ScheduleWeeks:
        return visit(r.Schedule.at(size_t(index)).Weeks);
    case F::ScheduleStartAt:
    case F::Analog1Units:
    case F::Analog2Units:
    case F::ConnectorName:
    case F::ConnectorComment:
        break;
    }
    throw TInternalError::Switch("FieldRules", 1);
}

bool ReadInteger(const QString& text, double& value) {
    bool ok = false;
    const qlonglong n = text.trimmed().toLongLong(&ok, 10);
    value = double(n);
    return ok;
}

} // namespace

std::span<const TFieldRule> FieldRules() {
    return Rules;
}

const TFieldRule& FieldRule(TField field) {
    const int i = int(field);
    if (i < 0 || i >= RuleCount) throw TInternalError::OnFile("FieldRules", 2);
    return Rules[i];
}

const TFieldRule* FindFieldRule(QStringView name) {
    for (const TFieldRule& rule : Rules)
        if (name == QLatin1String(rule.Name)) return &rule;
    return nullptr;
}

double FieldValue(TField field, const TR7200& record, int index) {
    if (field == F::ScheduleStartAt) return record.Schedule.at(size_t(index)).StartAt * 60.0;
    double value = 0;
    WithMember(field, const_cast<TR7200&>(record), index,
               [&](auto& member) { value = double(member); });
    return value;
}

void SetFieldValue(TField field, TR7200& record, double value, int index) {
    if (field == F::ScheduleStartAt) {
        // Whole minutes: seconds of an h:m:s text are dropped.
        record.Schedule.at(size_t(index)).StartAt = uint16_t(int(value) / 60);
        return;
    }
    WithMember(field, record, index, [&](auto& member) {
        using T = std::remove_reference_t<decltype(member)>;
        if constexpr (std::is_floating_point_v<T>)
            member = value;
        else
            member = T(std::llround(value));
    });
}

QString FieldString(TField field, const TR7200& record) {
    switch (field) {
    case F::Analog1Units:
        return record.Analog1.Units;
    case F::Analog2Units:
        return record.Analog2.Units;
    case F::ConnectorName:
        return record.ConnectorName;
    case F::ConnectorComment:
        return record.ConnectorComment;
    default:
        throw TInternalError::Switch("FieldRules", 3);
    }
}

void SetFieldString(TField field, TR7200& record, const QString& text) {
    const QString cut = text.left(int(FieldRule(field).Max));
    switch (field) {
    case F::Analog1Units:
        record.Analog1.Units = cut;
        return;
    case F::Analog2Units:
        record.Analog2.Units = cut;
        return;
    case F::ConnectorName:
        record.ConnectorName = cut;
        return;
    case F::ConnectorComment:
        record.ConnectorComment = WithCrLf(text).left(443);
        return;
    default:
        throw TInternalError::Switch("FieldRules", 4);
    }
}

QString FieldText(TField field, const TR7200& record, int index) {
    const TFieldRule& rule = FieldRule(field);
    const double value = FieldValue(field, record, index);
    switch (rule.Form) {
    case G::Choice:
    case G::Integer:
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
    return FieldString(field, record);
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
    if (rule.Agrees && !rule.Agrees(record, value)) return TFieldCheck::OutOfRange;
    return TFieldCheck::Accepted;
}

TFieldCheck CheckFieldString(TField field, const QString& text) {
    const QString stored = field == F::ConnectorComment ? WithCrLf(text) : text;
    return stored.size() <= FieldRule(field).Max ? TFieldCheck::Accepted : TFieldCheck::OutOfRange;
}

TFieldCheck ReadFieldText(TField field, const QString& text, const TR7200& record, double& value) {
    const TFieldRule& rule = FieldRule(field);
    bool read = false;
    int n = 0;
    switch (rule.Form) {
    case G::Choice:
    case G::Integer:
        read = ReadInteger(text, value);
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
        throw TInternalError::OnFile("FieldRules", 5);
    }
    if (!read) return TFieldCheck::BadFormat;
    return CheckFieldValue(field, record, value);
}
