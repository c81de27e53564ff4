#include "CliProcess.h"
#include "ConnectorCalendar.h"
#include "DeviceChecks.h"
#include "EmulatorProcess.h"
#include "InternalError.h"
#include "KelbDevice.h"
#include "LinkMonitor.h"
#include "LittleEndian.h"
#include "LogRecord.h"
#include "R7200.h"
#include "TestSupport.h"
#include "Uart.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <vector>

namespace {

constexpr int LargeSize = 32768;
constexpr int LogArea = 2048;
constexpr int LogSlots = 1920;

QByteArray Bytes(const std::vector<uint8_t>& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

// Counts the requests the link sends, retries included.
class TRequestCounter : public TLinkMonitor {
public:
    void TraceData(int kind, const uint8_t*, int) override {
        if (kind == RequestSent) ++Requests;
    }
    void TraceText(const QString&) override {}
    int Requests = 0;
};

// Each test runs its own emulator; the device is destroyed before the emulator goes.
class EmulatorEndToEnd : public ::testing::Test {
protected:
    void TearDown() override {
        Device.reset();
        Emulator.Stop();
    }

    QString WriteFile(const QString& name, const std::vector<uint8_t>& bytes) {
        const QString path = Dir.filePath(name);
        WriteFileBytes(path, Bytes(bytes));
        return path;
    }

    // Starts the emulator and a device that finds it through LIMNASET_PORT.
    void Start(const QStringList& arguments) {
        ASSERT_TRUE(Emulator.Start(arguments)) << "limnaset-emulator did not start";
        ASSERT_TRUE(QFileInfo::exists(Emulator.Path())) << Emulator.Path().toStdString();
        Device = std::make_unique<TKelbDevice>();
    }

    // Starts with a random large image and detects it.
    std::vector<uint8_t> StartLarge(QStringList extra = {}) {
        std::vector<uint8_t> image = BytePattern(LargeSize, 7);
        Start(QStringList{"--image", WriteFile("in.r72", image)} + extra);
        EXPECT_TRUE(Device && Detection(*Device) == "present");
        return image;
    }

    QTemporaryDir Dir;
    TEmulatorProcess Emulator;
    std::unique_ptr<TKelbDevice> Device;
};

} // namespace

TEST_F(EmulatorEndToEnd, LargeConnectorIsDetectedAndReadWhole) {
    const std::vector<uint8_t> image = BytePattern(LargeSize, 1);
    Start({"--image", WriteFile("in.r72", image)});

    ASSERT_TRUE(Device->ReadAdapterVersion());
    EXPECT_EQ(Device->AdapterVersion(), 0x0105);
    ASSERT_EQ(Detection(*Device), "present");
    EXPECT_EQ(MemoryKind(*Device), "large: 32-byte blocks of 32768");

    std::vector<int> progress;
    Device->SetProgress([&progress](int percent) { progress.push_back(percent); });
    std::vector<uint8_t> read(LargeSize, 0);
    ASSERT_TRUE(Device->ReadMemory(0, read.data(), LargeSize));
    EXPECT_EQ(read, image);
    ASSERT_EQ(progress.size(), 1025u);
    EXPECT_EQ(progress.front(), 0);
    EXPECT_EQ(progress.back(), 100);
}

TEST_F(EmulatorEndToEnd, SmallConnectorHasNoClock) {
    const std::vector<uint8_t> image = BytePattern(256, 2);
    Start({"--connector", "small", "--image", WriteFile("small.bin", image)});
    ASSERT_EQ(Detection(*Device), "present");
    EXPECT_EQ(MemoryKind(*Device), "small: 8-byte blocks of 256");

    std::vector<uint8_t> read(256, 0);
    ASSERT_TRUE(Device->ReadMemory(0, read.data(), 256));
    EXPECT_EQ(read, image);

    const std::vector<uint8_t> data = BytePattern(100, 3);
    ASSERT_TRUE(Device->WriteMemory(50, data.data(), 100));
    ASSERT_TRUE(Device->ReadMemory(50, read.data(), 100));
    EXPECT_TRUE(std::equal(data.begin(), data.end(), read.begin()));

    TConnectorTime time;
    EXPECT_EQ(InternalErrorOf([&] { Device->ReadClock(time); }),
              "Error on file KelbDevice line 111");
}

TEST_F(EmulatorEndToEnd, NoConnectorAndTheAdapterVersionAsGiven) {
    Start({"--connector", "none", "--adapter-version", "0x0203"});
    ASSERT_TRUE(Device->ReadAdapterVersion());
    EXPECT_EQ(Device->AdapterVersion(), 0x0203);
    ASSERT_EQ(Detection(*Device), "absent");
    // Without a Connector the memory commands get no answer.
    uint8_t block[8];
    EXPECT_FALSE(Device->ReadBlock(0, block, 8));
}

TEST_F(EmulatorEndToEnd, WrittenMemoryReadsBackAndIsSavedOnTermination) {
    const QString saved = Dir.filePath("out.r72");
    const std::vector<uint8_t> image = StartLarge({"--save", saved});
    ASSERT_NE(Device, nullptr);

    // The record's write: everything after the serial number, then a verifying read.
    const std::vector<uint8_t> program = BytePattern(LargeSize, 11);
    ASSERT_TRUE(Device->WriteMemory(4, program.data() + 4, LargeSize - 4));
    std::vector<uint8_t> copy(LargeSize - 4, 0);
    ASSERT_TRUE(Device->ReadMemory(4, copy.data(), LargeSize - 4));
    EXPECT_TRUE(std::equal(copy.begin(), copy.end(), program.begin() + 4));

    Device.reset();
    Emulator.Stop();
    std::vector<uint8_t> expected = program;
    std::copy_n(image.begin(), 4, expected.begin());
    EXPECT_EQ(FileBytes(saved), Bytes(expected));
}

TEST_F(EmulatorEndToEnd, ClockIsSetAndKeepsRunning) {
    StartLarge();
    ASSERT_NE(Device, nullptr);
    const TConnectorTime set{58, 59, 23, 14, 7, 31}; // 2031-07-14 23:59:58
    ASSERT_TRUE(Device->SetClock(set));
    TConnectorTime read;
    ASSERT_TRUE(Device->ReadClock(read));
    const int64_t drift = int64_t(PackTime(read)) - int64_t(PackTime(set));
    EXPECT_GE(drift, 0);
    EXPECT_LE(drift, 60);
}

TEST_F(EmulatorEndToEnd, PacedLineGivesTheSameAnswers) {
    const std::vector<uint8_t> image = StartLarge({"--paced"});
    ASSERT_NE(Device, nullptr);
    std::vector<uint8_t> read(256, 0);
    ASSERT_TRUE(Device->ReadMemory(1000, read.data(), 256));
    EXPECT_TRUE(std::equal(read.begin(), read.end(), image.begin() + 1000));
    const std::vector<uint8_t> data = BytePattern(40, 5);
    ASSERT_TRUE(Device->WriteMemory(30, data.data(), 40));
    ASSERT_TRUE(Device->ReadMemory(30, read.data(), 40));
    EXPECT_TRUE(std::equal(data.begin(), data.end(), read.begin()));
}

TEST_F(EmulatorEndToEnd, DemoLogIsValidAndGrows) {
    Start({"--demo", "--demo-records", "300", "--demo-interval", "100"});
    ASSERT_EQ(Detection(*Device), "present");

    // Slots in use and the write marker's slot.
    const auto scan = [this](int& marker) {
        std::vector<uint8_t> log(size_t(LogSlots) * TLogRecord::Size);
        EXPECT_TRUE(Device->ReadMemory(LogArea, log.data(), int(log.size())));
        int written = 0;
        marker = -1;
        for (int slot = 0; slot < LogSlots; ++slot) {
            const uint8_t* bytes = log.data() + slot * TLogRecord::Size;
            const uint32_t time = le::Get32(bytes);
            if (time == TLogRecord::WriteMarker) marker = slot;
            if (time == TLogRecord::WriteMarker || time == TLogRecord::NeverWritten) continue;
            ++written;
            EXPECT_EQ(Crc8Maxim(bytes, TLogRecord::Size - 1), bytes[TLogRecord::Size - 1])
                << "slot " << slot;
        }
        return written;
    };
    int marker = -1;
    const int before = scan(marker);
    EXPECT_GE(before, 300);

    // The history reads in time order, from the record that cleared the log up to now.
    std::vector<uint8_t> image(TR7200::ImageSize);
    ASSERT_TRUE(Device->ReadMemory(0, image.data(), TR7200::ImageSize));
    TR7200 record;
    ASSERT_TRUE(record.LoadFromConnectorImage(image, true));
    ASSERT_GE(record.LogCount, 301);
    EXPECT_EQ(record.LogRecordAt(0).Code, 11);
    for (int i = 1; i < record.LogCount; ++i)
        ASSERT_GE(record.LogRecordAt(i).Time, record.LogRecordAt(i - 1).Time) << i;

    // The sampler keeps working: more records turn up.
    int after = before;
    for (int wait = 0; wait < 100 && after == before; ++wait) {
        QThread::msleep(100);
        after = scan(marker);
    }
    EXPECT_GT(after, before);
}

TEST_F(EmulatorEndToEnd, LostRepliesAreRetried) {
    const std::vector<uint8_t> image =
        StartLarge({"--seed", "3", "--fault-drop", "0.1", "--fault-wrong-first", "0.1",
                    "--fault-truncate", "0.1"});
    ASSERT_NE(Device, nullptr);
    TRequestCounter counter;
    Device->SetMonitor(&counter);
    std::vector<uint8_t> read(256, 0);
    ASSERT_TRUE(Device->ReadMemory(0, read.data(), 256));
    EXPECT_TRUE(std::equal(read.begin(), read.end(), image.begin()));
    // 8 blocks, and the broken replies were asked for again.
    EXPECT_GT(counter.Requests, 8);
    Device->SetMonitor(nullptr);
}

TEST_F(EmulatorEndToEnd, EveryReplyBrokenFailsTheExchange) {
    for (const char* fault : {"--fault-drop", "--fault-wrong-first", "--fault-truncate"}) {
        SCOPED_TRACE(fault);
        Start({QString::fromLatin1(fault), "1"});
        EXPECT_FALSE(Device->ReadAdapterVersion());
        EXPECT_EQ(Device->AdapterVersion(), 0);
        // A failed receive keeps the port.
        EXPECT_NE(Device->ConnectedPort(), nullptr);
        Device.reset();
        Emulator.Stop();
    }
}

TEST_F(EmulatorEndToEnd, FlippedBitsGoUnnoticed) {
    const std::vector<uint8_t> image = BytePattern(LargeSize, 4);
    Start({"--image", WriteFile("in.r72", image), "--fault-flip", "1"});
    // Every reply is hit, the detection's too: take the kind as known.
    Device->AssumeMemoryKind(true);
    // The frames carry no checksum: a flipped bit reaches the caller as data.
    std::vector<uint8_t> read(32, 0);
    ASSERT_TRUE(Device->ReadBlock(64, read.data(), 32));
    EXPECT_EQ(DifferingBits(read.data(), image.data() + 64, 32), 1);
}

TEST_F(EmulatorEndToEnd, RefusedWritesAndClockFail) {
    const std::vector<uint8_t> image = StartLarge({"--fault-nak", "1"});
    ASSERT_NE(Device, nullptr);
    const std::vector<uint8_t> data = BytePattern(32, 9);
    EXPECT_FALSE(Device->WriteMemory(0, data.data(), 32));
    EXPECT_FALSE(Device->SetClock(TConnectorTime{}));
    std::vector<uint8_t> read(32, 0);
    ASSERT_TRUE(Device->ReadMemory(0, read.data(), 32));
    EXPECT_TRUE(std::equal(read.begin(), read.end(), image.begin()));
}

TEST_F(EmulatorEndToEnd, AdapterVanishingEndsTheConnection) {
    Start({"--vanish-after", "3"});
    ASSERT_TRUE(Device->ReadAdapterVersion());
    ASSERT_EQ(Detection(*Device), "present");
    EXPECT_TRUE(Emulator.WaitFinished(30000));
    EXPECT_EQ(Emulator.ExitCode(), 0);
    EXPECT_FALSE(QFileInfo::exists(Emulator.Path()));

    uint8_t block[32];
    EXPECT_FALSE(Device->ReadBlock(0, block, 32));
    // The failed send dropped the port and the device search finds nothing.
    EXPECT_EQ(Device->ConnectedPort(), nullptr);
    EXPECT_FALSE(Device->ReadAdapterVersion());
}

TEST_F(EmulatorEndToEnd, PulledConnectorIsNoLongerPresent) {
    StartLarge({"--pull-after", "2"});
    ASSERT_NE(Device, nullptr);
    ASSERT_EQ(Detection(*Device), "absent");
    uint8_t block[32];
    EXPECT_FALSE(Device->ReadBlock(0, block, 32));
}

TEST_F(EmulatorEndToEnd, EndlessJunkNeverPassesForAReply) {
    Start({"--junk"});
    bool ok = true;
    try {
        ok = Device->ReadAdapterVersion();
    } catch (const TInternalError& e) {
        // The purge gave up on a line that never goes quiet.
        EXPECT_STREQ(e.what(), "Error on file UsbUart line 247");
        ok = false;
    }
    EXPECT_FALSE(ok);
    EXPECT_EQ(Device->AdapterVersion(), 0);
}

TEST_F(EmulatorEndToEnd, BadOptionsAreRefused) {
    for (const QStringList& arguments :
         {QStringList{"--connector", "huge"}, QStringList{"--fault-drop", "1.5"},
          QStringList{"--image", Dir.filePath("missing.r72")}}) {
        const TCliRun run = RunProgram("limnaset-emulator", arguments);
        EXPECT_GT(run.Exit, 0) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.Out.isEmpty());
    }
}
