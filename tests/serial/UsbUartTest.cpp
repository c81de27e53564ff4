#include "UsbUart.h"
#include "InternalError.h"
#include "PseudoTerminal.h"
#include "TestSupport.h"
#include "UsbPortProvider.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <atomic>
#include <functional>
#include <thread>

namespace {

// The line settings of the adapter link.
const TUartSettings Link{19200, 8, TStopBits::One, TParity::None, TFlowControl::None};

std::string OnFile(int line) {
    return "Error on file UsbUart line " + std::to_string(line);
}

// A port opened on a fresh pseudo-terminal through LIMNASET_PORT.
class UsbUartOnPty : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Pty.Open());
        Variable = std::make_unique<TEnvironmentGuard>(TUsbUart::PortVariable, Pty.SlavePath());
        int index = -1;
        ASSERT_TRUE(TUsbUart::FindDevice(QStringLiteral("USB LIMNASET Adapter"), index));
        ASSERT_TRUE(Port.Open(index));
    }

    // Sends the bytes from the device side and waits until the port has them queued.
    void Send(const QByteArray& bytes) {
        ASSERT_TRUE(
            Pty.WriteAll(reinterpret_cast<const uint8_t*>(bytes.data()), int(bytes.size())));
        ASSERT_TRUE(Pty.WaitClientQueued(int(bytes.size()), 5000));
    }

    QByteArray Received(int expected) {
        QByteArray got;
        uint8_t buffer[256];
        while (got.size() < expected && Pty.WaitReadable(5000)) {
            const int n = Pty.ReadSome(buffer, sizeof buffer);
            if (n <= 0) break;
            got.append(reinterpret_cast<const char*>(buffer), n);
        }
        return got;
    }

    TPseudoTerminal Pty;
    std::unique_ptr<TEnvironmentGuard> Variable;
    TUsbUart Port;
};

} // namespace

TEST(UsbUart, ClosedPortOperationsAreInternalErrors) {
    TUsbUart port;
    uint8_t buffer[4] = {};
    const std::pair<std::function<void()>, int> cases[] = {
        {[&] { port.Open(-1); }, 119},
        {[&] { port.Write(buffer, 1); }, 166},
        {[&] { port.Read(buffer, 1); }, 183},
        {[&] { port.Purge(); }, 230},
        {[&] { port.SetImmediateRead(); }, 258},
        {[&] { port.SetTimeouts(300, 20); }, 274},
        {[&] { port.SetSettings(TUartSettings{}); }, 300},
    };
    for (const auto& [action, line] : cases)
        EXPECT_EQ(InternalErrorOf(action), OnFile(line));
    EXPECT_FALSE(port.IsOpen());
}

TEST(UsbUart, SearchByDescriptionFindsNoAdapterHere) {
    TEnvironmentGuard none(TUsbUart::PortVariable, QString());
    int index = 12345;
    EXPECT_FALSE(TUsbUart::FindDevice(QStringLiteral("USB LIMNASET Adapter"), index));
    EXPECT_EQ(index, 12345);
    TUsbUart port;
    EXPECT_FALSE(port.Open(1 << 20));
    // Without LIMNASET_PORT the named index leads nowhere.
    EXPECT_FALSE(port.Open(TUsbUart::NamedPortIndex));
    EXPECT_FALSE(port.IsOpen());
}

TEST(UsbUart, SearchWantsExactlyOneWholeMatch) {
    const QString adapter = QStringLiteral("USB LIMNASET Adapter");
    int index = -1;
    EXPECT_TRUE(TUsbUart::PickDevice({"FT232R USB UART", adapter, "USB LIMNASET Adapter 2"},
                                     adapter, index));
    EXPECT_EQ(index, 1);
    index = -1;
    // Two equal adapters: neither is taken.
    EXPECT_FALSE(TUsbUart::PickDevice({adapter, "FT232R USB UART", adapter}, adapter, index));
    EXPECT_FALSE(TUsbUart::PickDevice({"usb limnaset adapter", "USB LIMNASET"}, adapter, index));
    EXPECT_FALSE(TUsbUart::PickDevice({}, adapter, index));
    EXPECT_EQ(index, -1);
}

TEST(UsbUart, NamedPortMustExist) {
    QTemporaryDir dir;
    TEnvironmentGuard missing(TUsbUart::PortVariable, dir.path() + QStringLiteral("/ttyUSB9"));
    int index = -1;
    EXPECT_FALSE(TUsbUart::FindDevice(QStringLiteral("USB LIMNASET Adapter"), index));
    TUsbUart port;
    EXPECT_FALSE(port.Open(TUsbUart::NamedPortIndex));
    EXPECT_FALSE(port.IsOpen());
}

TEST(UsbUart, ProviderFindsTheNamedPortAndMakesClosedPorts) {
    TPseudoTerminal pty;
    ASSERT_TRUE(pty.Open());
    TEnvironmentGuard named(TUsbUart::PortVariable, pty.SlavePath());
    TUsbPortProvider provider;
    int index = -1;
    // The named device is used whatever the description.
    ASSERT_TRUE(provider.FindDevice(QStringLiteral("anything"), index));
    EXPECT_EQ(index, TUsbUart::NamedPortIndex);
    std::unique_ptr<TUart> port = provider.CreatePort();
    ASSERT_TRUE(port);
    EXPECT_FALSE(port->IsOpen());
    ASSERT_TRUE(port->Open(index));
    EXPECT_EQ(static_cast<TUsbUart&>(*port).DeviceDescription(), pty.SlavePath());
}

TEST_F(UsbUartOnPty, ReopeningClosesFirstAndAFailedOpenLeavesItClosed) {
    ASSERT_TRUE(Port.Open(TUsbUart::NamedPortIndex));
    EXPECT_TRUE(Port.IsOpen());
    Port.SetTimeouts(300, 20);
    EXPECT_EQ(Port.Write(reinterpret_cast<const uint8_t*>("x"), 1), 1);
    EXPECT_EQ(Received(1), QByteArray("x"));

    EXPECT_FALSE(Port.Open(1 << 20));
    EXPECT_FALSE(Port.IsOpen());
    EXPECT_EQ(Port.DeviceIndex, -1);
}

TEST_F(UsbUartOnPty, TimeoutsAreStoredTheWayTheBridgeKeepsThem) {
    Port.SetTimeouts(300, 20);
    EXPECT_FALSE(Port.IsImmediateRead());
    EXPECT_EQ(Port.GetTimeouts().ReadConstant, 300u);
    EXPECT_EQ(Port.GetTimeouts().ReadMultiplier, 20u);
    EXPECT_EQ(Port.GetTimeouts().ReadInterval, 0u);

    // A total not above the per-byte time is replaced by twenty bytes' worth.
    Port.SetTimeouts(10, 20);
    EXPECT_EQ(Port.GetTimeouts().ReadConstant, 400u);
    EXPECT_EQ(Port.GetTimeouts().ReadMultiplier, 20u);

    EXPECT_EQ(InternalErrorOf([&] { Port.SetTimeouts(0, 0); }), OnFile(277));

    const TUsbUart::TTimeouts before = Port.GetTimeouts();
    EXPECT_TRUE(Port.SetImmediateRead());
    EXPECT_TRUE(Port.IsImmediateRead());
    EXPECT_EQ(Port.GetTimeouts().ReadInterval, 0xFFFFFFFFu);
    EXPECT_EQ(Port.GetTimeouts().ReadConstant, 0u);
    EXPECT_EQ(Port.GetTimeouts().ReadMultiplier, 0u);
    // Write time-outs are left alone.
    EXPECT_EQ(Port.GetTimeouts().WriteConstant, before.WriteConstant);
    EXPECT_EQ(Port.GetTimeouts().WriteMultiplier, before.WriteMultiplier);
}

TEST_F(UsbUartOnPty, SettingsApplyAndLeaveImmediateReads) {
    Port.SetTimeouts(300, 20);
    const TUartSettings link = Link;
    ASSERT_TRUE(Port.SetSettings(link));
    EXPECT_EQ(Port.CurrentSettings(), link);
    EXPECT_TRUE(Port.IsImmediateRead());
    EXPECT_EQ(Port.GetTimeouts().WriteMultiplier, 2u);
    EXPECT_EQ(Port.GetTimeouts().WriteConstant, 100u);

    // 104 us x 8 + 3 rounds down to 0 ms, which counts as 1.
    ASSERT_TRUE(Port.SetSettings(
        TUartSettings{9600, 8, TStopBits::One, TParity::None, TFlowControl::None}));
    EXPECT_EQ(Port.GetTimeouts().WriteMultiplier, 2u);
    // 3333 us x 7 + 3 = 23334 us: 23 ms a character.
    ASSERT_TRUE(
        Port.SetSettings(TUartSettings{300, 7, TStopBits::Two, TParity::Even, TFlowControl::None}));
    EXPECT_EQ(Port.GetTimeouts().WriteMultiplier, 46u);
    EXPECT_EQ(Port.GetTimeouts().WriteConstant, 100u);
}

TEST_F(UsbUartOnPty, BadSettingsFailOrAreInternalErrors) {
    const TUartSettings link = Link;
    ASSERT_TRUE(Port.SetSettings(link));
    Port.SetTimeouts(300, 20);

    TUartSettings bad = link;
    bad.BaudRate = 38400;
    bad.StopBits = TStopBits(15);
    EXPECT_FALSE(Port.SetSettings(bad));
    bad.StopBits = TStopBits::One;
    bad.DataBits = 6;
    EXPECT_FALSE(Port.SetSettings(bad));
    EXPECT_EQ(Port.CurrentSettings(), link);
    // The failed calls stopped before the read mode was touched.
    EXPECT_FALSE(Port.IsImmediateRead());

    bad = link;
    bad.Parity = TParity(5);
    EXPECT_EQ(InternalErrorOf([&] { Port.SetSettings(bad); }),
              "Error switch file UsbUart line 347");
    bad = link;
    bad.FlowControl = TFlowControl(4);
    EXPECT_EQ(InternalErrorOf([&] { Port.SetSettings(bad); }),
              "Error switch file UsbUart line 368");
    EXPECT_EQ(Port.CurrentSettings(), link);
}

TEST_F(UsbUartOnPty, ImmediateReadsTakeWhatIsQueued) {
    ASSERT_TRUE(Port.SetSettings(Link));
    uint8_t buffer[32] = {};
    EXPECT_EQ(Port.Read(buffer, 32), 0);

    Send("12345");
    EXPECT_EQ(Port.Read(buffer, 32), 5);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(buffer), 5), QByteArray("12345"));

    Send("abcdef");
    EXPECT_EQ(Port.Read(buffer, 4), 4);
    EXPECT_EQ(Port.Read(buffer + 4, 32), 2);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(buffer), 6), QByteArray("abcdef"));
}

TEST_F(UsbUartOnPty, TimedReadsStopAtTheCountOrTheTimeout) {
    ASSERT_TRUE(Port.SetSettings(Link));
    Port.SetTimeouts(300, 20);
    uint8_t buffer[16] = {};

    // One byte asked, two there: the second stays queued for the next read.
    Send("AB");
    EXPECT_EQ(Port.Read(buffer, 1), 1);
    EXPECT_EQ(buffer[0], 'A');
    EXPECT_EQ(Port.Read(buffer, 1), 1);
    EXPECT_EQ(buffer[0], 'B');

    // The whole reply when it is all there.
    Send("\xA5hello");
    EXPECT_EQ(Port.Read(buffer, 6), 6);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(buffer), 6), QByteArray("\xA5hello"));

    // Short results when the time runs out.
    Port.SetTimeouts(30, 1);
    EXPECT_EQ(Port.Read(buffer, 4), 0);
    Send("xyz");
    EXPECT_EQ(Port.Read(buffer, 8), 3);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(buffer), 3), QByteArray("xyz"));
}

TEST_F(UsbUartOnPty, TimedReadWaitsForBytesThatComeLater) {
    ASSERT_TRUE(Port.SetSettings(Link));
    Port.SetTimeouts(5000, 20);
    std::thread late([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        Pty.WriteAll(reinterpret_cast<const uint8_t*>("ab"), 2);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        Pty.WriteAll(reinterpret_cast<const uint8_t*>("cd"), 2);
    });
    uint8_t buffer[4] = {};
    const int32_t got = Port.Read(buffer, 4);
    late.join();
    EXPECT_EQ(got, 4);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(buffer), 4), QByteArray("abcd"));
}

TEST_F(UsbUartOnPty, WritesReachTheDevice) {
    ASSERT_TRUE(Port.SetSettings(Link));
    QByteArray frame(37, '\0');
    for (int i = 0; i < frame.size(); ++i)
        frame[i] = char(0x5A + i * 7);
    EXPECT_EQ(Port.Write(reinterpret_cast<const uint8_t*>(frame.data()), int32_t(frame.size())),
              frame.size());
    EXPECT_EQ(Received(int(frame.size())), frame);
}

TEST_F(UsbUartOnPty, PurgeDropsWhatWasQueued) {
    ASSERT_TRUE(Port.SetSettings(Link));
    Send("stale reply tail");
    Port.Purge();
    uint8_t buffer[32];
    EXPECT_EQ(Port.Read(buffer, 32), 0);
    Send("fresh");
    EXPECT_EQ(Port.Read(buffer, 32), 5);
}

TEST_F(UsbUartOnPty, PurgeOfADeviceThatKeepsSendingIsAnInternalError) {
    ASSERT_TRUE(Port.SetSettings(Link));
    std::atomic<bool> stop{false};
    std::thread chatter([&] {
        const QByteArray junk(64, '\x55');
        while (!stop)
            Pty.WriteAll(reinterpret_cast<const uint8_t*>(junk.data()), int(junk.size()), 100);
    });
    Send("first");
    // Our writer thread may be slow to wake after each purge on a busy machine; a pass
    // ends as soon as its bytes arrive, so a long grace costs nothing when it is quick.
    Port.PurgeQuietMs = 2000;
    EXPECT_EQ(InternalErrorOf([&] { Port.Purge(); }), OnFile(247));
    stop = true;
    chatter.join();
}

TEST_F(UsbUartOnPty, AVanishedDeviceGivesShortResultsNotHangs) {
    ASSERT_TRUE(Port.SetSettings(Link));
    Port.SetTimeouts(300, 20);
    Pty.Close();
    uint8_t buffer[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_LT(Port.Write(buffer, 8), 8);
    EXPECT_EQ(Port.Read(buffer, 8), 0);
    // The port does not notice by itself; its owner closes it.
    EXPECT_TRUE(Port.IsOpen());
    int index = -1;
    EXPECT_FALSE(TUsbUart::FindDevice(QStringLiteral("USB LIMNASET Adapter"), index));
}
