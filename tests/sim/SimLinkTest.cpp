#include "DeviceChecks.h"
#include "SimRig.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using TKind = TConnectorModel::TKind;

TEST(SimLink, DetectsEachKindAndFollowsAChange) {
    TSimRig rig(TKind::None);
    ASSERT_EQ(Detection(rig.Device), "absent");
    rig.Model->SetKind(TKind::Small);
    ASSERT_EQ(Detection(rig.Device), "present");
    EXPECT_EQ(MemoryKind(rig.Device), "small: 8-byte blocks of 256");
    rig.Model->SetKind(TKind::Large);
    ASSERT_EQ(Detection(rig.Device), "present");
    EXPECT_EQ(MemoryKind(rig.Device), "large: 32-byte blocks of 32768");
    ASSERT_TRUE(rig.Device.ReadAdapterVersion());
    EXPECT_EQ(rig.Device.AdapterVersion(), 0x0105);
    // One port served every exchange.
    EXPECT_EQ(rig.Provider->Searches, 1);
    EXPECT_EQ(rig.Provider->PortsCreated, 1);
}

TEST(SimLink, WholeMemoryRoundTripOnBothKinds) {
    TSimRig rig;
    ASSERT_TRUE(rig.Detect());
    const std::vector<uint8_t> image = BytePattern(32768);
    ASSERT_TRUE(rig.Device.WriteMemory(4, image.data() + 4, 32764));
    EXPECT_EQ(rig.Model->Memory()[3], 0xFF); // bytes before the address stay
    EXPECT_TRUE(std::equal(image.begin() + 4, image.end(), rig.Model->Memory().begin() + 4));
    std::vector<uint8_t> back(32768, 0);
    ASSERT_TRUE(rig.Device.ReadMemory(0, back.data(), 32768));
    EXPECT_TRUE(std::equal(back.begin() + 4, back.end(), image.begin() + 4));
    EXPECT_EQ(rig.Model->RequestCount(0x40), 1024);
    EXPECT_EQ(rig.Model->RequestCount(0x30), 1024);

    rig.Model->SetKind(TKind::Small);
    ASSERT_TRUE(rig.Detect());
    const std::vector<uint8_t> small = BytePattern(256, 5);
    ASSERT_TRUE(rig.Device.WriteMemory(0, small.data(), 256));
    std::vector<uint8_t> smallBack(256, 0);
    ASSERT_TRUE(rig.Device.ReadMemory(0, smallBack.data(), 256));
    EXPECT_EQ(smallBack, small);
    EXPECT_EQ(rig.Model->RequestCount(0x60), 32);
}

TEST(SimLink, ClockSetAndReadBack) {
    TSimRig rig;
    int64_t elapsed = 0;
    rig.Model->SetElapsedSource([&] { return elapsed; });
    ASSERT_TRUE(rig.Detect());
    ASSERT_TRUE(rig.Device.SetClock({50, 59, 23, 28, 2, 12}));
    elapsed = 12'000;
    TConnectorTime time;
    ASSERT_TRUE(rig.Device.ReadClock(time));
    EXPECT_EQ(time, (TConnectorTime{2, 0, 0, 29, 2, 12})); // 2012 is a leap year
}

TEST(SimLink, LostOrBrokenRepliesAreRetried) {
    for (TReplyFault fault : {TReplyFault::Drop, TReplyFault::WrongFirst, TReplyFault::Truncate}) {
        TFaultPlan plan{.AtReply = {{1, fault}, {2, fault}, {3, fault}, {4, fault}}};
        TSimRig rig(TKind::Large, plan);
        ASSERT_TRUE(rig.Device.ReadAdapterVersion()) << int(fault);
        EXPECT_EQ(rig.Device.AdapterVersion(), 0x0105);
        EXPECT_EQ(rig.Model->RequestCount(0x10), 5);
        // Five faults in a row exhaust the attempts.
        plan.AtReply[5] = fault;
        TSimRig worse(TKind::Large, plan);
        EXPECT_FALSE(worse.Device.ReadAdapterVersion()) << int(fault);
        EXPECT_EQ(worse.Device.AdapterVersion(), 0);
        // A failed receive keeps the port.
        EXPECT_EQ(worse.Provider->Searches, 1);
    }
}

TEST(SimLink, LostWriteAcknowledgementRepeatsTheWrite) {
    TSimRig rig(TKind::Large, {.AtReply = {{3, TReplyFault::Drop}}});
    ASSERT_TRUE(rig.Detect());
    const std::vector<uint8_t> data = BytePattern(64);
    ASSERT_TRUE(rig.Device.WriteMemory(0, data.data(), 64));
    EXPECT_EQ(rig.Model->RequestCount(0x40), 3);
    EXPECT_TRUE(std::equal(data.begin(), data.end(), rig.Model->Memory().begin()));
}

TEST(SimLink, FlippedBitPassesTheLinkUnnoticed) {
    // There is no checksum on the wire: only a comparison further up finds this.
    TSimRig rig(TKind::Large, {.AtReply = {{3, TReplyFault::Flip}}});
    ASSERT_TRUE(rig.Detect());
    rig.Model->LoadMemory(BytePattern(32768).data(), 32768);
    std::vector<uint8_t> back(64, 0);
    ASSERT_TRUE(rig.Device.ReadMemory(0, back.data(), 64));
    EXPECT_EQ(DifferingBits(back.data(), rig.Model->Memory().data(), 64), 1);
}

TEST(SimLink, RefusalsFailWriteAndClock) {
    TSimRig rig(TKind::Large, {.AtReply = {{3, TReplyFault::Nak}, {5, TReplyFault::Nak}}});
    ASSERT_TRUE(rig.Detect());
    const std::vector<uint8_t> data = BytePattern(64);
    EXPECT_FALSE(rig.Device.WriteMemory(0, data.data(), 64));
    EXPECT_EQ(rig.Model->RequestCount(0x40), 1); // a refusal is an answer: no retry
    EXPECT_EQ(rig.Model->Memory()[0], 0xFF);
    ASSERT_TRUE(rig.Device.SetClock({0, 0, 12, 1, 1, 20}));
    EXPECT_FALSE(rig.Device.SetClock({0, 0, 12, 1, 1, 20}));
}

TEST(SimLink, SeededNoiseStillMovesTheWholeMemory) {
    TFaultPlan plan;
    plan.Seed = 2024;
    plan.DropProbability = 0.02;
    plan.WrongFirstProbability = 0.02;
    plan.TruncateProbability = 0.02;
    TSimRig rig(TKind::Large, plan);
    ASSERT_TRUE(rig.Detect());
    const std::vector<uint8_t> image = BytePattern(32768, 9);
    ASSERT_TRUE(rig.Device.WriteMemory(0, image.data(), 32768));
    std::vector<uint8_t> back(32768, 0);
    ASSERT_TRUE(rig.Device.ReadMemory(0, back.data(), 32768));
    EXPECT_EQ(back, image);
    EXPECT_GT(rig.Model->ReplyCount(), 2048 + 2); // some blocks needed a second attempt
}

TEST(SimLink, VanishedAdapterFailsUntilPluggedBackIn) {
    TFaultPlan plan;
    plan.VanishAfter = 2;
    TSimRig rig(TKind::Large, plan);
    ASSERT_TRUE(rig.Detect());
    EXPECT_FALSE(rig.Provider->IsPlugged());
    // The write finds the device gone, the port is dropped, each later attempt searches.
    EXPECT_FALSE(rig.Device.ReadAdapterVersion());
    EXPECT_EQ(rig.Device.ConnectedPort(), nullptr);
    EXPECT_EQ(rig.Provider->Searches, 1 + 4);
    rig.Provider->SetPlugged(true);
    ASSERT_TRUE(rig.Device.ReadAdapterVersion());
    EXPECT_EQ(rig.Provider->Searches, 6);
}

TEST(SimLink, PortOpenedBeforeAnUnplugStaysDead) {
    TSimRig rig;
    ASSERT_TRUE(rig.Device.ReadAdapterVersion());
    rig.Provider->SetPlugged(false);
    rig.Provider->SetPlugged(true);
    // The old handle fails its write; the link reconnects within the same exchange.
    ASSERT_TRUE(rig.Device.ReadAdapterVersion());
    EXPECT_EQ(rig.Provider->PortsCreated, 2);
    EXPECT_EQ(rig.Model->RequestCount(0x10), 2);
}

TEST(SimLink, PulledConnectorShowsAsAbsentAndMemoryGoesUnanswered) {
    TFaultPlan plan;
    plan.PullAfter = 3;
    TSimRig rig(TKind::Large, plan);
    ASSERT_TRUE(rig.Detect());
    std::vector<uint8_t> buffer(32, 0);
    ASSERT_TRUE(rig.Device.ReadMemory(0, buffer.data(), 32));
    EXPECT_FALSE(rig.Device.ReadMemory(0, buffer.data(), 32));
    EXPECT_EQ(rig.Model->RequestCount(0x30), 1 + 5);
    EXPECT_EQ(Detection(rig.Device), "absent");
}

TEST(SimLink, EndlessJunkEndsInThePortsInternalError) {
    TFaultPlan plan;
    plan.Junk = true;
    TSimRig rig(TKind::Large, plan);
    EXPECT_EQ(InternalErrorOf([&] { rig.Device.ReadAdapterVersion(); }),
              "Error on file SimUart line 247");
    // The port that could not be purged was not kept.
    EXPECT_EQ(rig.Device.ConnectedPort(), nullptr);
}
