#include "AppTestSupport.h"
#include "ConnectorCalendar.h"
#include "KelbDevice.h"
#include "R7200.h"
#include "StatusPage.h"
#include "UsbPortProvider.h"
#include "UsbUart.h"

#include <QLabel>

namespace {

class MonitorTest : public TFormFixture {
protected:
    void SetUp() override {
        TFormFixture::SetUp();
        Open();
    }
    QString Clock() const { return Child<QLabel>("LblClock")->text(); }
    bool CommandsEnabled() const {
        const bool read = Act("DataRead")->isEnabled();
        EXPECT_EQ(Act("DataWrite")->isEnabled(), read);
        EXPECT_EQ(Child<QPushButton>("BtnSetClock")->isEnabled(), read);
        return read;
    }
    // Drops replies, counted from the moment of the call.
    void DropReplies(int from, int count) {
        TFaultPlan plan; // a new plan counts replies afresh
        for (int i = 0; i < count; ++i)
            plan.AtReply[from + i] = TReplyFault::Drop;
        Model->SetFaultPlan(plan);
    }
};

TEST_F(MonitorTest, NoAdapter) {
    Provider->SetPlugged(false);
    for (int tick = 0; tick < 2; ++tick) {
        Tick();
        EXPECT_EQ(Form->PanelText(TPanel::Adapter), "Adapter ?");
        EXPECT_EQ(Form->PanelText(TPanel::Connector), "");
        EXPECT_EQ(Clock(), "?");
        EXPECT_FALSE(CommandsEnabled());
    }
}

// The panel keeps its text; its tool tip says why.
TEST_F(MonitorTest, NoAdapterToolTipSaysWhy) {
    const QString missing = FilePath("ttyUSB7");
    const TEnvironmentGuard port(TUsbUart::PortVariable, missing);
    TWorkplaceOptions options = Options();
    options.Provider = std::make_shared<TUsbPortProvider>();
    Open(options);
    Tick();
    const auto panel = Child<QLabel>("StatusPanel2");
    EXPECT_EQ(panel->text(), "Adapter ?");
    EXPECT_TRUE(panel->toolTip().startsWith("LIMNASET_PORT names " + missing + ", which does not"))
        << panel->toolTip().toStdString();
}

TEST_F(MonitorTest, AdapterVersionIsShownInHexWithALineFeed) {
    Model->SetKind(TConnectorModel::TKind::None);
    Model->AdapterVersion = 0x0105;
    Tick();
    EXPECT_EQ(Form->PanelText(TPanel::Adapter), "USB LIMNASET Adapter 1.05\n");

    // State 2 asks only for the Connector: a new version shows after the next probe.
    Model->AdapterVersion = 0x010A;
    Tick();
    EXPECT_EQ(Form->PanelText(TPanel::Adapter), "USB LIMNASET Adapter 1.05\n");
    Provider->SetPlugged(false);
    Tick();
    Provider->SetPlugged(true);
    Tick();
    EXPECT_EQ(Form->PanelText(TPanel::Adapter), "USB LIMNASET Adapter 1.0a\n");
}

TEST_F(MonitorTest, ConnectorKinds) {
    for (const auto& [kind, shown] :
         {std::pair{TConnectorModel::TKind::None, ""},
          std::pair{TConnectorModel::TKind::Small, "Connector ERROR"}}) {
        Model->SetKind(kind);
        Tick();
        EXPECT_EQ(Form->PanelText(TPanel::Connector), shown);
        EXPECT_EQ(Clock(), "?") << shown;
        EXPECT_FALSE(CommandsEnabled()) << shown;
    }

    Model->SetKind(TConnectorModel::TKind::Large);
    Model->SetClockSeconds(SecondsSince2000(2024, 3, 5, 10, 20, 30));
    Tick();
    EXPECT_EQ(Form->PanelText(TPanel::Connector), "Connector OK");
    EXPECT_TRUE(CommandsEnabled());
    EXPECT_TRUE(Clock().startsWith("3/5/24 10:20:")) << Clock().toStdString();

    // Pulled out: the commands go, the document stays.
    Workplace->Document().ConnectorName = "Kept";
    Model->SetKind(TConnectorModel::TKind::None);
    Tick();
    EXPECT_EQ(Form->PanelText(TPanel::Connector), "");
    EXPECT_FALSE(CommandsEnabled());
    EXPECT_EQ(Workplace->Document().ConnectorName, "Kept");
}

TEST_F(MonitorTest, UnreadableClockLeavesTheClockEmpty) {
    Tick();
    ASSERT_EQ(Form->PanelText(TPanel::Connector), "Connector OK");
    // In state 2 a tick makes two probe replies, then the clock read.
    DropReplies(3, 5);
    Tick();
    EXPECT_EQ(Form->PanelText(TPanel::Connector), "Connector OK");
    EXPECT_TRUE(CommandsEnabled());
    EXPECT_EQ(Clock(), "");
}

TEST_F(MonitorTest, AdapterThatStopsAnsweringDropsBackStepByStep) {
    Tick();
    ASSERT_TRUE(CommandsEnabled());
    const QString adapter = Form->PanelText(TPanel::Adapter);
    Provider->SetPlugged(false);
    Tick();
    EXPECT_EQ(Form->PanelText(TPanel::Adapter), adapter) << "kept until the next adapter probe";
    EXPECT_EQ(Form->PanelText(TPanel::Connector), "");
    EXPECT_FALSE(CommandsEnabled());
    Tick();
    EXPECT_EQ(Form->PanelText(TPanel::Adapter), "Adapter ?");
}

TEST_F(MonitorTest, FirstTickAfterNewShowsTheStatusPage) {
    TClock::SetFixed(45000.5);
    Act("ViewLog")->trigger();
    ASSERT_EQ(Form->ShownPage(), TPage::Log);
    Act("FileNew")->trigger();
    ExpectMonitorRestarted();
    EXPECT_EQ(Form->PanelText(TPanel::Adapter), "USB LIMNASET Adapter 1.05\n")
        << "the adapter is probed in the same tick";
    EXPECT_EQ(Child<QLabel>("LblPCClock")->text(), DateTimeText(45000.5));
    Act("ViewLog")->trigger();
    Tick();
    EXPECT_EQ(Form->ShownPage(), TPage::Log) << "only the first tick switches pages";
    EXPECT_TRUE(Form->MonitorRunning()) << "a running timer keeps running";
}

TEST_F(MonitorTest, SetClockSendsThePcTimeAndRestartsTheTimer) {
    Model->SetElapsedSource([] { return int64_t(0); }); // the Connector clock stands still
    Tick();
    ASSERT_TRUE(CommandsEnabled());
    const TDateTime now = Moment(2024, 1, 15, 8, 30);
    TClock::SetFixed(now);
    Child<QPushButton>("BtnSetClock")->click();
    EXPECT_EQ(Model->ClockSeconds(), TR7200::ToConnectorTimestamp(now));
    EXPECT_TRUE(Form->MonitorRunning());
    Tick();
    EXPECT_EQ(Clock(), DateTimeText(now));
}

} // namespace
