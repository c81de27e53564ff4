#include "KelbDevice.h"
#include "DeviceChecks.h"
#include "FakeBus.h"
#include "InternalError.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

// Answers block commands from its own memory and acknowledges writes with 2.
struct TFakeMemory {
    std::vector<uint8_t> Bytes = std::vector<uint8_t>(32768, 0);
    struct TBlock {
        uint8_t Command;
        int Address;
        int Count;
    };
    std::vector<TBlock> Blocks;
    uint8_t WriteAck = 2;

    TBytes operator()(const TBytes& frame) {
        const uint8_t command = frame[1];
        const int address = frame[2] | (frame[3] << 8);
        const int count = frame[4];
        Blocks.push_back({command, address, count});
        if (command == 0x30 || command == 0x50) {
            TBytes reply{0xA5};
            reply.insert(reply.end(), Bytes.begin() + address, Bytes.begin() + address + count);
            return reply;
        }
        std::copy_n(frame.begin() + 5, count, Bytes.begin() + address);
        return {0xA5, WriteAck};
    }
};

class KelbDeviceTest : public testing::Test {
protected:
    std::shared_ptr<TFakeBus> Bus = std::make_shared<TFakeBus>();
    TKelbDevice Device{std::make_shared<TFakeProvider>(Bus)};
    std::shared_ptr<TFakeMemory> Memory = std::make_shared<TFakeMemory>();
    std::vector<int> Progress;

    void UseMemory(bool large) {
        Bus->Responder = [memory = Memory](const TBytes& frame) { return (*memory)(frame); };
        Device.AssumeMemoryKind(large);
        Device.SetProgress([this](int percent) { Progress.push_back(percent); });
    }
    void Answer(TBytes reply) { Bus->Script.push_back({std::move(reply)}); }
};

} // namespace

TEST_F(KelbDeviceTest, AdapterVersionIsLittleEndian) {
    Answer({0xA5, 0x05, 0x01});
    ASSERT_TRUE(Device.ReadAdapterVersion());
    EXPECT_EQ(Device.AdapterVersion(), 0x0105);
    EXPECT_EQ(Bus->Frames[0], (TBytes{0x5A, 0x10}));
    // A failed exchange keeps the last version.
    EXPECT_FALSE(Device.ReadAdapterVersion());
    EXPECT_EQ(Device.AdapterVersion(), 0x0105);
}

TEST_F(KelbDeviceTest, OnlyTwoMeansAConnectorIsPresent) {
    for (uint8_t answer : {0, 1, 3, 0xFF}) {
        Answer({0xA5, answer});
        bool present = true;
        ASSERT_TRUE(Device.QueryConnector(present));
        EXPECT_FALSE(present) << int(answer);
    }
    Answer({0xA5, 2});
    bool present = false;
    ASSERT_TRUE(Device.QueryConnector(present));
    EXPECT_TRUE(present);
    EXPECT_EQ(Bus->Frames.back(), (TBytes{0x5A, 0x20}));
}

TEST_F(KelbDeviceTest, DetectsBothKindsAndLeavesTheKindAloneWithoutAConnector) {
    Answer({0xA5, 2});
    Answer({0xA5, 2});
    ASSERT_EQ(Detection(Device), "present");
    EXPECT_EQ(MemoryKind(Device), "large: 32-byte blocks of 32768");
    EXPECT_EQ(Bus->Frames[1], (TBytes{0x5A, 0x70}));

    Answer({0xA5, 0});
    ASSERT_EQ(Detection(Device), "absent");
    EXPECT_EQ(MemoryKind(Device), "large: 32-byte blocks of 32768");

    Answer({0xA5, 2});
    Answer({0xA5, 1});
    ASSERT_EQ(Detection(Device), "present");
    EXPECT_EQ(MemoryKind(Device), "small: 8-byte blocks of 256");
}

TEST_F(KelbDeviceTest, DetectionFailsWhenAnExchangeFails) {
    bool present = true;
    EXPECT_FALSE(Device.DetectConnector(present));
    EXPECT_FALSE(present);
    // Present, but the kind query goes unanswered.
    Answer({0xA5, 2});
    EXPECT_FALSE(Device.DetectConnector(present));
    EXPECT_FALSE(present);
    EXPECT_TRUE(Device.SmallMemory());
}

TEST_F(KelbDeviceTest, ClockOnTheLargeKind) {
    Device.AssumeMemoryKind(true);
    Answer({0xA5, 30, 45, 13, 2, 7, 11});
    TConnectorTime time;
    ASSERT_TRUE(Device.ReadClock(time));
    EXPECT_EQ(time, (TConnectorTime{30, 45, 13, 2, 7, 11}));
    EXPECT_EQ(Bus->Frames[0], (TBytes{0x5A, 0x80}));

    Answer({0xA5, 2});
    ASSERT_TRUE(Device.SetClock({1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(Bus->Frames[1], (TBytes{0x5A, 0x90, 1, 2, 3, 4, 5, 6}));
    // The exchange works, the Connector refuses.
    Answer({0xA5, 0});
    EXPECT_FALSE(Device.SetClock({1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(Bus->Frames.size(), 3u);
}

TEST_F(KelbDeviceTest, ClockOnTheSmallKindIsAnInternalError) {
    TConnectorTime time;
    EXPECT_EQ(InternalErrorOf([&] { Device.ReadClock(time); }),
              "Error on file KelbDevice line 111");
    EXPECT_EQ(InternalErrorOf([&] { Device.SetClock(time); }), "Error on file KelbDevice line 86");
    EXPECT_TRUE(Bus->Frames.empty());
}

TEST_F(KelbDeviceTest, BlockRequestsOfBothKinds) {
    Device.AssumeMemoryKind(true);
    Answer({0xA5, 1, 2, 3});
    uint8_t buffer[3] = {};
    ASSERT_TRUE(Device.ReadBlock(0x1234, buffer, 3));
    EXPECT_EQ(Bus->Frames[0], (TBytes{0x5A, 0x30, 0x34, 0x12, 3}));
    EXPECT_EQ(TBytes(buffer, buffer + 3), (TBytes{1, 2, 3}));

    Answer({0xA5, 2});
    const uint8_t data[2] = {0xAA, 0xBB};
    ASSERT_TRUE(Device.WriteBlock(0x0204, data, 2));
    TBytes expected{0x5A, 0x40, 0x04, 0x02, 2, 0xAA, 0xBB};
    expected.resize(37, 0); // a write frame always carries 32 data bytes
    EXPECT_EQ(Bus->Frames[1], expected);

    Device.AssumeMemoryKind(false);
    Answer({0xA5, 9, 8, 7, 6, 5, 4, 3, 2});
    uint8_t small[8] = {};
    ASSERT_TRUE(Device.ReadBlock(0xF8, small, 8));
    EXPECT_EQ(Bus->Frames[2], (TBytes{0x5A, 0x50, 0xF8, 0x00, 8}));

    Answer({0xA5, 2});
    const std::vector<uint8_t> eight = BytePattern(8);
    ASSERT_TRUE(Device.WriteBlock(0x10, eight.data(), 8));
    ASSERT_EQ(Bus->Frames[3].size(), 37u); // a small block still travels in 36 bytes
    EXPECT_EQ(Bus->Frames[3][1], 0x60);
    EXPECT_EQ(Bus->Frames[3][4], 8);
    EXPECT_TRUE(std::equal(eight.begin(), eight.end(), Bus->Frames[3].begin() + 5));
    EXPECT_TRUE(std::all_of(Bus->Frames[3].begin() + 13, Bus->Frames[3].end(),
                            [](uint8_t b) { return b == 0; }));

    // A refused write.
    Answer({0xA5, 0});
    EXPECT_FALSE(Device.WriteBlock(0x10, eight.data(), 8));
}

TEST_F(KelbDeviceTest, BlocksLargerThanTheKindAllowsAreRefusedUnsent) {
    uint8_t buffer[64] = {};
    EXPECT_FALSE(Device.ReadBlock(0, buffer, 9));
    EXPECT_FALSE(Device.WriteBlock(0, buffer, 9));
    Device.AssumeMemoryKind(true);
    EXPECT_FALSE(Device.ReadBlock(0, buffer, 33));
    EXPECT_FALSE(Device.WriteBlock(0, buffer, 33));
    EXPECT_FALSE(Device.ReadBlock(0, buffer, 0));
    EXPECT_TRUE(Bus->Frames.empty());
}

TEST_F(KelbDeviceTest, RecordWriteStartsWithAShortBlockToTheBoundary) {
    UseMemory(true);
    const std::vector<uint8_t> image = BytePattern(32768, 1);
    ASSERT_TRUE(Device.WriteMemory(4, image.data() + 4, 32764));
    const auto& blocks = Memory->Blocks;
    ASSERT_EQ(blocks.size(), 1024u);
    EXPECT_EQ(blocks[0].Command, 0x40);
    EXPECT_EQ(blocks[0].Address, 4);
    EXPECT_EQ(blocks[0].Count, 28);
    EXPECT_EQ(blocks[1].Address, 32);
    EXPECT_EQ(blocks[1].Count, 32);
    for (size_t k = 1; k < blocks.size(); ++k)
        ASSERT_EQ(blocks[k].Address, int(32 * k));
    EXPECT_TRUE(std::equal(image.begin() + 4, image.end(), Memory->Bytes.begin() + 4));
    EXPECT_EQ(Memory->Bytes[0], 0); // the serial number is not written
    ASSERT_EQ(Progress.size(), 1025u);
    EXPECT_EQ(Progress.front(), 0);
    EXPECT_EQ(Progress[1], 28 * 100 / 32764);
    EXPECT_EQ(Progress.back(), 100);
    EXPECT_TRUE(std::is_sorted(Progress.begin(), Progress.end()));
}

TEST_F(KelbDeviceTest, AlignedAndTinyWrites) {
    UseMemory(true);
    const std::vector<uint8_t> image = BytePattern(32768);
    ASSERT_TRUE(Device.WriteMemory(0, image.data(), 32768));
    ASSERT_EQ(Memory->Blocks.size(), 1024u);
    for (size_t k = 0; k < Memory->Blocks.size(); ++k) {
        ASSERT_EQ(Memory->Blocks[k].Address, int(32 * k));
        ASSERT_EQ(Memory->Blocks[k].Count, 32);
    }
    EXPECT_EQ(Memory->Bytes, image);

    Memory->Blocks.clear();
    Progress.clear();
    const uint8_t one = 0x5C;
    ASSERT_TRUE(Device.WriteMemory(30, &one, 1));
    ASSERT_EQ(Memory->Blocks.size(), 1u);
    EXPECT_EQ(Memory->Blocks[0].Address, 30);
    EXPECT_EQ(Memory->Blocks[0].Count, 1);
    EXPECT_EQ(Memory->Bytes[30], 0x5C);
    EXPECT_EQ(Progress, (std::vector<int>{0, 100}));

    // Crossing one boundary: 30..31, then 32..36.
    Memory->Blocks.clear();
    ASSERT_TRUE(Device.WriteMemory(30, image.data(), 7));
    ASSERT_EQ(Memory->Blocks.size(), 2u);
    EXPECT_EQ(Memory->Blocks[0].Count, 2);
    EXPECT_EQ(Memory->Blocks[1].Address, 32);
    EXPECT_EQ(Memory->Blocks[1].Count, 5);
}

TEST_F(KelbDeviceTest, EmptyWriteSendsNothing) {
    UseMemory(true);
    EXPECT_TRUE(Device.WriteMemory(10, nullptr, 0));
    EXPECT_TRUE(Bus->Frames.empty());
    EXPECT_EQ(Progress, std::vector<int>{0});
}

TEST_F(KelbDeviceTest, WholeReadReportsProgressPerBlock) {
    UseMemory(true);
    Memory->Bytes = BytePattern(32768);
    std::vector<uint8_t> buffer(32768, 0);
    ASSERT_TRUE(Device.ReadMemory(0, buffer.data(), 32768));
    EXPECT_EQ(buffer, Memory->Bytes);
    ASSERT_EQ(Memory->Blocks.size(), 1024u);
    EXPECT_EQ(Memory->Blocks[0].Command, 0x30);
    ASSERT_EQ(Progress.size(), 1025u);
    for (int k = 0; k <= 1024; ++k)
        ASSERT_EQ(Progress[size_t(k)], k * 3200 / 32768) << k;
    EXPECT_EQ(Progress.back(), 100);
}

TEST_F(KelbDeviceTest, ReadChunksAreNotAlignedAndEmptyReadSendsNothing) {
    UseMemory(true);
    Memory->Bytes = BytePattern(32768);
    std::vector<uint8_t> buffer(70, 0);
    ASSERT_TRUE(Device.ReadMemory(4, buffer.data(), 70));
    ASSERT_EQ(Memory->Blocks.size(), 3u);
    EXPECT_EQ(Memory->Blocks[0].Address, 4);
    EXPECT_EQ(Memory->Blocks[1].Address, 36);
    EXPECT_EQ(Memory->Blocks[2].Address, 68);
    EXPECT_EQ(Memory->Blocks[2].Count, 6);
    EXPECT_TRUE(std::equal(buffer.begin(), buffer.end(), Memory->Bytes.begin() + 4));

    Memory->Blocks.clear();
    Progress.clear();
    EXPECT_TRUE(Device.ReadMemory(0, buffer.data(), 0));
    EXPECT_TRUE(Memory->Blocks.empty());
    EXPECT_EQ(Progress, std::vector<int>{0});
}

TEST_F(KelbDeviceTest, SmallKindMovesEightByteBlocks) {
    UseMemory(false);
    const std::vector<uint8_t> data = BytePattern(256);
    ASSERT_TRUE(Device.WriteMemory(0, data.data(), 256));
    EXPECT_EQ(Memory->Blocks.size(), 32u);
    EXPECT_EQ(Memory->Blocks[0].Command, 0x60);
    std::vector<uint8_t> back(256, 0);
    ASSERT_TRUE(Device.ReadMemory(0, back.data(), 256));
    EXPECT_EQ(back, data);
    EXPECT_EQ(Memory->Blocks.size(), 64u);
    EXPECT_EQ(Memory->Blocks[32].Command, 0x50);
    EXPECT_EQ(Memory->Blocks[32].Count, 8);
}

TEST_F(KelbDeviceTest, TransfersStopAtTheFirstFailedBlock) {
    UseMemory(true);
    // Block 3 never answers: five attempts, then the read gives up.
    std::vector<uint8_t> buffer(32768, 0);
    int calls = 0;
    Bus->Responder = [memory = Memory, &calls](const TBytes& frame) {
        ++calls;
        if (calls >= 4 && calls <= 8) return TBytes{};
        return (*memory)(frame);
    };
    EXPECT_FALSE(Device.ReadMemory(0, buffer.data(), 32768));
    EXPECT_EQ(calls, 8);
    EXPECT_EQ(Progress.back(), 3 * 3200 / 32768);

    // A refused write ends the write at once.
    calls = 100;
    Memory->Blocks.clear();
    Memory->WriteAck = 0;
    EXPECT_FALSE(Device.WriteMemory(4, buffer.data(), 100));
    EXPECT_EQ(Memory->Blocks.size(), 1u);
}
