#pragma once

#include "DateTime.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

class TR7200;

// What the sampler will do with a program, as far as its settings tell: a model of the
// firmware's behaviour, worked out on the PC. The sampler's own firmware is the final word.

enum class TPlanKind { Start, Sample, Bottle, Full, End, LogFull };

struct TPlanEvent {
    TPlanKind Kind = TPlanKind::Start;
    int64_t Connector = 0; // seconds since 2000-01-01 on the Connector's standard-time clock
    TDateTime Local = 0;   // the same moment on the wall clock
    int Run = 0;           // which start the event belongs to, from 1; 0 for none
    int Bottle = 0;        // first bottle of the group; 0 for none
    int Bottles = 0;       // bottles of the group, consecutive from Bottle
    int Sample = 0;        // number of the sample in its bottle; 0 for none
};

struct TPlanRequest {
    TDateTime From = 0; // the start moment; 0 = now
    int Days = 7;
    std::optional<double> PulsesPerHour{}; // assumed flow pulses
    std::optional<double> FlowPercent{};   // assumed flow, percent of the flow maximum
    std::optional<int> Capacity{};         // bottles of an "Auto" distributor
    // The Connector clock as read (0 = not set), when the plan is made against a Connector.
    std::optional<TDateTime> ConnectorClock{};
};

enum class TPlanRefusal { None, Window, Assumption, Program };

struct TPlan {
    TPlanRefusal Refusal = TPlanRefusal::None;
    QString RefusalText;
    QStringList Summary; // sentences
    QStringList Warnings;
    QStringList Assumptions;
    std::vector<TPlanEvent> Events; // in time order
    bool Truncated = false;         // stopped at MaxEvents
    int64_t WindowStart = 0;        // Connector seconds
    int64_t WindowEnd = 0;
    int BottleCount = 0; // 0: no end of bottles ("Auto" without a capacity)
};

namespace plan {
constexpr int MaxEvents = 100000;
constexpr int MaxDays = 366;
constexpr int LogRing = 1920;
constexpr double MaxPulsesPerHour = 3600000;
} // namespace plan

TPlan MakePlan(const TR7200& record, const TPlanRequest& request);

// The kind as the machine-readable outputs name it: start, sample, bottle, full, end, log-full.
QString PlanKindName(TPlanKind kind);
// The kind as the window shows it, translated.
QString PlanKindText(TPlanKind kind);
// "11 Jan 2027 at 08:00" in the current language and locale.
QString PlanMomentText(TDateTime local);
// Local ISO 8601 without a zone, "2027-01-11T08:00:00".
QString PlanIsoText(TDateTime local);
// The Connector's own clock reading of a moment, in the same form.
QString PlanConnectorIsoText(int64_t connector);
// The events as CSV (header line first) and as an iCalendar of the starts, the full
// distributor and the collection date. `stamp` is the DTSTAMP, a UTC moment.
QByteArray PlanCsv(const TPlan& plan);
QByteArray PlanCalendar(const TPlan& plan, const TR7200& record, const QDateTime& stamp);
// The calendar for a name ending in ".ics", else the CSV; false when it cannot be written.
bool SavePlanFile(const TPlan& plan, const TR7200& record, const QString& path);
