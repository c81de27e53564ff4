#include "FakeBus.h"
#include "InternalError.h"
#include "KelbAdapter.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

class AdapterLink : public testing::Test {
protected:
    std::shared_ptr<TFakeBus> Bus = std::make_shared<TFakeBus>();
    TKelbAdapter Link{std::make_shared<TFakeProvider>(Bus)};
    TRecordingMonitor Monitor;

    void SetUp() override { Link.SetMonitor(&Monitor); }

    bool Exchange(TBytes& reply, int replyCount = 2) {
        const uint8_t request[] = {0x10};
        reply.assign(size_t(replyCount), 0);
        return Link.Transact(request, 1, reply.data(), replyCount);
    }

    // The bytes of every reply the link traced as bad.
    std::vector<TBytes> BadReplies() const {
        std::vector<TBytes> bad;
        for (const auto& trace : Monitor.Data)
            if (trace.Kind == TLinkMonitor::BadReply) bad.push_back(trace.Bytes);
        return bad;
    }
};

} // namespace

TEST_F(AdapterLink, ConnectFindsOpensAndConfiguresThePort) {
    ASSERT_TRUE(Link.Connect());
    EXPECT_EQ(Bus->SearchedFor, "USB LIMNASET Adapter");
    EXPECT_EQ(Bus->Calls,
              QStringList({"create", "search", "open", "settings", "timeouts", "purge"}));
    ASSERT_TRUE(Bus->AppliedSettings);
    EXPECT_EQ(*Bus->AppliedSettings,
              (TUartSettings{19200, 8, TStopBits::One, TParity::None, TFlowControl::None}));
    EXPECT_EQ(Bus->TimeoutTotal, 300);
    EXPECT_EQ(Bus->TimeoutPerByte, 20);
    EXPECT_EQ(Link.ConnectedPort()->DeviceIndex, 3);
    // Connected: nothing more to do.
    ASSERT_TRUE(Link.Connect());
    EXPECT_EQ(Bus->Calls.size(), 6);
}

TEST_F(AdapterLink, ConnectFailsWithoutExactlyOneAdapterOrWhenOpenFails) {
    Bus->Devices = 0;
    EXPECT_FALSE(Link.Connect());
    EXPECT_EQ(Link.ConnectedPort(), nullptr);
    Bus->Devices = 2;
    EXPECT_FALSE(Link.Connect());
    EXPECT_FALSE(Link.Connect());
    EXPECT_EQ(Link.ConnectedPort(), nullptr);
    EXPECT_EQ(Bus->Count("open"), 0);
    Bus->Devices = 1;
    Bus->OpenFails = true;
    EXPECT_FALSE(Link.Connect());
    EXPECT_EQ(Link.ConnectedPort(), nullptr);
    EXPECT_EQ(Bus->Count("settings"), 0);
}

TEST_F(AdapterLink, StoredClosedPortIsAnInternalError) {
    ASSERT_TRUE(Link.Connect());
    Link.ConnectedPort()->Close();
    EXPECT_EQ(InternalErrorOf([&] { Link.Connect(); }), "Error on file KelbAdapter line 137");
}

TEST_F(AdapterLink, FramesOnTheWireAndTraces) {
    Bus->Script.push_back({{0xA5, 0x05, 0x01}});
    TBytes reply;
    ASSERT_TRUE(Exchange(reply));
    ASSERT_EQ(Bus->Frames.size(), 1u);
    EXPECT_EQ(Bus->Frames[0], (TBytes{0x5A, 0x10}));
    EXPECT_EQ(reply, (TBytes{0x05, 0x01}));
    ASSERT_EQ(Monitor.Data.size(), 2u);
    EXPECT_EQ(Monitor.Data[0].Kind, TLinkMonitor::RequestSent);
    EXPECT_EQ(Monitor.Data[0].Bytes, TBytes{0x10});
    EXPECT_EQ(Monitor.Data[1].Kind, TLinkMonitor::ReplyReceived);
    EXPECT_EQ(Monitor.Data[1].Bytes, (TBytes{0x05, 0x01}));
    // The queue is emptied right before the frame goes out.
    const int write = int(Bus->Calls.lastIndexOf("write"));
    EXPECT_EQ(Bus->Calls[write - 1], "purge");
}

TEST_F(AdapterLink, PortIsReusedAcrossExchanges) {
    Bus->Responder = [](const TBytes&) { return TBytes{0xA5, 1, 2}; };
    TBytes reply;
    ASSERT_TRUE(Exchange(reply));
    ASSERT_TRUE(Exchange(reply));
    EXPECT_EQ(Bus->Count("search"), 1);
    EXPECT_EQ(Bus->Count("open"), 1);
    EXPECT_EQ(Bus->Count("create"), 1);
}

TEST_F(AdapterLink, NoAdapterFailsAfterFiveSearches) {
    Bus->Devices = 0;
    TBytes reply;
    EXPECT_FALSE(Exchange(reply));
    EXPECT_EQ(Bus->Count("search"), 5);
    EXPECT_EQ(Bus->Count("write"), 0);
    EXPECT_EQ(Link.ConnectedPort(), nullptr);
}

TEST_F(AdapterLink, WrongFirstByteIsTracedAndTheRequestRepeated) {
    Bus->Script.push_back({{0x00, 0x05, 0x01}});
    Bus->Script.push_back({{0xA5, 0x05, 0x01}});
    TBytes reply;
    ASSERT_TRUE(Exchange(reply));
    EXPECT_EQ(reply, (TBytes{0x05, 0x01}));
    ASSERT_EQ(Bus->Frames.size(), 2u);
    EXPECT_EQ(Bus->Frames[1], (TBytes{0x5A, 0x10}));
    EXPECT_EQ(BadReplies(), std::vector<TBytes>{TBytes{0x00}});
    // The rest of the bad reply was purged, not taken for the second reply.
    EXPECT_TRUE(Bus->Rx.empty());
    EXPECT_EQ(Bus->Count("search"), 1);
}

TEST_F(AdapterLink, ReplyInFullOnlyOnTheThirdAttempt) {
    Bus->Script.push_back({{}});
    Bus->Script.push_back({{0xA5, 0x05}});
    Bus->Script.push_back({{0xA5, 0x05, 0x01}});
    TBytes reply;
    ASSERT_TRUE(Exchange(reply));
    EXPECT_EQ(Bus->Frames.size(), 3u);
    EXPECT_EQ(Bus->Count("search"), 1); // failed receives keep the port
}

TEST_F(AdapterLink, ShortAndEmptyRepliesAreTracedDifferently) {
    Bus->Script.push_back({{0xA5}});
    Bus->Script.push_back({{0xA5, 0x07}});
    Bus->Script.push_back({{}});
    Bus->Script.push_back({{}});
    Bus->Script.push_back({{}});
    TBytes reply;
    EXPECT_FALSE(Exchange(reply));
    EXPECT_EQ(Bus->Frames.size(), 5u);
    EXPECT_EQ(Monitor.Texts, QStringList{"Rx timeout\n"});
    EXPECT_EQ(BadReplies(), std::vector<TBytes>{TBytes{0x07}});
    EXPECT_NE(Link.ConnectedPort(), nullptr);
}

TEST_F(AdapterLink, FailedSendDropsThePortAndReconnects) {
    Bus->Script.push_back({{}, 1});
    Bus->Script.push_back({{0xA5, 0x05, 0x01}});
    TBytes reply;
    ASSERT_TRUE(Exchange(reply));
    EXPECT_EQ(Monitor.Texts, QStringList{"Unable send\n"});
    EXPECT_EQ(Bus->Count("search"), 2);
    EXPECT_EQ(Bus->Count("close"), 1);
}

TEST_F(AdapterLink, AdapterUnpluggedBetweenExchangesAndPluggedBackIn) {
    Bus->Responder = [](const TBytes&) { return TBytes{0xA5, 1, 2}; };
    TBytes reply;
    ASSERT_TRUE(Exchange(reply));
    Bus->Devices = 0;
    EXPECT_FALSE(Exchange(reply));
    EXPECT_EQ(Link.ConnectedPort(), nullptr);
    EXPECT_EQ(Monitor.Texts, QStringList{"Unable send\n"});
    // One search at the start, then the four remaining attempts each search again.
    EXPECT_EQ(Bus->Count("search"), 5);
    Bus->Devices = 1;
    ASSERT_TRUE(Exchange(reply));
    EXPECT_EQ(Bus->Count("search"), 6);
    EXPECT_EQ(reply, (TBytes{1, 2}));
}

TEST_F(AdapterLink, AdapterReturnsDuringTheExchange) {
    // The first write finds the adapter gone; it is back before the next attempt.
    struct TReplugOnFailure : TRecordingMonitor {
        TFakeBus* Bus = nullptr;
        void TraceText(const QString& text) override {
            TRecordingMonitor::TraceText(text);
            Bus->Devices = 1;
        }
    } replug;
    replug.Bus = Bus.get();
    Link.SetMonitor(&replug);
    Bus->Script.push_back({{}, -1, true});
    Bus->Responder = [](const TBytes&) { return TBytes{0xA5, 9, 9}; };
    TBytes reply;
    ASSERT_TRUE(Exchange(reply));
    EXPECT_EQ(reply, (TBytes{9, 9}));
    EXPECT_EQ(replug.Texts, QStringList{"Unable send\n"});
    EXPECT_EQ(Bus->Count("search"), 2);
    EXPECT_EQ(Bus->Count("create"), 2);
}

TEST_F(AdapterLink, FiveSilentAttemptsFail) {
    TBytes reply;
    EXPECT_FALSE(Exchange(reply));
    EXPECT_EQ(Bus->Frames.size(), 5u);
    EXPECT_EQ(Bus->Count("purge"), 6); // one at connect, one before each send
    EXPECT_TRUE(Monitor.Texts.isEmpty());
}

TEST_F(AdapterLink, PortExceptionsPassThrough) {
    ASSERT_TRUE(Link.Connect());
    Bus->PurgeThrows = true;
    TBytes reply;
    EXPECT_THROW(Exchange(reply), std::runtime_error);
}
