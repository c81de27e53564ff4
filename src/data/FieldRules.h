#pragma once

#include <QString>
#include <span>

class TR7200;

// The program fields a user edits, each with one rule: how its value is shown and read,
// which values are accepted and which earlier fields it must agree with. The pages, the
// dialogs and the command line all go through these rules, so a value is accepted or
// refused the same way wherever it is typed.
enum class TField {
    SamplerMode,
    Capacity,
    BottlesLimit,
    BottlesPerGroup,
    SamplesPerBottle,
    EnableVar,
    VarMaximum,
    SamplingPeriod,
    PulsesPerSample,
    MaximumInterval,
    FlowMaximum,
    SamplesRate,
    BottleChangeBy,
    ChangeInterval,
    PrePurge,
    PostPurge,
    PurgesCount,
    MaxSuctionTime,
    Aeration,
    LoggerMode,
    DoorStatusRecord,
    LoggerPeriod,
    Analog1Range,
    Analog1Min,
    Analog1Max,
    Analog1Units,
    Analog2Range,
    Analog2Min,
    Analog2Max,
    Analog2Units,
    TemperatureUnits,
    EventMode,
    EventRun,
    EventInversion,
    EventChangeBottle,
    EventDelay,
    PreSampling,
    PreSamplingDisableVar,
    PreSamplingInterval,
    PreSamplingSamples,
    EventLowLimit, // per mille of the EVENT/AUX scale
    EventHighLimit,
    EventLowTemperature, // the same two record fields, as tenths of a degree Celsius
    EventHighTemperature,
    ProgramMode,
    ProgramStartDelay,
    ProgramStartTime,
    ScheduleStartAt, // indexed by weekday, Monday 0
    ScheduleWeeks,
    ConnectorName,
    ConnectorComment,
};

// How a value is written as text and read back.
enum class TFieldForm {
    Choice,      // an item, a box or a bit set: no text of its own
    Integer,     // whole decimal number
    HhMm,        // seconds as hh:mm
    MmSs,        // seconds as mm:ss
    Analog,      // per mille of an analog input's scale
    ScaleBound,  // the engineering value at raw 0 or 1000 of a scale
    Temperature, // tenths of a degree Celsius, shown in the record's unit
    DateTime,    // a local date and time
    Text,        // a text of limited length
};

enum class TFieldCheck { Accepted, BadFormat, OutOfRange };

struct TFieldRule {
    TField Id;
    const char* Name; // the record field's name
    TFieldForm Form;
    double Min; // accepted range in record units, both ends included;
    double Max; // for Text the most characters, line breaks counted as two
    int Scale;  // 1 or 2 for the analog forms: which input's scale; else 0
    // A rule against fields stored before this one, or against the clock.
    bool (*Agrees)(const TR7200& record, double value);
    const char* FixedHint; // replaces the hint made from the range; "" for none
};

std::span<const TFieldRule> FieldRules();
const TFieldRule& FieldRule(TField field);
// The rule of a record field name; nullptr when no rule has that name.
const TFieldRule* FindFieldRule(QStringView name);

// The record's value of a field (seconds, per mille, tenths, days, a choice).
double FieldValue(TField field, const TR7200& record, int index = 0);
void SetFieldValue(TField field, TR7200& record, double value, int index = 0);
// Text fields. The comment keeps its line breaks as carriage return and line feed.
QString FieldString(TField field, const TR7200& record);
void SetFieldString(TField field, TR7200& record, const QString& text);

// The text an edit shows for the record's value.
QString FieldText(TField field, const TR7200& record, int index = 0);
// The range an edit shows as its hint; "" when the field has none.
QString FieldHint(TField field, const TR7200& record);
// Reads a text; on Accepted `value` holds what goes into the record.
TFieldCheck ReadFieldText(TField field, const QString& text, const TR7200& record, double& value);
// Checks a value that needs no reading, such as one kept from the record.
TFieldCheck CheckFieldValue(TField field, const TR7200& record, double value);
TFieldCheck CheckFieldString(TField field, const QString& text);
