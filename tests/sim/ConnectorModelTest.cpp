#include "ConnectorModel.h"
#include "ConnectorCalendar.h"
#include "DateTime.h"
#include "LittleEndian.h"
#include "LogRecord.h"
#include "R7200.h"
#include "TestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>

namespace {

using TBytes = std::vector<uint8_t>;
using TKind = TConnectorModel::TKind;

TBytes Send(TConnectorModel& model, const TBytes& bytes) {
    model.Feed(bytes.data(), int(bytes.size()));
    TBytes out(size_t(model.Pending()));
    model.Take(out.data(), int(out.size()));
    return out;
}

TBytes WriteRequest(uint8_t command, int address, const TBytes& data) {
    // The frame has its full size before the data goes in: never grown, never cut.
    TBytes request(37, 0);
    const uint8_t head[] = {0x5A, command, uint8_t(address), uint8_t(address >> 8),
                            uint8_t(data.size())};
    std::copy(std::begin(head), std::end(head), request.begin());
    std::copy_n(data.begin(), std::min<size_t>(data.size(), 32), request.begin() + 5);
    return request;
}

uint32_t Seconds(int year, int month, int day, int hour, int minute, int second) {
    return PackTime({uint8_t(second), uint8_t(minute), uint8_t(hour), uint8_t(day), uint8_t(month),
                     uint8_t(year - 2000)});
}

uint32_t SlotTime(TConnectorModel& model, int slot) {
    return le::Get32(&model.Memory()[size_t(connector::LogArea + 16 * slot)]);
}

} // namespace

TEST(ConnectorModel, AnswersTheAdapterQueries) {
    TConnectorModel model(TKind::Large);
    EXPECT_EQ(Send(model, {0x5A, 0x10}), (TBytes{0xA5, 0x05, 0x01}));
    model.AdapterVersion = 0x0230;
    EXPECT_EQ(Send(model, {0x5A, 0x10}), (TBytes{0xA5, 0x30, 0x02}));
    EXPECT_EQ(Send(model, {0x5A, 0x20}), (TBytes{0xA5, 2}));
    EXPECT_EQ(Send(model, {0x5A, 0x70}), (TBytes{0xA5, 2}));
    model.SetKind(TKind::Small);
    EXPECT_EQ(Send(model, {0x5A, 0x20}), (TBytes{0xA5, 2}));
    EXPECT_EQ(Send(model, {0x5A, 0x70}), (TBytes{0xA5, 0}));
    model.SetKind(TKind::None);
    EXPECT_EQ(Send(model, {0x5A, 0x20}), (TBytes{0xA5, 0}));
    EXPECT_EQ(Send(model, {0x5A, 0x10}), (TBytes{0xA5, 0x30, 0x02}));
}

TEST(ConnectorModel, ParserResynchronisesOnTheNextFrameStart) {
    TConnectorModel model(TKind::Large);
    // Noise, an unknown command, a doubled frame start, then a request in two pieces.
    EXPECT_TRUE(Send(model, {0x00, 0x13, 0x5A, 0x33, 0x5A}).empty());
    EXPECT_EQ(Send(model, {0x5A, 0x30, 0x00}), TBytes{});
    EXPECT_EQ(Send(model, {0x00, 0x02}), (TBytes{0xA5, 0xFF, 0xFF}));
    EXPECT_EQ(model.RequestCount(0x30), 1);
    EXPECT_EQ(model.RequestCount(0x33), 0);
    // Two requests in one write.
    EXPECT_EQ(Send(model, {0x5A, 0x20, 0x5A, 0x70}), (TBytes{0xA5, 2, 0xA5, 2}));
}

TEST(ConnectorModel, MemoryBlocksOfEachKind) {
    TConnectorModel model(TKind::Large);
    EXPECT_EQ(Send(model, WriteRequest(0x40, 0x100, {1, 2, 3})), (TBytes{0xA5, 2}));
    EXPECT_EQ(Send(model, {0x5A, 0x30, 0xFF, 0x00, 5}), (TBytes{0xA5, 0xFF, 1, 2, 3, 0xFF}));
    // The small kind's commands and oversize blocks go unanswered.
    EXPECT_TRUE(Send(model, {0x5A, 0x50, 0, 0, 8}).empty());
    EXPECT_TRUE(Send(model, {0x5A, 0x30, 0, 0, 33}).empty());
    EXPECT_TRUE(Send(model, {0x5A, 0x30, 0, 0, 0}).empty());

    model.SetKind(TKind::Small);
    EXPECT_TRUE(Send(model, {0x5A, 0x30, 0, 0, 1}).empty());
    EXPECT_TRUE(Send(model, {0x5A, 0x80}).empty());
    EXPECT_TRUE(Send(model, {0x5A, 0x90, 0, 0, 0, 1, 1, 0}).empty());
    EXPECT_TRUE(Send(model, WriteRequest(0x60, 0, {1, 2, 3, 4, 5, 6, 7, 8, 9})).empty());
    EXPECT_EQ(Send(model, WriteRequest(0x60, 0xFE, {7, 8, 9})), (TBytes{0xA5, 2}));
    // Addresses wrap at the memory size.
    EXPECT_EQ(Send(model, {0x5A, 0x50, 0xFE, 0x00, 3}), (TBytes{0xA5, 7, 8, 9}));
    EXPECT_EQ(model.Memory(TKind::Small)[0], 9);
    // Each kind keeps its own memory.
    EXPECT_EQ(model.Memory(TKind::Large)[0x100], 1);
    EXPECT_EQ(model.Memory(TKind::Large)[0], 0xFF);

    model.SetKind(TKind::None);
    EXPECT_TRUE(Send(model, {0x5A, 0x30, 0, 0, 1}).empty());
    EXPECT_TRUE(Send(model, {0x5A, 0x50, 0, 0, 1}).empty());
}

TEST(ConnectorModel, ClockIsSeededFromThePcAndKeepsStandardTime) {
    TFixedClock now(40725.5); // 2011-07-01 12:00 local, summer time
    int64_t elapsed = 0;
    TConnectorModel model(TKind::Large);
    model.SetElapsedSource([&] { return elapsed; });
    EXPECT_EQ(model.ClockSeconds(), Seconds(2011, 7, 1, 11, 0, 0));
    elapsed = 61'999;
    EXPECT_EQ(Send(model, {0x5A, 0x80}), (TBytes{0xA5, 1, 1, 11, 1, 7, 11}));

    EXPECT_EQ(Send(model, {0x5A, 0x90, 58, 59, 23, 31, 12, 10}), (TBytes{0xA5, 2}));
    EXPECT_EQ(model.ClockSeconds(), Seconds(2010, 12, 31, 23, 59, 58));
    elapsed += 2'500;
    EXPECT_EQ(Send(model, {0x5A, 0x80}), (TBytes{0xA5, 0, 0, 0, 1, 1, 11}));
}

TEST(ConnectorModel, FixedFaultsShapeTheReply) {
    TConnectorModel model(TKind::Large, {.AtReply = {{1, TReplyFault::Drop},
                                                     {2, TReplyFault::WrongFirst},
                                                     {3, TReplyFault::Truncate},
                                                     {4, TReplyFault::Flip},
                                                     {5, TReplyFault::Nak},
                                                     {6, TReplyFault::Nak}}});
    model.LoadMemory(TBytes(32, 0).data(), 32);

    EXPECT_TRUE(Send(model, {0x5A, 0x10}).empty());
    EXPECT_EQ(Send(model, {0x5A, 0x10}), (TBytes{0x00, 0x05, 0x01}));
    const TBytes truncated = Send(model, {0x5A, 0x30, 0, 0, 32});
    ASSERT_FALSE(truncated.empty());
    EXPECT_EQ(truncated[0], 0xA5);
    EXPECT_LT(truncated.size(), 33u);
    const TBytes flipped = Send(model, {0x5A, 0x30, 0, 0, 32});
    ASSERT_EQ(flipped.size(), 33u);
    EXPECT_EQ(flipped[0], 0xA5);
    EXPECT_EQ(DifferingBits(flipped.data() + 1, model.Memory().data(), 32), 1);
    // A refused write leaves the memory alone; a refusal drawn for a query is no fault.
    EXPECT_EQ(Send(model, WriteRequest(0x40, 0, {0x11})), (TBytes{0xA5, 0}));
    EXPECT_EQ(model.Memory()[0], 0);
    EXPECT_EQ(Send(model, {0x5A, 0x20}), (TBytes{0xA5, 2}));
    EXPECT_EQ(model.ReplyCount(), 6);
}

TEST(ConnectorModel, RefusedClockSettingKeepsTheClock) {
    TConnectorModel model(TKind::Large, {.AtReply = {{1, TReplyFault::Nak}}});
    model.SetElapsedSource([] { return int64_t(0); });
    model.SetClockSeconds(1000);
    EXPECT_EQ(Send(model, {0x5A, 0x90, 0, 0, 0, 1, 1, 5}), (TBytes{0xA5, 0}));
    EXPECT_EQ(model.ClockSeconds(), 1000u);
}

TEST(ConnectorModel, DrawnFaultsAreReproducible) {
    TFaultPlan plan;
    plan.Seed = 42;
    plan.DropProbability = 0.1;
    plan.WrongFirstProbability = 0.1;
    plan.TruncateProbability = 0.1;
    plan.FlipProbability = 0.1;
    auto run = [&] {
        TConnectorModel model(TKind::Large, plan);
        TBytes all;
        for (int i = 0; i < 200; ++i) {
            const TBytes reply = Send(model, {0x5A, 0x30, uint8_t(i), 0, 16});
            all.insert(all.end(), reply.begin(), reply.end());
            all.push_back(0x42); // separator, so a dropped reply shows
        }
        return all;
    };
    const TBytes first = run();
    EXPECT_EQ(first, run());
    TConnectorModel clean(TKind::Large);
    int faulty = 0;
    TConnectorModel model(TKind::Large, plan);
    for (int i = 0; i < 200; ++i) {
        const TBytes request{0x5A, 0x30, uint8_t(i), 0, 16};
        faulty += Send(model, request) != Send(clean, request);
    }
    // 40 % of the replies are due to be hit; allow a wide margin for the draw.
    EXPECT_GT(faulty, 40);
    EXPECT_LT(faulty, 130);
}

TEST(ConnectorModel, PulledConnectorAndVanishingAdapter) {
    TFaultPlan plan;
    plan.PullAfter = 2;
    plan.VanishAfter = 4;
    TConnectorModel model(TKind::Large, plan);
    EXPECT_EQ(Send(model, {0x5A, 0x20}), (TBytes{0xA5, 2}));
    EXPECT_EQ(Send(model, {0x5A, 0x20}), (TBytes{0xA5, 2}));
    EXPECT_EQ(model.GetKind(), TKind::None);
    EXPECT_EQ(Send(model, {0x5A, 0x20}), (TBytes{0xA5, 0}));
    EXPECT_TRUE(Send(model, {0x5A, 0x30, 0, 0, 1}).empty());
    // The fourth reply still arrives; the adapter is gone once it has been taken.
    const int generation = model.PlugGeneration();
    EXPECT_EQ(Send(model, {0x5A, 0x10}), (TBytes{0xA5, 0x05, 0x01}));
    EXPECT_FALSE(model.IsPlugged());
    const uint8_t request[] = {0x5A, 0x10};
    EXPECT_FALSE(model.Feed(request, 2));
    EXPECT_EQ(model.Pending(), 0);
    model.SetPlugged(true);
    EXPECT_EQ(model.PlugGeneration(), generation + 1);
    EXPECT_EQ(Send(model, {0x5A, 0x10}), (TBytes{0xA5, 0x05, 0x01}));
}

TEST(ConnectorModel, UnpluggingDropsHalfReadRequests) {
    TConnectorModel model(TKind::Large);
    const uint8_t partial[] = {0x5A, 0x40, 0x00};
    model.Feed(partial, 3);
    EXPECT_TRUE(Send(model, {0x5A, 0x20}).empty()); // taken as the write's data
    model.SetPlugged(false);
    model.SetPlugged(true);
    model.Feed(partial, 3);
    model.SetPlugged(false);
    model.SetPlugged(true);
    EXPECT_EQ(Send(model, {0x5A, 0x20}), (TBytes{0xA5, 2}));
}

TEST(ConnectorModel, JunkNeverStops) {
    TFaultPlan plan;
    plan.Junk = true;
    TConnectorModel model(TKind::Large, plan);
    EXPECT_TRUE(model.StreamsJunk());
    // Requests go in, yet nothing that starts a reply ever comes out.
    const uint8_t version[] = {0x5A, 0x10};
    for (int i = 0; i < 200; ++i) {
        model.DiscardOutput();
        EXPECT_GT(model.Pending(), 0);
        ASSERT_TRUE(model.Feed(version, 2));
        uint8_t buffer[1000];
        const int n = model.Take(buffer, 1000);
        ASSERT_EQ(std::count(buffer, buffer + n, uint8_t(0xA5)), 0);
        EXPECT_GT(model.Pending(), 0);
    }
    EXPECT_EQ(model.RequestCount(0x10), 200);
}

TEST(ConnectorModel, DemoLogFillsTheRingWithValidRecords) {
    TFixedClock now(40725.5);
    TConnectorModel model(TKind::Large);
    model.SetElapsedSource([] { return int64_t(0); });
    const uint32_t clock = model.ClockSeconds();
    model.PrefillDemoRecords(300, 600);
    EXPECT_EQ(model.NextLogSlot(), 300);
    EXPECT_EQ(SlotTime(model, 300), TLogRecord::NeverWritten);
    for (int slot = 0; slot < 300; ++slot) {
        const uint8_t* bytes = &model.Memory()[size_t(connector::LogArea + 16 * slot)];
        ASSERT_EQ(Crc8Maxim(bytes, 15), bytes[15]) << slot;
        ASSERT_EQ(le::Get32(bytes), clock - uint32_t(299 - slot) * 600) << slot;
        ASSERT_NE(TLogRecord::CodeWord(bytes[4]), "?") << slot;
    }
    model.AppendDemoRecord();
    EXPECT_EQ(SlotTime(model, 300), clock);
    EXPECT_EQ(SlotTime(model, 301), TLogRecord::NeverWritten);
}

TEST(ConnectorModel, DemoLogWrapsWithTheWriteMarker) {
    TConnectorModel model(TKind::Large);
    model.SetElapsedSource([] { return int64_t(0); });
    model.PrefillDemoRecords(2000, 60);
    // 2000 records in 1920 slots: the newest in slot 79, the marker in slot 80.
    EXPECT_EQ(SlotTime(model, 80), TLogRecord::WriteMarker);
    EXPECT_EQ(model.NextLogSlot(), 80);
    EXPECT_EQ(SlotTime(model, 79), model.ClockSeconds());
    EXPECT_EQ(SlotTime(model, 81), model.ClockSeconds() - 1918 * 60);
    int valid = 0;
    for (int slot = 0; slot < 1920; ++slot) {
        const uint8_t* bytes = &model.Memory()[size_t(connector::LogArea + 16 * slot)];
        valid += Crc8Maxim(bytes, 15) == bytes[15];
    }
    EXPECT_EQ(valid, 1919);
    model.AppendDemoRecord();
    EXPECT_EQ(SlotTime(model, 81), TLogRecord::WriteMarker);
    // The program block ahead of the log is untouched.
    EXPECT_EQ(model.Memory()[2047], 0xFF);
}

TEST(ConnectorModel, DemoRecordsFollowAFreshlyClearedLog) {
    TConnectorModel model(TKind::Large);
    model.PrefillDemoRecords(1925);
    // The PC starts a new log: one record in slot 0, the rest erased.
    std::vector<uint8_t>& memory = model.Memory();
    std::fill(memory.begin() + connector::LogArea, memory.end(), uint8_t(0xFF));
    TLogRecord clear = TLogRecord::Empty(11);
    clear.Time = 1234;
    clear.Encode(&memory[connector::LogArea]);
    model.AppendDemoRecord();
    EXPECT_EQ(SlotTime(model, 0), 1234u);
    EXPECT_NE(SlotTime(model, 1), TLogRecord::NeverWritten);
    EXPECT_EQ(SlotTime(model, 2), TLogRecord::NeverWritten);
}

TEST(ConnectorModel, DemoHistoryFollowsTheClearRecordOfAFreshImage) {
    TFixedClock now(40725.5);
    TR7200 fresh; // its log: one "CLEAR" record stamped now
    fresh.Pack();
    TConnectorModel model(TKind::Large);
    model.SetElapsedSource([] { return int64_t(0); });
    model.LoadMemory(fresh.Image.data(), TR7200::ImageSize);
    model.PrefillDemoRecords(300, 600);

    TR7200 record;
    std::copy(model.Memory().begin(), model.Memory().end(), record.Image.begin());
    record.ScanLog();
    ASSERT_EQ(record.LogCount, 301);
    EXPECT_EQ(record.LogRecordAt(0).Code, 11);
    for (int i = 1; i < record.LogCount; ++i)
        ASSERT_GT(record.LogRecordAt(i).Time, record.LogRecordAt(i - 1).Time) << i;
    EXPECT_EQ(record.LogRecordAt(300).Time, model.ClockSeconds());

    // A log with history of its own keeps its times.
    const uint32_t clear = record.LogRecordAt(0).Time;
    model.PrefillDemoRecords(5, 600);
    EXPECT_EQ(SlotTime(model, 0), clear);
}

TEST(ConnectorModel, RecordReadsTheDemoLogWithoutRepairs) {
    for (int count : {250, 1920, 2500}) {
        TConnectorModel model(TKind::Large);
        model.PrefillDemoRecords(count, 60);
        TR7200 record;
        std::copy(model.Memory().begin(), model.Memory().end(), record.Image.begin());
        record.ScanLog();
        EXPECT_EQ(record.LogCount, std::min(count, 1919)) << count;
        uint32_t previous = 0;
        for (int i = 0; i < record.LogCount; ++i) {
            const TLogRecord r = record.LogRecordAt(i);
            ASSERT_LT(r.Code, 25) << count << " " << i; // no CORRUPTED or MARKER records
            ASSERT_GT(r.Time, previous) << count << " " << i;
            previous = r.Time;
        }
    }
}

TEST(ConnectorModel, DemoLogIsWhatASamplerWrites) {
    // The demo's day and its storm follow the clock: the same days every run.
    const TFixedClock clock(Moment(2026, 12, 9, 12));
    TConnectorModel model(TKind::Large);
    model.SetElapsedSource([] { return int64_t(0); });
    model.SetDemoProgram(3600, 4);
    model.PrefillDemoRecords(3 * 144, 600); // three days, a record each ten minutes
    std::map<int, int> counts;
    int previous = -1, steepest = 0, highest = 0;
    for (int slot = 1; slot <= 3 * 144; ++slot) {
        const TLogRecord r = TLogRecord::Decode(&model.Memory()[connector::LogArea + 16 * slot]);
        ++counts[r.Code];
        if (r.Code != LogLogger && r.Code != LogSample) continue;
        if (previous >= 0) steepest = std::max(steepest, std::abs(r.Var - previous));
        previous = r.Var;
        highest = std::max(highest, int(r.Var));
    }
    // A sample an hour less the hours whose slot a bottle change, the door or the power took.
    const std::pair<int, int> expected[] = {
        {LogPower, 1}, {LogOpen, 1}, {LogClosed, 1}, {LogBottleNext, 17}, {LogSample, 72}};
    for (const auto& [code, count] : expected)
        EXPECT_NEAR(counts[code], count, code == LogBottleNext || code == LogSample ? 2 : 0)
            << code;
    EXPECT_LT(steepest, 120) << "the flow changes smoothly";
    EXPECT_GT(highest, 700) << "the storm";
}
