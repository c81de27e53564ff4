#include "Plan.h"

#include "ConnectorCalendar.h"
#include "PlanText.h"
#include "ProgramModel.h"
#include "R7200.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

using F = TField;

constexpr int64_t Day = 86400;
constexpr double StartLead = 600; // a timed start must lie this far ahead to be written
constexpr double ClockTolerance = 60;
// Connector seconds are a signed 32-bit count.
constexpr int64_t LastSecond = std::numeric_limits<int32_t>::max();

// The program as the planner reads it. The one place that knows the record: the program
// model can take its place here without the planner changing.
struct TProgram {
    int SamplerMode = 0;
    int ProgramMode = 0;
    double StartDelay = 0;
    TDateTime StartTime = 0;
    std::array<int, 7> ScheduleAt{}; // minutes on the Connector clock
    std::array<int, 7> ScheduleWeeks{};
    double SamplingPeriod = 0;
    int PulsesPerSample = 0;
    double MaximumInterval = 0; // 0: off
    int SamplesRate = 0;
    bool ChangeByTime = false;
    double ChangeInterval = 0;
    int Capacity = AutoCapacity;
    int BottlesLimit = NoBottlesLimit;
    int BottlesPerGroup = 1;
    int SamplesPerBottle = 1;
    bool Logger = false;
    double LoggerPeriod = 0;
    int EventMode = 0;
    bool EventStarts = false;
    bool EventChangesBottle = false;
    bool PreSampling = false;
    int PreSamples = 0;
    double PreInterval = 0;
    bool Var = false;
    QString VarMaximum;
    int LogCount = 0;
};

int Int(F field, const TR7200& r, int index = 0) {
    return int(FieldValue(field, r, index));
}

// The fields the plan depends on, each checked by its own rule; "" when all pass.
QString Refused(const TR7200& r) {
    std::vector<std::pair<F, int>> fields = {{F::SamplerMode, 0}};
    const int mode = Int(F::SamplerMode, r);
    if (mode != SamplerExternalControl) {
        fields.insert(fields.end(), {{F::Capacity, 0},
                                     {F::BottlesPerGroup, 0},
                                     {F::SamplesPerBottle, 0},
                                     {F::ProgramMode, 0}});
        if (Int(F::BottlesLimit, r) != NoBottlesLimit) fields.push_back({F::BottlesLimit, 0});
        switch (Int(F::ProgramMode, r)) {
        case ProgramAfterDelay:
            fields.push_back({F::ProgramStartDelay, 0});
            break;
        case ProgramByScheduler:
            for (int d = 0; d < 7; ++d)
                fields.insert(fields.end(), {{F::ScheduleStartAt, d}, {F::ScheduleWeeks, d}});
            break;
        default:
            break;
        }
    }
    if (mode == SamplerPeriodical) fields.push_back({F::SamplingPeriod, 0});
    if (mode == SamplerFlowPulses) fields.push_back({F::PulsesPerSample, 0});
    if (mode == SamplerFlowRate)
        fields.insert(fields.end(), {{F::FlowMaximum, 0}, {F::SamplesRate, 0}});
    if ((mode == SamplerFlowPulses || mode == SamplerFlowRate) && Int(F::MaximumInterval, r) != 0)
        fields.push_back({F::MaximumInterval, 0});
    if ((mode == SamplerFlowPulses || mode == SamplerFlowRate) && Int(F::BottleChangeBy, r) == 1)
        fields.push_back({F::ChangeInterval, 0});
    if (Int(F::LoggerMode, r) != 0) fields.push_back({F::LoggerPeriod, 0});
    for (const auto& [field, index] : fields) {
        const double value = FieldValue(field, r, index);
        if (CheckFieldValue(field, r, value) != TFieldCheck::Accepted)
            return PlanText::Refused(QString::fromLatin1(FieldRule(field).Name),
                                     FieldText(field, r, index));
    }
    // The start time is compared with the clock by its rule; the plan warns about that instead.
    if (mode != SamplerExternalControl && Int(F::ProgramMode, r) == ProgramAtTime) {
        const TFieldRule& rule = FieldRule(F::ProgramStartTime);
        const double t = r.ProgramStartTime;
        if (!(t >= rule.Min && t <= rule.Max))
            return PlanText::Refused(QString::fromLatin1(rule.Name),
                                     FieldText(F::ProgramStartTime, r));
    }
    return {};
}

TProgram ProgramOf(const TR7200& r) {
    TProgram p;
    p.SamplerMode = Int(F::SamplerMode, r);
    p.ProgramMode = Int(F::ProgramMode, r);
    p.StartDelay = FieldValue(F::ProgramStartDelay, r);
    p.StartTime = FieldValue(F::ProgramStartTime, r);
    for (int d = 0; d < 7; ++d) {
        p.ScheduleAt[size_t(d)] = Int(F::ScheduleStartAt, r, d) / 60;
        p.ScheduleWeeks[size_t(d)] = Int(F::ScheduleWeeks, r, d);
    }
    p.SamplingPeriod = FieldValue(F::SamplingPeriod, r);
    p.PulsesPerSample = Int(F::PulsesPerSample, r);
    p.MaximumInterval = FieldValue(F::MaximumInterval, r);
    p.SamplesRate = Int(F::SamplesRate, r);
    p.ChangeByTime = Int(F::BottleChangeBy, r) == ChangeByTimeInterval &&
                     (p.SamplerMode == SamplerFlowPulses || p.SamplerMode == SamplerFlowRate);
    p.ChangeInterval = FieldValue(F::ChangeInterval, r);
    p.Capacity = Int(F::Capacity, r);
    p.BottlesLimit = Int(F::BottlesLimit, r);
    p.BottlesPerGroup = Int(F::BottlesPerGroup, r);
    p.SamplesPerBottle = Int(F::SamplesPerBottle, r);
    p.Logger = Int(F::LoggerMode, r) != 0;
    p.LoggerPeriod = FieldValue(F::LoggerPeriod, r);
    p.EventMode = Int(F::EventMode, r);
    p.EventStarts = Int(F::EventRun, r) != 0;
    p.EventChangesBottle = Int(F::EventChangeBottle, r) != 0;
    p.PreSampling = Int(F::PreSampling, r) != 0;
    p.PreSamples = Int(F::PreSamplingSamples, r);
    p.PreInterval = FieldValue(F::PreSamplingInterval, r);
    p.Var = Int(F::EnableVar, r) != 0 && p.SamplerMode <= SamplerPeriodical;
    p.VarMaximum = FieldText(F::VarMaximum, r) + u' ' + r.Analog1.Units;
    p.LogCount = r.LogCount;
    return p;
}

TDateTime LocalOf(int64_t connector) {
    return FromConnectorTimestamp(uint32_t(connector));
}

// Wall clock minus Connector clock: 0 or one hour.
int64_t Offset(int64_t connector) {
    TConnectorTime local;
    UnpackLocalTime(uint32_t(connector), local);
    return int64_t(PackTime(local)) - connector;
}

bool ScheduledOn(const TProgram& p, int64_t day) {
    int year, month, dayOfMonth;
    DayToDate(uint16_t(day), year, month, dayOfMonth);
    const int weeks = p.ScheduleWeeks[size_t(WeekDay(uint16_t(day)))];
    const int week = (dayOfMonth - 1) / 7;
    if (week < 4 && (weeks & (1 << week))) return true;
    return (weeks & 0x20) && dayOfMonth + 7 > DaysInMonth(year, month);
}

std::vector<int64_t> Starts(const TProgram& p, int64_t from, int64_t end) {
    switch (p.ProgramMode) {
    case ProgramImmediately:
        return {from};
    case ProgramAfterDelay:
        return {from + int64_t(p.StartDelay)};
    case ProgramAtTime:
        return {int64_t(ToConnectorTimestamp(p.StartTime))};
    case ProgramByScheduler:
        break;
    default:
        return {};
    }
    std::vector<int64_t> starts;
    for (int64_t day = from / Day; day * Day < end; ++day) {
        const int64_t t = day * Day + 60 * int64_t(p.ScheduleAt[size_t(WeekDay(uint16_t(day)))]);
        if (t >= from && t < end && ScheduledOn(p, day)) starts.push_back(t);
    }
    return starts;
}

// Seconds between two samples under the assumptions; 0 when no sample can be planned.
double SampleInterval(const TProgram& p, const TPlanRequest& q) {
    double flow = 0;
    if (p.SamplerMode == SamplerPeriodical) return p.SamplingPeriod;
    if (p.SamplerMode == SamplerFlowPulses && q.PulsesPerHour && *q.PulsesPerHour > 0)
        flow = p.PulsesPerSample * 3600.0 / *q.PulsesPerHour;
    if (p.SamplerMode == SamplerFlowRate && q.FlowPercent && *q.FlowPercent > 0)
        flow = 3600.0 / (p.SamplesRate * *q.FlowPercent / 100);
    if (p.MaximumInterval > 0 && (flow == 0 || flow > p.MaximumInterval)) return p.MaximumInterval;
    return flow;
}

class TPlanner {
public:
    TPlanner(const TProgram& program, const TPlanRequest& request, TPlan& plan)
        : P(program), Q(request), Plan(plan) {}

    void Run(const std::vector<int64_t>& starts) {
        Interval = P.SamplerMode == SamplerExternalControl ? 0 : SampleInterval(P, Q);
        for (size_t i = 0; i < starts.size() && !Plan.Truncated; ++i) {
            const int64_t next = i + 1 < starts.size() ? starts[i + 1] : Plan.WindowEnd;
            const int64_t full = RunFrom(int(i) + 1, starts[i], std::min(next, Plan.WindowEnd));
            if (full >= 0 && i + 1 < starts.size() && !FullWarned) {
                FullWarned = true;
                Plan.Warnings << PlanText::FullBeforeNextStart(PlanMomentText(LocalOf(full)),
                                                               PlanMomentText(LocalOf(next)));
            }
            if (i == 0) FirstFull = full;
        }
        const int64_t end = Plan.Truncated ? Plan.Events.back().Connector : Plan.WindowEnd;
        Add({TPlanKind::End, end}, true);
    }

    int64_t FirstFull = -1;
    double Interval = 0;
    int64_t Samples = 0;

private:
    // One run from its start until the distributor is full or `until`; the moment it was
    // full, or -1.
    int64_t RunFrom(int run, int64_t start, int64_t until) {
        if (!Add({TPlanKind::Start, start, run})) return -1;
        const int groups = Plan.BottleCount > 0 ? Plan.BottleCount / P.BottlesPerGroup : 0;
        const int size = P.BottlesPerGroup;
        int group = 0;
        int inGroup = 0;
        auto bottleOf = [&](int g) { return g * size + 1; };
        int64_t nextChange = P.ChangeByTime ? start + int64_t(P.ChangeInterval) : -1;
        const double first = P.SamplerMode == SamplerPeriodical ? 0 : Interval;
        for (int64_t k = 0; Interval > 0; ++k) {
            const int64_t t = start + int64_t(std::llround(first + double(k) * Interval));
            // Time-changed bottles move whether or not a sample came.
            while (nextChange >= 0 && nextChange < t && nextChange < until) {
                if (groups > 0 && group + 1 >= groups) {
                    return Add({TPlanKind::Full, nextChange, run, bottleOf(group), size})
                               ? nextChange
                               : -1;
                }
                ++group;
                inGroup = 0;
                if (!Add({TPlanKind::Bottle, nextChange, run, bottleOf(group), size})) return -1;
                nextChange += int64_t(P.ChangeInterval);
            }
            if (t >= until) break;
            ++inGroup;
            ++Samples;
            if (!Add({TPlanKind::Sample, t, run, bottleOf(group), size, inGroup})) return -1;
            if (P.ChangeByTime || inGroup < P.SamplesPerBottle) continue;
            if (groups > 0 && group + 1 >= groups)
                return Add({TPlanKind::Full, t, run, bottleOf(group), size}) ? t : -1;
            ++group;
            inGroup = 0;
            if (!Add({TPlanKind::Bottle, t, run, bottleOf(group), size})) return -1;
        }
        while (nextChange >= 0 && nextChange < until) {
            if (groups > 0 && group + 1 >= groups)
                return Add({TPlanKind::Full, nextChange, run, bottleOf(group), size}) ? nextChange
                                                                                      : -1;
            ++group;
            if (!Add({TPlanKind::Bottle, nextChange, run, bottleOf(group), size})) return -1;
            nextChange += int64_t(P.ChangeInterval);
        }
        return -1;
    }

    struct TRaw {
        TPlanKind Kind;
        int64_t Time;
        int Run = 0;
        int Bottle = 0;
        int Bottles = 0;
        int Sample = 0;
    };

    bool Add(const TRaw& e, bool last = false) {
        if (Plan.Truncated && !last) return false;
        // Room is kept for the end and the full log ring.
        if (!last && int(Plan.Events.size()) >= plan::MaxEvents - 2) {
            Plan.Truncated = true;
            return false;
        }
        const TPlanEvent event{e.Kind,   e.Time,    LocalOf(e.Time), e.Run,
                               e.Bottle, e.Bottles, e.Sample};
        Plan.Events.push_back(event);
        return true;
    }

    const TProgram& P;
    const TPlanRequest& Q;
    TPlan& Plan;
    bool FullWarned = false;
};

// The moment the ring holds its last free record, or -1 when that is not before `end`.
// The sampler logs each start, sample and bottle change, and a LOGGER record every period.
int64_t LogFullAt(const TProgram& p, const std::vector<TPlanEvent>& events, int64_t from,
                  int64_t end) {
    int64_t count = std::max(p.LogCount, 0);
    const int64_t period = p.Logger ? int64_t(p.LoggerPeriod) : 0;
    int64_t ticks = 0; // logger records counted so far
    auto tickAt = [&](int64_t n) { return from + n * period; };
    for (const TPlanEvent& e : events) {
        if (e.Kind == TPlanKind::End) break;
        while (period > 0 && tickAt(ticks + 1) <= e.Connector) {
            ++ticks;
            if (++count >= plan::LogRing) return tickAt(ticks);
        }
        if (e.Kind != TPlanKind::Full && ++count >= plan::LogRing) return e.Connector;
    }
    if (count >= plan::LogRing) return from;
    if (period <= 0) return -1;
    const int64_t t = tickAt(ticks + (plan::LogRing - count));
    return t < end ? t : -1;
}

// Each daylight-saving switch inside the window, with the direction.
void DaylightWarnings(const TProgram& p, const TPlan& plan, QStringList& warnings) {
    for (int64_t day = plan.WindowStart; day < plan.WindowEnd; day += Day) {
        const int64_t next = std::min(day + Day, plan.WindowEnd);
        if (Offset(day) == Offset(next)) continue;
        int64_t low = day, high = next;
        while (high - low > 1) {
            const int64_t mid = (low + high) / 2;
            (Offset(mid) == Offset(day) ? low : high) = mid;
        }
        const bool summer = Offset(high) > Offset(day);
        const QString when = PlanMomentText(LocalOf(high));
        if (p.SamplerMode != SamplerExternalControl && p.ProgramMode == ProgramByScheduler)
            warnings << PlanText::DaylightScheduler(summer, when);
        else
            warnings << PlanText::Daylight(summer, when);
    }
}

void Warn(const TProgram& p, const TPlanRequest& q, const std::vector<int64_t>& starts,
          const TPlanner& planner, TPlan& plan) {
    const TDateTime now = TClock::Now();
    if (q.ConnectorClock) {
        if (*q.ConnectorClock == 0)
            plan.Warnings << PlanText::ClockUnset();
        else if (std::abs(*q.ConnectorClock - now) * Day > ClockTolerance)
            plan.Warnings << PlanText::ClockOff(
                int64_t(std::llround((*q.ConnectorClock - now) * Day)));
    }
    if (p.SamplerMode == SamplerExternalControl) return;
    const bool timed = p.ProgramMode == ProgramAtTime || p.ProgramMode == ProgramByScheduler;
    if (timed && !starts.empty()) {
        const TDateTime first = LocalOf(starts.front());
        if (first <= now)
            plan.Warnings << PlanText::StartPast(PlanMomentText(first));
        else if ((first - now) * Day < StartLead)
            plan.Warnings << PlanText::StartSoon(PlanMomentText(first));
    }
    if (p.ProgramMode == ProgramByScheduler &&
        std::all_of(p.ScheduleWeeks.begin(), p.ScheduleWeeks.end(), [](int w) { return w == 0; }))
        plan.Warnings << PlanText::NoScheduledActivity();
    else if (starts.empty() || starts.front() >= plan.WindowEnd)
        plan.Warnings << PlanText::NoStartInWindow();
    if (p.SamplerMode != SamplerPeriodical && planner.Interval <= 0)
        plan.Warnings << PlanText::NoSamplesPlanned();
}

void Summarize(const TProgram& p, const TPlanRequest& q, const std::vector<int64_t>& starts,
               const TPlanner& planner, TPlan& plan) {
    QStringList& s = plan.Summary;
    if (p.SamplerMode == SamplerExternalControl) {
        s << PlanText::ExternalControl();
    } else {
        const QString first = starts.empty() ? QString() : PlanMomentText(LocalOf(starts.front()));
        if (starts.empty() || starts.front() >= plan.WindowEnd)
            s << PlanText::NoStart(p.ProgramMode == ProgramByScheduler);
        else
            s << PlanText::Start(p.ProgramMode, first, int64_t(p.StartDelay), int(starts.size()));
        s << PlanText::Sampling(p.SamplerMode, planner.Interval, p.PulsesPerSample, p.SamplesRate,
                                p.MaximumInterval,
                                q.PulsesPerHour.has_value() || q.FlowPercent.has_value());
        const QString full =
            planner.FirstFull >= 0 ? PlanMomentText(LocalOf(planner.FirstFull)) : QString();
        s << PlanText::Bottles(p.ChangeByTime, p.SamplesPerBottle, int64_t(p.ChangeInterval),
                               p.BottlesPerGroup, plan.BottleCount, full);
        if (p.Var) s << PlanText::Var(p.VarMaximum);
    }
    if (p.SamplerMode != SamplerExternalControl)
        s << PlanText::Event(p.EventMode, p.EventStarts, p.EventChangesBottle);
    if (p.EventMode != EventDisabled && p.PreSampling)
        s << PlanText::PreSampling(p.PreSamples, int64_t(p.PreInterval));
    const int64_t span = std::max<int64_t>(plan.Events.back().Connector - plan.WindowStart, 1);
    const auto logged =
        std::count_if(plan.Events.begin(), plan.Events.end(), [](const TPlanEvent& e) {
            return e.Kind == TPlanKind::Start || e.Kind == TPlanKind::Sample ||
                   e.Kind == TPlanKind::Bottle;
        });
    const double perDay =
        double(logged) * Day / double(span) + (p.Logger ? Day / p.LoggerPeriod : 0);
    s << PlanText::LogRate(perDay);
}

} // namespace

TPlan MakePlan(const TR7200& record, const TPlanRequest& q) {
    TPlan plan;
    if (q.Days < 1 || q.Days > plan::MaxDays) {
        plan.Refusal = TPlanRefusal::Window;
        plan.RefusalText = PlanText::BadDays(q.Days);
        return plan;
    }
    const TDateTime from = q.From != 0 ? q.From : TClock::Now();
    const int64_t start = ToConnectorTimestamp(from);
    TDateTime first = 0;
    TryEncodeDateTime(2000, 1, 2, 0, 0, 0, 0, first);
    if (!(from >= first) || start + int64_t(q.Days) * Day + 2 * Day > LastSecond) {
        plan.Refusal = TPlanRefusal::Window;
        plan.RefusalText = PlanText::BadFrom();
        return plan;
    }
    if ((q.PulsesPerHour &&
         !(*q.PulsesPerHour >= 0 && *q.PulsesPerHour <= plan::MaxPulsesPerHour)) ||
        (q.FlowPercent && !(*q.FlowPercent >= 0 && *q.FlowPercent <= 100)) ||
        (q.Capacity && !(*q.Capacity >= 1 && *q.Capacity <= 24))) {
        plan.Refusal = TPlanRefusal::Assumption;
        plan.RefusalText = PlanText::BadAssumption();
        return plan;
    }
    if (const QString refused = Refused(record); !refused.isEmpty()) {
        plan.Refusal = TPlanRefusal::Program;
        plan.RefusalText = refused;
        return plan;
    }
    const TProgram p = ProgramOf(record);
    plan.WindowStart = start;
    plan.WindowEnd = start + int64_t(q.Days) * Day;

    if (p.Capacity == AutoCapacity) {
        plan.BottleCount = q.Capacity.value_or(0);
        if (q.Capacity) plan.Assumptions << PlanText::AssumedCapacity(*q.Capacity);
    } else {
        // Bottles left over after the last whole group stay empty.
        const int usable =
            p.BottlesLimit == NoBottlesLimit ? p.Capacity : std::min(p.BottlesLimit, p.Capacity);
        plan.BottleCount = usable / p.BottlesPerGroup * p.BottlesPerGroup;
    }
    if (p.SamplerMode == SamplerFlowPulses && q.PulsesPerHour)
        plan.Assumptions << PlanText::AssumedPulses(*q.PulsesPerHour);
    if (p.SamplerMode == SamplerFlowRate && q.FlowPercent)
        plan.Assumptions << PlanText::AssumedFlow(*q.FlowPercent);
    plan.Assumptions << PlanText::AssumedLog(std::max(p.LogCount, 0));

    const std::vector<int64_t> starts = p.SamplerMode == SamplerExternalControl
                                            ? std::vector<int64_t>{}
                                            : Starts(p, plan.WindowStart, plan.WindowEnd);
    std::vector<int64_t> inWindow;
    for (const int64_t t : starts)
        if (t < plan.WindowEnd) inWindow.push_back(t);
    TPlanner planner(p, q, plan);
    planner.Run(inWindow);

    const int64_t logEnd = plan.Events.back().Connector;
    if (const int64_t full = LogFullAt(p, plan.Events, plan.WindowStart, logEnd); full >= 0) {
        const TPlanEvent event{TPlanKind::LogFull, full, LocalOf(full)};
        const auto at =
            std::upper_bound(plan.Events.begin(), plan.Events.end() - 1, full,
                             [](int64_t t, const TPlanEvent& e) { return t < e.Connector; });
        plan.Events.insert(at, event);
        plan.Warnings << PlanText::LogFull(PlanMomentText(event.Local));
    }
    Warn(p, q, starts, planner, plan);
    DaylightWarnings(p, plan, plan.Warnings);
    Summarize(p, q, starts, planner, plan);
    if (plan.Truncated)
        plan.Warnings << PlanText::Truncated(plan::MaxEvents,
                                             PlanMomentText(plan.Events.back().Local));
    return plan;
}
