#include "FakeBus.h"
#include "LittleEndian.h"
#include "R7200.h"
#include "SimRig.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

struct TTransferRig : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(Rig.Detect());
        Record.Device = &Rig.Device;
    }

    // Puts a valid image with a log of `records` sampler records into the Connector.
    void PlaceImage(uint32_t serial, int records) {
        TR7200 source;
        source.SerialNumber = serial;
        source.ConnectorName = QStringLiteral("Well 7");
        source.SamplingPeriod = 1800;
        source.Pack();
        for (int i = 0; i < records; ++i) {
            TLogRecord r = TLogRecord::Empty(1);
            r.Time = 1000 + uint32_t(i);
            r.Bottle = uint8_t(i % 24 + 1);
            r.Encode(source.Image.data() + source.LogSlotOffset(0) + 16 * i);
        }
        std::fill(source.Image.begin() + 2048 + 16 * records, source.Image.end(), 0xFF);
        Rig.Model->LoadMemory(source.Image.data(), TR7200::ImageSize);
    }

    TFixedClock Clock{Moment(2026, 1, 15, 10)};
    TSimRig Rig;
    TR7200 Record;
};

// The time a record reads from a large Connector whose clock replies with these fields.
TDateTime ClockFromReply(const TBytes& fields) {
    auto bus = std::make_shared<TFakeBus>();
    bus->Responder = [fields](const TBytes&) {
        // Built by copy: GCC 12 at -O2 misreads an insert into a one-byte vector.
        TBytes reply(fields.size() + 1, 0xA5);
        std::copy(fields.begin(), fields.end(), reply.begin() + 1);
        return reply;
    };
    TKelbDevice device(std::make_shared<TFakeProvider>(bus));
    device.SmallMemory = false;
    TR7200 record;
    record.Device = &device;
    return record.ReadConnectorClock();
}

} // namespace

TEST_F(TTransferRig, ReadTakesTheWholeImageAndScansTheLog) {
    PlaceImage(0x01020304, 40);
    std::vector<int> progress;
    Rig.Device.OnProgress = [&](int p) { progress.push_back(p); };
    ASSERT_TRUE(Record.ReadFromConnector());
    EXPECT_EQ(Record.Status, StatusOk);
    EXPECT_EQ(Record.SerialNumber, 0x01020304u);
    EXPECT_EQ(Record.ConnectorName, "Well 7");
    EXPECT_EQ(Record.SamplingPeriod, 1800u);
    EXPECT_EQ(Record.LogCount, 40);
    EXPECT_EQ(Record.LogRecordAt(39).Bottle, 40 % 24);
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.front(), 0);
    EXPECT_EQ(progress.back(), 100);
}

TEST_F(TTransferRig, ReadFailuresGiveTheirCodes) {
    PlaceImage(1, 3);
    Rig.Model->Memory()[600] ^=
        0x01; // checksum no longer matches: a transfer fault, not a file fault
    EXPECT_FALSE(Record.ReadFromConnector());
    EXPECT_EQ(Record.Status, StatusCommError);

    PlaceImage(1, 3);
    auto& memory = Rig.Model->Memory();
    memory[512] = '$';
    le::Put16(memory.data() + 1022, uint16_t(le::Get16(memory.data() + 1022) - ('$' - '#')));
    EXPECT_FALSE(Record.ReadFromConnector());
    EXPECT_EQ(Record.Status, StatusWrongVersion);

    PlaceImage(1, 3);
    Rig.Provider->SetPlugged(false);
    EXPECT_FALSE(Record.ReadFromConnector());
    EXPECT_EQ(Record.Status, StatusCommError);
}

TEST_F(TTransferRig, WriteKeepsTheSerialNumberAndLeavesOneClearRecord) {
    PlaceImage(0xCAFE0001, 25);
    Record.SerialNumber = 0x11111111; // from a file of another Connector
    Record.ConnectorName = QStringLiteral("Outlet");
    std::vector<int> progress;
    Rig.Device.OnProgress = [&](int p) { progress.push_back(p); };
    ASSERT_TRUE(Record.WriteToConnector());
    EXPECT_EQ(Record.Status, StatusOk);
    // Two passes, the write and the read-back, each from 0 to 100.
    EXPECT_EQ(progress.front(), 0);
    EXPECT_EQ(std::count(progress.begin(), progress.end(), 100), 2);
    EXPECT_EQ(
        std::adjacent_find(progress.begin(), progress.end(), [](int a, int b) { return b < a; }) -
            progress.begin(),
        std::find(progress.begin(), progress.end(), 100) - progress.begin());

    const auto& memory = Rig.Model->Memory();
    EXPECT_EQ(le::Get32(memory.data()), 0xCAFE0001u);
    EXPECT_TRUE(std::equal(memory.begin() + 4, memory.end(), Record.Image.begin() + 4));
    EXPECT_EQ(Record.LogCount, 1);

    TR7200 back;
    back.Device = &Rig.Device;
    ASSERT_TRUE(back.ReadFromConnector());
    EXPECT_EQ(back.ConnectorName, "Outlet");
    ASSERT_EQ(back.LogCount, 1);
    EXPECT_EQ(back.LogRecordAt(0).Code, 11);
    EXPECT_EQ(back.LogRecordAt(0).Time, TR7200::ToConnectorTimestamp(TClock::Now()));
}

TEST_F(TTransferRig, FailedWriteKeepsTheDocumentsLog) {
    PlaceImage(7, 30);
    ASSERT_TRUE(Record.ReadFromConnector());
    const std::vector<uint8_t> log(Record.Image.begin() + 2048, Record.Image.end());

    // Every write block refused: the write fails part-way.
    TFaultPlan plan;
    plan.NakProbability = 1.0;
    Rig.Model->SetFaultPlan(plan);
    EXPECT_FALSE(Record.WriteToConnector());
    EXPECT_EQ(Record.Status, StatusCommError);
    EXPECT_EQ(Record.LogCount, 30);
    EXPECT_EQ(Record.LogStart, 0);
    EXPECT_TRUE(std::equal(log.begin(), log.end(), Record.Image.begin() + 2048));
    // The program part is packed as for a successful write.
    EXPECT_EQ(Record.Image[512], '#');
    EXPECT_EQ(le::Get16(Record.Image.data() + 1022), Record.HeaderChecksum());
}

TEST_F(TTransferRig, VerificationCatchesOneDifferentByte) {
    PlaceImage(7, 2);
    ASSERT_TRUE(Record.ReadFromConnector());
    // A bit flipped in a read-back reply: every block was written, yet the check fails.
    Rig.Model->SetFaultPlan({.AtReply = {{1024 + 500, TReplyFault::Flip}}});
    EXPECT_FALSE(Record.WriteToConnector());
    EXPECT_EQ(Record.Status, StatusCommError);
    EXPECT_EQ(Record.LastVerify.Outcome, TVerifyResult::Mismatch);
    EXPECT_EQ(Record.LastVerify.DifferingBytes, 1);
    EXPECT_EQ(Rig.Model->RequestCount(0x40), 1024);
    EXPECT_TRUE(std::equal(Record.Image.begin() + 4, Record.Image.begin() + 2048,
                           Rig.Model->Memory().begin() + 4));
    EXPECT_EQ(Record.LogCount, 2);
}

// Worn cells and a Connector pulled before the read-back fail alike for the user, not below.
TEST_F(TTransferRig, VerificationTellsAMismatchFromAFailedReadBack) {
    struct TCase {
        TFaultPlan Plan;
        TVerifyResult::TOutcome Outcome;
        int FirstAddress;
        int DifferingBytes;
    };
    const TCase cases[] = {
        {{.StuckAt = 0x1F00, .StuckCount = 3}, TVerifyResult::Mismatch, 0x1F00, 3},
        {{.PullAfter = 1024}, TVerifyResult::ReadFailed, 0, 0},
    };
    for (const TCase& c : cases) {
        Rig.Model->SetKind(TConnectorModel::TKind::Large);
        Rig.Model->SetFaultPlan(c.Plan);
        EXPECT_FALSE(Record.WriteToConnector());
        EXPECT_EQ(Record.Status, StatusCommError);
        EXPECT_EQ(Record.LastVerify.Outcome, c.Outcome);
        EXPECT_EQ(Record.LastVerify.FirstAddress, c.FirstAddress);
        EXPECT_EQ(Record.LastVerify.DifferingBytes, c.DifferingBytes);
    }
}

TEST_F(TTransferRig, ClockRoundTripsInLocalTime) {
    // Summer time under the European rule: the Connector keeps standard time.
    Rig.Model->SetElapsedSource([] { return int64_t(0); }); // the Connector clock stands still
    const TDateTime summer = Moment(2026, 7, 1, 12, 30, 15);
    ASSERT_TRUE(Record.SetConnectorClock(summer));
    EXPECT_EQ(Rig.Model->ClockSeconds(), SecondsSince2000(2026, 7, 1, 11, 30, 15));
    EXPECT_DOUBLE_EQ(Record.ReadConnectorClock(), summer);
}

TEST_F(TTransferRig, UnreadableClockGivesNoTime) {
    Rig.Provider->SetPlugged(false);
    EXPECT_EQ(Record.ReadConnectorClock(), 0.0);
    EXPECT_FALSE(Record.SetConnectorClock(TClock::Now()));
}

TEST(Transfer, WithoutADeviceIsAnInternalError) {
    TR7200 record;
    EXPECT_EQ(InternalErrorOf([&] { record.ReadFromConnector(); }), "Error on file R7200 line 102");
    EXPECT_EQ(InternalErrorOf([&] { record.WriteToConnector(); }), "Error on file R7200 line 132");
}

TEST(Transfer, GarbledClockRepliesGiveNoTime) {
    // Replies whose fields are out of range, down to an unset clock of 0xFF bytes.
    const std::vector<TBytes> replies = {
        {0, 0, 12, 15, 0, 26},
        {0, 0, 12, 15, 13, 26},
        {0, 0, 12, 0, 6, 26},
        {60, 0, 12, 15, 6, 26},
        {0, 0, 12, 29, 2, 25},
        {0, 0, 24, 1, 1, 26},
        {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
    };
    for (const TBytes& fields : replies)
        EXPECT_EQ(ClockFromReply(fields), 0.0) << int(fields[4]);
    // A sound reply still reads: 2024-02-29 23:59:58 standard time is winter local time.
    EXPECT_DOUBLE_EQ(ClockFromReply({58, 59, 23, 29, 2, 24}), Moment(2024, 2, 29, 23, 59, 58));
}

TEST_F(TTransferRig, AClockThatAnswersWithoutATimeIsTold) {
    Rig.Model->SetElapsedSource([] { return int64_t(0); });
    Rig.Model->SetClockSeconds(0); // 2000-01-01 00:00:00, where a reset clock starts
    bool answered = false;
    EXPECT_EQ(Record.ReadConnectorClock(&answered), 0.0);
    EXPECT_TRUE(answered);
    Rig.Provider->SetPlugged(false);
    EXPECT_EQ(Record.ReadConnectorClock(&answered), 0.0);
    EXPECT_FALSE(answered);
}
