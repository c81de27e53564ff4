#include "ReportFields.h"

#include "Archive.h"
#include "FieldRules.h"
#include "R7200.h"

#include <QCoreApplication>
#include <QStringList>
#include <initializer_list>

namespace {

// The captions are the windows' own labels, so the report reads as the pages do and takes
// their translations.
struct TCaption {
    const char* Context;
    const char* Group; // a heading the label stands under, or nullptr
    const char* Label;
};

struct TRow {
    TField Field;
    int Page;
    TCaption Caption;
    std::initializer_list<const char*> Choices; // item texts by value, in Caption's context
};

struct TPageName {
    const char* Context;
    const char* Name;
};

const TPageName Pages[] = {{"TMainForm", "Status"},
                           {"TSamplerPage", "Sampler"},
                           {"TSamplerPage", "Logger"},
                           {"TEventDialog", "Event control"},
                           {"TProgramDialog", "Program Start"},
                           {"TConnectorDialog", "Connector data"}};
enum { StatusPage, SamplerPage, LoggerPage, EventDialog, ProgramDialog, ConnectorDialog };

const char* const St = "TStatusPage";
const char* const Sa = "TSamplerPage";
const char* const Ev = "TEventDialog";
const char* const Pr = "TProgramDialog";
const char* const YesNo = "";

// clang-format off
const TRow Rows[] = {
    {TField::SamplerMode, StatusPage, {St, nullptr, "Sampler Mode :"},
     {"EXTERNAL CONTROL", "PERIODICAL SAMPLING", "SAMPLING BY FLOW PULSES", "SAMPLING BY FLOW RATE"}},
    {TField::Capacity, StatusPage, {St, nullptr, "Distributor Capacity :"}, {"Auto"}},
    {TField::BottlesLimit, StatusPage, {St, nullptr, "Bottles Limit :"}, {}},
    {TField::BottlesPerGroup, StatusPage, {St, nullptr, "Bottles per group :"}, {}},
    {TField::SamplesPerBottle, StatusPage, {St, nullptr, "Samples per bottle :"}, {}},
    {TField::EnableVar, StatusPage, {St, nullptr, "Enable VAR"}, {YesNo}},
    {TField::VarMaximum, StatusPage, {St, nullptr, "VAR Maximum :"}, {}},
    {TField::SamplingPeriod, StatusPage, {St, "Periodical sampling", "Sampling period :"}, {}},
    {TField::PulsesPerSample, StatusPage, {St, "Flow pulses sampling", "Pulses per sample :"}, {}},
    {TField::MaximumInterval, StatusPage, {St, nullptr, "Maximum interval :"}, {}},
    {TField::FlowMaximum, StatusPage, {St, "Flow rate sampling", "Flow maximum :"}, {}},
    {TField::SamplesRate, StatusPage, {St, "Flow rate sampling", "Samples Rate :"}, {}},
    {TField::BottleChangeBy, StatusPage, {St, "Bottle change", "Change By"},
     {"Samples Count", "Time interval"}},
    {TField::ChangeInterval, StatusPage, {St, "Bottle change", "Change Interval :"}, {}},
    {TField::PrePurge, SamplerPage, {Sa, nullptr, "Purging Before Sampling :"}, {}},
    {TField::PostPurge, SamplerPage, {Sa, nullptr, "Purging After Sampling :"}, {}},
    {TField::PurgesCount, SamplerPage, {Sa, nullptr, "Purges Count :"}, {}},
    {TField::MaxSuctionTime, SamplerPage, {Sa, nullptr, "Max Suction Time :"}, {}},
    {TField::Aeration, SamplerPage, {Sa, nullptr, "Aeration :"}, {}},
    {TField::Analog1Range, SamplerPage, {Sa, "Analog input VAR/FLOW", "Range :"},
     {"0 - 20mA", "4 - 20mA"}},
    {TField::Analog1Min, SamplerPage, {Sa, "Analog input VAR/FLOW", "Minimum :"}, {}},
    {TField::Analog1Max, SamplerPage, {Sa, "Analog input VAR/FLOW", "Maximum :"}, {}},
    {TField::Analog1Units, SamplerPage, {Sa, "Analog input VAR/FLOW", "Units :"}, {}},
    {TField::Analog2Range, SamplerPage, {Sa, "Analog input EVENT/AUX", "Range :"},
     {"0 - 20mA", "4 - 20mA"}},
    {TField::Analog2Min, SamplerPage, {Sa, "Analog input EVENT/AUX", "Minimum :"}, {}},
    {TField::Analog2Max, SamplerPage, {Sa, "Analog input EVENT/AUX", "Maximum :"}, {}},
    {TField::Analog2Units, SamplerPage, {Sa, "Analog input EVENT/AUX", "Units :"}, {}},
    {TField::LoggerMode, LoggerPage, {Sa, nullptr, "Logger Mode"},
     {"Disable logger", "Periodical sampling"}},
    {TField::DoorStatusRecord, LoggerPage, {Sa, nullptr, "Door Status Record"}, {YesNo}},
    {TField::LoggerPeriod, LoggerPage, {Sa, nullptr, "Logger period :"}, {}},
    {TField::TemperatureUnits, LoggerPage, {Sa, "Temperature", "Units :"}, {"°C", "F"}},
    {TField::EventMode, EventDialog, {Ev, nullptr, "Event Mode"},
     {"Disable event control", "Digital input", "Analog input", "Level input", "Temperature"}},
    {TField::EventRun, EventDialog, {Ev, nullptr, "Run mode"},
     {"Run program on event", "Start program by event"}},
    {TField::EventInversion, EventDialog, {Ev, nullptr, "Event Inversion"}, {YesNo}},
    {TField::EventChangeBottle, EventDialog, {Ev, nullptr, "Change bottle at event termination"},
     {YesNo}},
    {TField::EventDelay, EventDialog, {Ev, nullptr, "Delay :"}, {}},
    {TField::PreSampling, EventDialog, {Ev, nullptr, "Enable pre-sampling"}, {YesNo}},
    {TField::PreSamplingDisableVar, EventDialog, {Ev, nullptr, "Disable VAR"}, {YesNo}},
    {TField::PreSamplingInterval, EventDialog, {Ev, nullptr, "Interval :"}, {}},
    {TField::PreSamplingSamples, EventDialog, {Ev, nullptr, "Samples :"}, {}},
    {TField::EventLowLimit, EventDialog, {Ev, nullptr, "Low Limit :"}, {}},
    {TField::EventHighLimit, EventDialog, {Ev, nullptr, "High Limit :"}, {}},
    {TField::EventLowTemperature, EventDialog, {Ev, nullptr, "Low Temperature :"}, {}},
    {TField::EventHighTemperature, EventDialog, {Ev, nullptr, "High Temperature :"}, {}},
    {TField::ProgramMode, ProgramDialog, {Pr, nullptr, "Mode"},
     {"Start immediately", "Start after delay", "Start at time", "Start by scheduler"}},
    {TField::ProgramStartDelay, ProgramDialog, {Pr, nullptr, "Start Delay :"}, {}},
    {TField::ProgramStartTime, ProgramDialog, {Pr, nullptr, "Start at :"}, {}},
    {TField::ConnectorName, ConnectorDialog, {"TConnectorDialog", nullptr, "Name :"}, {}},
    {TField::ConnectorComment, ConnectorDialog, {"TConnectorDialog", nullptr, "Comment :"}, {}},
};
// clang-format on

const char* const Weekdays[] = {
    "Monday :", "Tuesday :", "Wednesday :", "Thursday :", "Friday :", "Saturday :", "Sunday :"};
const char* const WeekNames[] = {"1st", "2nd", "3rd", "4th", "Last"};
const int WeekBits[] = {0, 1, 2, 3, 5};

QString Translate(const char* context, const char* text) {
    return QCoreApplication::translate(context, text);
}

// A label without the colon the window puts after it.
QString Label(const char* context, const char* text) {
    QString label = Translate(context, text);
    if (label.endsWith(u':')) label.chop(1);
    return label.trimmed();
}

QString CaptionText(const TCaption& c) {
    const QString label = Label(c.Context, c.Label);
    return c.Group ? Label(c.Context, c.Group) + QStringLiteral(", ") + label : label;
}

QString PageText(int page) {
    return Translate(Pages[page].Context, Pages[page].Name);
}

QString ValueText(const TRow& row, const TR7200& record) {
    if (FieldRule(row.Field).Form == TFieldForm::Text) return FieldString(row.Field, record);
    if (row.Choices.size() == 0) return FieldText(row.Field, record);
    const int value = int(FieldValue(row.Field, record));
    if (*row.Choices.begin() == YesNo)
        return value ? Translate("TReport", "Yes") : Translate("TReport", "No");
    // A capacity names its bottles, only 0 has an item of its own.
    if (row.Choices.size() == 1)
        return value == 0 ? Translate(row.Caption.Context, *row.Choices.begin())
                          : FieldText(row.Field, record);
    if (value >= 0 && size_t(value) < row.Choices.size())
        return Translate(row.Caption.Context, row.Choices.begin()[value]);
    return FieldText(row.Field, record); // a byte no item names: shown as it is
}

QString ScheduleText(const TR7200& record, int day) {
    QStringList weeks;
    for (int w = 0; w < 5; ++w)
        if (record.Schedule[size_t(day)].Weeks & (1 << WeekBits[w]))
            weeks << Translate(Pr, WeekNames[w]);
    if (weeks.isEmpty()) return QStringLiteral("-");
    const int minutes = record.Schedule[size_t(day)].StartAt;
    return QString::asprintf("%02d:%02d (", minutes / 60, minutes % 60) +
           weeks.join(QStringLiteral(", ")) + u')';
}

} // namespace

QList<TReportField> ReportFields(const TR7200& record) {
    QList<TReportField> fields;
    for (const TRow& row : Rows) {
        if (row.Field == TField::ConnectorName)
            fields.append({PageText(ConnectorDialog), Label("TConnectorDialog", "Serial Number :"),
                           TArchive::SerialText(record.SerialNumber)});
        fields.append({PageText(row.Page), CaptionText(row.Caption), ValueText(row, record)});
        if (row.Field == TField::ProgramStartTime)
            for (int day = 0; day < 7; ++day)
                fields.append(
                    {PageText(ProgramDialog), Label(Pr, Weekdays[day]), ScheduleText(record, day)});
    }
    return fields;
}

QList<TReportChange> ReportChanges(const TR7200& before, const TR7200& now) {
    // Both lists come from the same rows, so they pair up index by index. The serial
    // number is the Connector's identity, not a program change.
    const QList<TReportField> a = ReportFields(before);
    const QList<TReportField> b = ReportFields(now);
    const QString serial = Label("TConnectorDialog", "Serial Number :");
    QList<TReportChange> changes;
    for (qsizetype i = 0; i < a.size() && i < b.size(); ++i)
        if (a[i].Text != b[i].Text && b[i].Caption != serial)
            changes.append({b[i].Page, b[i].Caption, a[i].Text, b[i].Text});
    return changes;
}
