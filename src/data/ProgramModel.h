#pragma once

#include "ProgramBlock.h"

#include <QString>
#include <optional>
#include <span>
#include <vector>

class TR7200;

// The program model: every field a user edits on the pages and in the three dialogs, each
// one row with its rule (how its value is shown and read, which values are accepted, in
// which mode it counts and which earlier fields it must agree with) and its caption. The
// editors, the command line and the reports all go through these rows, so a value is
// accepted or refused the same way wherever it is typed.
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
    None, // no field: a condition that always holds
};

// How a value is written as text and read back.
enum class TFieldForm {
    Choice,      // an item, a box or a bit set: shown by its item's caption
    Integer,     // whole decimal number
    HhMm,        // seconds as hh:mm
    MmSs,        // seconds as mm:ss
    Analog,      // per mille of an analog input's scale
    ScaleBound,  // the engineering value at raw 0 or 1000 of a scale
    Temperature, // tenths of a degree Celsius, shown in the record's unit
    DateTime,    // a local date and time
    Text,        // a text of limited length
    WeekSet,     // the weeks of a month a weekday of the scheduler runs in
};

// Unstorable: letters the Connector's code page cannot hold.
enum class TFieldCheck { Accepted, BadFormat, OutOfRange, Unstorable };

// Where the field is edited.
enum class TFieldPlace {
    StatusPage,
    SamplerPage,
    ConnectorDialog,
    ProgramStartDialog,
    EventDialog
};

// One item of a choice: its value and its caption as the editor shows it.
struct TFieldItem {
    int Value;
    const char* Caption;
};

// Holds when the field's value is one of the bits of Values; the field None always holds.
struct TFieldCondition {
    TField Field = TField::None;
    unsigned Values = 0;
};

// "No limit" of the bottles; an edit switched off by its box stores its Unset value.
inline constexpr int NoBottlesLimit = 255;
inline constexpr int NoMaximumInterval = 0;
inline constexpr int Weekdays = 7;

struct TFieldRule {
    TField Id;
    const char* Name;   // as in `info --json`; a weekday's field has "%1" for its index
    const char* Member; // the image layout's field ("%1" likewise) or the record's own
    TFieldForm Form;
    double Min;    // accepted range in record units, both ends included;
    double Max;    // for Text the most characters, line breaks counted as two
    int Scale = 0; // 1 or 2 for the analog forms: which input's scale; else 0
    // Counts only where When holds; where Active does not hold, the field takes Otherwise.
    TFieldCondition When = {};
    TFieldCondition Active = {};
    double Otherwise = 0;
    int Unset = -1; // stored while the edit's box is off, shown as an empty text; -1: no box
    // A rule against fields stored before this one, or against the clock.
    bool (*Agrees)(const TR7200& record, double value) = nullptr;
    const char* FixedHint = nullptr; // replaces the hint made from the range; "" for none
    std::span<const TFieldItem> Items = {};
    const char* Unit = "";                     // the unit caption beside the edit, "" for none
    const char* Context;                       // translation context of the captions
    const char* Caption;                       // the label as the editor shows it
    std::span<const char* const> Indexed = {}; // per index: the weekday's caption
    TFieldPlace Place;
    bool View = false; // another form of a member an earlier row holds: stored only where it counts

    int Count() const { return Indexed.empty() ? 1 : int(Indexed.size()); }
};

// The rows in the editors' store order: Sampler page's analog inputs, Status page, the
// rest of the Sampler page, then Connector data, Program Start and Event control.
std::span<const TFieldRule> FieldRules();
const TFieldRule& FieldRule(TField field);

// One field of the program as the command line names it: a row and, for a weekday, its index.
struct TProgramField {
    const TFieldRule* Rule;
    int Index;
    QString Name;
};
// Every field, in store order.
const std::vector<TProgramField>& ProgramFields();
// The field of that name; nullptr when none has it.
const TProgramField* FindProgramField(QStringView name);

// The record's value of a field (seconds, per mille, tenths, days, a choice).
double FieldValue(TField field, const TR7200& record, int index = 0);
void SetFieldValue(TField field, TR7200& record, double value, int index = 0);
// Text fields. The comment keeps its line breaks as carriage return and line feed.
QString FieldString(TField field, const TR7200& record);
void SetFieldString(TField field, TR7200& record, const QString& text);

// Whether the field counts for the record's modes.
bool FieldCounts(const TFieldRule& rule, const TR7200& record);
bool FieldActive(const TFieldRule& rule, const TR7200& record);

// The text an edit shows for the record's value.
QString FieldText(TField field, const TR7200& record, int index = 0);
// The range an edit shows as its hint; "" when the field has none.
QString FieldHint(TField field, const TR7200& record);
// Reads a text; on Accepted `value` holds what goes into the record.
TFieldCheck ReadFieldText(TField field, const QString& text, const TR7200& record, double& value);
// Checks a value that needs no reading, such as one kept from the record.
TFieldCheck CheckFieldValue(TField field, const TR7200& record, double value);
TFieldCheck CheckFieldString(TField field, const QString& text);

// The text the page or dialog shows: an item's caption, "" for a box switched off, the
// edit's text otherwise. Captions are translated unless `source` asks for the program's own.
QString DisplayText(const TProgramField& field, const TR7200& record, bool source = false);
// The caption of the field: its label, the weekday's before it.
QString FieldCaption(const TProgramField& field, bool source = false);
// Reads a display text as the editor reads its control (an item's caption or its value)
// and stores it when accepted. A field that does not count for the record's modes is only
// read, not judged against its range.
TFieldCheck SetDisplayText(const TProgramField& field, TR7200& record, const QString& text);
// The accepted range for a message, "1..240".
QString FieldRangeText(const TProgramField& field, const TR7200& record);

struct TFieldRefusal {
    const TProgramField* Field;
    TFieldCheck Check;
    QString Hint;
};
// The first value the editors would refuse, in their store order; nothing for a program
// they accept.
std::optional<TFieldRefusal> ValidateProgram(const TR7200& record);
