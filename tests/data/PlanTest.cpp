#include "Plan.h"
#include "R7200.h"
#include "TestSupport.h"

#include <QRegularExpression>
#include <functional>
#include <gtest/gtest.h>

namespace {

using K = TPlanKind;

// Hourly from 2027-01-11 08:00, 2 samples a bottle, 12 bottles.
TR7200 Hourly() {
    TR7200 r;
    r.SamplerMode = SamplerPeriodical;
    r.ProgramMode = ProgramAtTime;
    r.ProgramStartTime = Moment(2027, 1, 11, 8, 0);
    r.SamplingPeriod = 3600;
    r.SamplesPerBottle = 2;
    r.Capacity = 12;
    return r;
}

struct TRow {
    const char* Name;
    std::function<void(TR7200&)> Edit;
    TPlanRequest Request;
    std::vector<std::pair<K, TDateTime>> Expected; // events of these kinds, in order
    int Samples;                                   // -1: not checked
    std::vector<int> SampleBottles;                // bottles of the first samples
    const char* Warning;                           // a pattern one warning must match; "" none
    const char* Summary;
};

int Count(const TPlan& plan, K kind) {
    return int(std::count_if(plan.Events.begin(), plan.Events.end(),
                             [kind](const TPlanEvent& e) { return e.Kind == kind; }));
}

} // namespace

TEST(Plan, FollowsTheProgram) {
    const TFixedClock clock(Moment(2027, 1, 1, 12, 0));
    const TDateTime jan1 = Moment(2027, 1, 1, 8, 0);
    auto weekly = [](int day, int weeks, int at) {
        return [=](TR7200& r) {
            r.ProgramMode = ProgramByScheduler;
            r.Schedule[size_t(day)] = {uint16_t(at), uint8_t(weeks)};
        };
    };
    // clang-format off
    const TRow rows[] = {
        {"hourly until full", {}, {jan1, 14},
         {{K::Start, Moment(2027, 1, 11, 8, 0)}, {K::Full, Moment(2027, 1, 12, 7, 0)}}, 24,
         {1, 1, 2, 2, 3}, "", "full on 12 Jan 2027 at 07:00"},
        {"immediately at the start moment", [](TR7200& r) { r.ProgramMode = ProgramImmediately; },
         {jan1, 1}, {{K::Start, jan1}, {K::Full, Moment(2027, 1, 2, 7, 0)}}, 24, {}, "", ""},
        {"after the delay", [](TR7200& r) { r.ProgramMode = ProgramAfterDelay; r.ProgramStartDelay = 5400; },
         {jan1, 1}, {{K::Start, Moment(2027, 1, 1, 9, 30)}}, 23, {}, "", "delay of 1 h 30 min"},
        {"first and last Monday", weekly(0, 0x21, 8 * 60), {jan1, 31},
         {{K::Start, Moment(2027, 1, 4, 8, 0)}, {K::Full, Moment(2027, 1, 5, 7, 0)},
          {K::Start, Moment(2027, 1, 25, 8, 0)}}, 48, {}, "", "starts in the plan: 2"},
        {"scheduler across the last Sunday of March", weekly(6, 0x2F, 8 * 60), {Moment(2027, 3, 20), 14},
         {{K::Start, Moment(2027, 3, 21, 8, 0)}, {K::Start, Moment(2027, 3, 28, 9, 0)}}, -1, {},
         "Summer time begins on 28 Mar 2027 at 03:00: the scheduled starts .* one hour later", ""},
        {"full before the next weekly start", weekly(1, 0x2F, 0), {jan1, 14}, {}, -1, {},
         "full on 5 Jan 2027 at 23:00, before the next start on 12 Jan 2027", ""},
        {"no scheduled activity", weekly(0, 0, 0), {jan1, 7}, {{K::End, Moment(2027, 1, 8, 8, 0)}},
         0, {}, "No scheduled activity", "no day of the plan"},
        {"start in the past", [](TR7200& r) { r.ProgramStartTime = Moment(2027, 1, 1, 9, 0); },
         {jan1, 1}, {{K::Start, Moment(2027, 1, 1, 9, 0)}}, 23, {}, "lies in the past", ""},
        {"start too soon", [](TR7200& r) { r.ProgramStartTime = Moment(2027, 1, 1, 12, 5); },
         {jan1, 1}, {}, -1, {}, "less than 10 minutes ahead", ""},
        {"groups within the bottles limit",
         [](TR7200& r) { r.Capacity = 24; r.BottlesLimit = 7; r.BottlesPerGroup = 2; r.SamplesPerBottle = 1; },
         {jan1, 14}, {{K::Full, Moment(2027, 1, 11, 10, 0)}}, 3, {1, 3, 5}, "", "into 6 bottles"},
        {"Auto capacity without an end", [](TR7200& r) { r.Capacity = 0; r.SamplesPerBottle = 240; },
         {jan1, 14}, {}, -1, {1, 1}, "", "no end of bottles"},
        {"Auto capacity given", [](TR7200& r) { r.Capacity = 0; r.SamplesPerBottle = 1; },
         {jan1, 14, {}, {}, 4}, {{K::Full, Moment(2027, 1, 11, 11, 0)}}, 4, {1, 2, 3, 4}, "", ""},
        {"flow pulses bounded by the maximum interval",
         [](TR7200& r) { r.SamplerMode = SamplerFlowPulses; r.PulsesPerSample = 100; r.MaximumInterval = 7200; },
         {jan1, 11}, {{K::Start, Moment(2027, 1, 11, 8, 0)}, {K::Sample, Moment(2027, 1, 11, 10, 0)}},
         -1, {}, "", "Samples follow the flow"},
        {"flow pulses with an assumed flow",
         [](TR7200& r) { r.SamplerMode = SamplerFlowPulses; r.PulsesPerSample = 100; r.MaximumInterval = 7200; },
         {jan1, 11, 400.0}, {{K::Sample, Moment(2027, 1, 11, 8, 15)}}, -1, {}, "", "a sample every 15 min"},
        {"flow without a bound plans nothing",
         [](TR7200& r) { r.SamplerMode = SamplerFlowPulses; r.PulsesPerSample = 100; r.MaximumInterval = 0; },
         {jan1, 11}, {}, 0, {}, "no sample can be planned", ""},
        {"flow rate, bottles by time",
         [](TR7200& r) { r.SamplerMode = SamplerFlowRate; r.SamplesRate = 4; r.FlowMaximum = 1000;
                         r.BottleChangeBy = ChangeByTimeInterval; r.ChangeInterval = 86400; },
         {jan1, 30, {}, 50.0}, {{K::Sample, Moment(2027, 1, 11, 8, 30)}, {K::Bottle, Moment(2027, 1, 12, 8, 0)},
          {K::Full, Moment(2027, 1, 23, 8, 0)}}, 12 * 48, {}, "", "Bottles change every 1 d"},
        {"external control: only the logger fills the log",
         [](TR7200& r) { r.SamplerMode = SamplerExternalControl; r.LoggerMode = 1; r.LoggerPeriod = 60; },
         {jan1, 2}, {{K::LogFull, jan1 + 1919.0 / 1440}}, 0, {},
         "Collect the Connector before 2 Jan 2027 at 15:59", "external control"},
    };
    // clang-format on
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Name);
        TR7200 r = Hourly();
        r.LogCount = 1;
        if (row.Edit) row.Edit(r);
        const TPlan plan = MakePlan(r, row.Request);
        ASSERT_EQ(plan.Refusal, TPlanRefusal::None) << plan.RefusalText.toStdString();
        ASSERT_FALSE(plan.Events.empty());
        EXPECT_EQ(plan.Events.back().Kind, K::End);
        for (size_t i = 1; i < plan.Events.size(); ++i)
            ASSERT_LE(plan.Events[i - 1].Connector, plan.Events[i].Connector);
        size_t at = 0;
        for (const auto& [kind, local] : row.Expected) {
            while (at < plan.Events.size() && plan.Events[at].Kind != kind)
                ++at;
            ASSERT_LT(at, plan.Events.size()) << PlanKindName(kind).toStdString();
            EXPECT_EQ(PlanIsoText(plan.Events[at].Local), PlanIsoText(local));
            ++at;
        }
        EXPECT_TRUE(row.Samples < 0 || Count(plan, K::Sample) == row.Samples)
            << Count(plan, K::Sample);
        std::vector<int> bottles;
        for (const TPlanEvent& e : plan.Events)
            if (e.Kind == K::Sample && bottles.size() < row.SampleBottles.size())
                bottles.push_back(e.Bottle);
        EXPECT_EQ(bottles, row.SampleBottles);
        const QString warnings = plan.Warnings.join(u'\n');
        EXPECT_TRUE(!*row.Warning ||
                    warnings.contains(QRegularExpression(QString::fromUtf8(row.Warning))))
            << warnings.toStdString();
        EXPECT_TRUE(plan.Summary.join(u' ').contains(QString::fromUtf8(row.Summary)))
            << plan.Summary.join(u' ').toStdString();
    }
}

// The Connector clock keeps standard time: after the switch the wall clock reads an hour more.
TEST(Plan, ShowsBothClocksAcrossTheSwitch) {
    TR7200 r = Hourly();
    r.ProgramMode = ProgramByScheduler;
    r.Schedule[6] = {8 * 60, 0x20};
    const TPlan plan = MakePlan(r, {Moment(2027, 3, 1), 31});
    ASSERT_EQ(plan.Events.front().Kind, K::Start);
    EXPECT_EQ(PlanIsoText(plan.Events.front().Local), QStringLiteral("2027-03-28T09:00:00"));
    EXPECT_EQ(PlanConnectorIsoText(plan.Events.front().Connector),
              QStringLiteral("2027-03-28T08:00:00"));
}

TEST(Plan, RefusesAbsurdInputAndStopsAtTheEventLimit) {
    const struct {
        std::function<void(TR7200&)> Edit;
        TPlanRequest Request;
        TPlanRefusal Refusal;
    } rows[] = {
        {{}, {Moment(2027, 1, 1), 0}, TPlanRefusal::Window},
        {{}, {Moment(2027, 1, 1), 100000}, TPlanRefusal::Window},
        {{}, {Moment(2067, 12, 1), 366}, TPlanRefusal::Window},
        {{}, {Moment(2027, 1, 1), 7, {}, 101.0}, TPlanRefusal::Assumption},
        {{}, {Moment(2027, 1, 1), 7, -1.0}, TPlanRefusal::Assumption},
        {[](TR7200& r) { r.SamplingPeriod = 60; }, {Moment(2027, 1, 1), 7}, TPlanRefusal::Program},
        {[](TR7200& r) { r.BottlesPerGroup = 13; }, {Moment(2027, 1, 1), 7}, TPlanRefusal::Program},
        {[](TR7200& r) { r.ProgramStartTime = 0; }, {Moment(2027, 1, 1), 7}, TPlanRefusal::Program},
    };
    for (const auto& row : rows) {
        TR7200 r = Hourly();
        if (row.Edit) row.Edit(r);
        const TPlan plan = MakePlan(r, row.Request);
        EXPECT_EQ(plan.Refusal, row.Refusal) << plan.RefusalText.toStdString();
        EXPECT_FALSE(plan.RefusalText.isEmpty());
        EXPECT_TRUE(plan.Events.empty());
    }
    TR7200 dense = Hourly();
    dense.SamplingPeriod = 120;
    dense.Capacity = 24;
    dense.SamplesPerBottle = 240;
    dense.ProgramMode = ProgramByScheduler;
    dense.Schedule.fill({0, 0x2F});
    const TPlan plan = MakePlan(dense, {Moment(2027, 1, 1), 366});
    EXPECT_TRUE(plan.Truncated);
    EXPECT_LE(int(plan.Events.size()), plan::MaxEvents);
    EXPECT_GE(int(plan.Events.size()), plan::MaxEvents - 2);
    EXPECT_TRUE(plan.Warnings.join(u' ').contains(QStringLiteral("stops at 100000 events")));
}
