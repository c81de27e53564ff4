#include "AppTestSupport.h"
#include "InternalError.h"
#include "KelbDevice.h"
#include "LogPage.h"
#include "R7200.h"
#include "StatusPage.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>

namespace {

constexpr uint8_t CmdWriteBlock = 0x40;

class TransferTest : public TFormFixture {
protected:
    void SetUp() override {
        TFormFixture::SetUp();
        Open();
        Tick();
        ASSERT_TRUE(Act("DataRead")->isEnabled());
        QObject::connect(Child<QProgressBar>("ProgressBar"), &QProgressBar::valueChanged,
                         [this](int value) { Highest = std::max(Highest, value); });
    }
    // The framing is gone: the window works again and the monitor runs.
    void ExpectFramingEnded() {
        EXPECT_TRUE(Form->isEnabled());
        EXPECT_TRUE(Form->MonitorRunning());
        EXPECT_FALSE(Child<QProgressBar>("ProgressBar")->isVisible());
        EXPECT_EQ(Child<QProgressBar>("ProgressBar")->value(), 0);
        EXPECT_FALSE(Workplace->Device().HasProgress());
        EXPECT_FALSE(QApplication::overrideCursor());
        EXPECT_FALSE(Form->Transferring());
    }
    QString Name() const { return Workplace->Document().ConnectorName; }
    int Highest = -1;
};

TEST_F(TransferTest, ReadBringsTheConnectorIntoANewDocument) {
    LoadConnector("From the field");
    ASSERT_TRUE(Workplace->SaveFile(FilePath("old.r72")));
    Act("DataRead")->trigger();
    ExpectFramingEnded();
    EXPECT_EQ(Highest, 100) << "the progress bar followed the transfer";
    EXPECT_EQ(Name(), "From the field");
    EXPECT_EQ(Workplace->Document().SerialNumber, 4711u);
    EXPECT_TRUE(Workplace->FileName().isEmpty());
    EXPECT_FALSE(Workplace->IsModified());
    EXPECT_EQ(Form->PanelText(TPanel::Result), "OK");
    EXPECT_EQ(Form->PanelText(TPanel::File), "<noname>");
    EXPECT_EQ(Child<QLabel>("LblConnectorName")->text(), "From the field");
    EXPECT_EQ(Form->ShownPage(), TPage::Status);
}

TEST_F(TransferTest, FailedReadReportsAndStartsANewDocument) {
    // Erased memory: the checksum cannot match.
    Workplace->Document().ConnectorName = "Mine";
    Answers.Box(QMessageBox::Ok);
    Act("DataRead")->trigger();
    ExpectFramingEnded();
    // The bytes arrived whole: no document, but the user learns where they are kept.
    const QString archived = Workplace->Archive().List().value(0).Path;
    ASSERT_FALSE(archived.isEmpty());
    EXPECT_EQ(Answers.Boxes(),
              QStringList{"Error: Communication error, please try once more\n\n"
                          "The bytes as read are kept in the archive: " +
                          archived +
                          "\nThe program header is damaged; its 0 log records are archived."});
    EXPECT_EQ(Name(), "Limnaset");
    EXPECT_TRUE(Workplace->FileName().isEmpty());
    EXPECT_FALSE(Workplace->IsModified());
    EXPECT_EQ(Form->PanelText(TPanel::Result), "OK") << "File New followed the report";
    ExpectMonitorRestarted();
}

TEST_F(TransferTest, ConnectorPulledDuringTheReadGivesACommunicationError) {
    LoadConnector("Half read");
    TFaultPlan pull;
    pull.PullAfter = 40; // the probe and a few hundred bytes get through
    Model->SetFaultPlan(pull);
    Answers.Box(QMessageBox::Ok);
    Form->DataReadExecute();
    ExpectFramingEnded();
    EXPECT_EQ(Answers.Boxes(), QStringList{"Error: Communication error, please try once more"});
    EXPECT_EQ(Name(), "Limnaset") << "a fresh document, nothing half loaded";
    EXPECT_GT(Highest, 0);
    EXPECT_LT(Highest, 100);
}

TEST_F(TransferTest, ReadAsksBeforeDroppingChanges) {
    LoadConnector("Incoming");
    Workplace->Document().ConnectorName = "Mine";
    Workplace->SetModified(true);
    Answers.Box(QMessageBox::Cancel);
    Act("DataRead")->trigger();
    EXPECT_EQ(Name(), "Mine");
    EXPECT_EQ(Model->RequestCount(0x30), 0) << "nothing was read";
    Answers.Box(QMessageBox::No);
    Act("DataRead")->trigger();
    EXPECT_EQ(Name(), "Incoming");
}

TEST_F(TransferTest, ExceptionInsideATransferStillEndsTheFraming) {
    TFaultPlan junk;
    junk.Junk = true; // the receive queue never empties: the port cannot be purged
    Model->SetFaultPlan(junk);
    EXPECT_THROW(Form->DataReadExecute(), TInternalError);
    ExpectFramingEnded();
    Model->SetFaultPlan({});
}

TEST_F(TransferTest, ExceptionDuringTheReadLeavesAFreshDocumentShown) {
    LoadConnector("Half read");
    Workplace->Document().ConnectorName = "Mine";
    Form->RefreshControls();
    // Junk starts part-way through the read, after the document was replaced.
    QObject::connect(Child<QProgressBar>("ProgressBar"), &QProgressBar::valueChanged,
                     [this](int value) {
                         if (value < 10 || Model->StreamsJunk()) return;
                         TFaultPlan junk;
                         junk.Junk = true;
                         Model->SetFaultPlan(junk);
                     });
    EXPECT_THROW(Form->DataReadExecute(), TInternalError);
    Model->SetFaultPlan({});
    ExpectFramingEnded();
    EXPECT_EQ(Name(), "Limnaset");
    EXPECT_EQ(Child<QLabel>("LblConnectorName")->text(), "Limnaset");
    EXPECT_FALSE(Workplace->IsModified());
}

TEST_F(TransferTest, WriteSendsThePagesAndShowsTheNewLog) {
    Workplace->Document().ConnectorName = "Written";
    ASSERT_TRUE(Workplace->SaveFile(FilePath("doc.r72")));
    Workplace->SetModified(true);
    Answers.Box(QMessageBox::Ok);
    Act("DataWrite")->trigger();
    EXPECT_EQ(Answers.Boxes(),
              QStringList{"Confirmation: Do You really want to write data into Connector ?\n\n"
                          "The backup holds no program: what the write changes cannot be told\n\n"
                          "The program header is damaged; its 0 log records are archived."});
    ExpectFramingEnded();
    EXPECT_EQ(Highest, 100);
    EXPECT_EQ(Form->PanelText(TPanel::Result), "OK");
    EXPECT_EQ(Workplace->FileName(), FilePath("doc.r72")) << "a write keeps the name";
    EXPECT_TRUE(Workplace->IsModified()) << "and the mark";
    EXPECT_EQ(Workplace->Document().LogCount, 1);
    EXPECT_EQ(Child<QTableWidget>("LogTable")->rowCount(), 3) << "titles, units, one record";

    const TReadResult back = Workplace->Connector().Read();
    ASSERT_TRUE(back.Ok());
    EXPECT_EQ(back.Document.ConnectorName, "Written");
}

TEST_F(TransferTest, DialogSettingsSurviveAWriteAndARead) {
    // Each dialog: the controls to click or fill, then its OK.
    const std::vector<std::pair<const char*, QStringList>> dialogs = {
        {"BtnEventControl",
         {"RgEventMode2", "EdtLowLimit=10.0", "EdtHighLimit=90.0", "BtnEventOk"}},
        {"BtnProgramStart", {"ProgramMode1", "EdtProgramStartDelay=01:30", "BtnProgramOk"}},
        {"BtnConnectorData", {"ConnectorName=Well 7", "BtnConnectorOk"}}};
    for (const auto& dialogSteps : dialogs) {
        Answers.Window([steps = dialogSteps.second](QWidget* dialog) {
            for (const QString& step : steps) {
                auto control = dialog->findChild<QWidget*>(step.section('=', 0, 0));
                if (auto edit = qobject_cast<QLineEdit*>(control))
                    edit->setText(step.section('=', 1));
                else
                    qobject_cast<QAbstractButton*>(control)->click();
            }
        });
        Child<QPushButton>(dialogSteps.first)->click();
    }
    EXPECT_EQ(Child<QLabel>("LblProgramStart")->text(), "After 01:30");
    Answers.Box(QMessageBox::Ok);
    Act("DataWrite")->trigger();
    Workplace->SetModified(false);
    Act("DataRead")->trigger();
    const TR7200& r = Workplace->Document();
    EXPECT_EQ(r.EventMode, EventAnalog);
    EXPECT_EQ(r.EventLowLimit, 100);
    EXPECT_EQ(r.EventHighLimit, 900);
    EXPECT_EQ(r.ProgramMode, ProgramAfterDelay);
    EXPECT_EQ(r.ProgramStartDelay, 5400u);
    EXPECT_EQ(r.ConnectorName, "Well 7");
    EXPECT_EQ(Child<QLabel>("LblProgramStart")->text(), "After 01:30");
    EXPECT_EQ(Child<QLabel>("LblEventInput")->text(), "Analog");
    EXPECT_EQ(Child<QLabel>("LblConnectorName")->text(), "Well 7");
}

TEST_F(TransferTest, CancelledWriteSendsNothing) {
    Answers.Box(QMessageBox::Cancel);
    Act("DataWrite")->trigger();
    EXPECT_EQ(Model->RequestCount(CmdWriteBlock), 0);
    EXPECT_TRUE(Form->isEnabled());
}

TEST_F(TransferTest, WriteRefusesAConnectorSwappedDuringTheQuestion) {
    Answers.Box(QMessageBox::Ok, [this] { Model->SetKind(TConnectorModel::TKind::Small); });
    Answers.Box(QMessageBox::Ok);
    Act("DataWrite")->trigger();
    EXPECT_EQ(Answers.Boxes(),
              QStringList({"Confirmation: Do You really want to write data into Connector ?\n\n"
                           "The backup holds no program: what the write changes cannot be told\n\n"
                           "The program header is damaged; its 0 log records are archived.",
                           "Error: Connector ERROR"}));
    EXPECT_EQ(Model->RequestCount(CmdWriteBlock), 0);
    EXPECT_EQ(Model->RequestCount(0x60), 0) << "nothing written to the small kind either";
    EXPECT_EQ(Form->PanelText(TPanel::Connector), "Connector ERROR");
    EXPECT_EQ(Form->PanelText(TPanel::Result), "Error");
    EXPECT_FALSE(Act("DataWrite")->isEnabled());
    ExpectFramingEnded();
}

TEST_F(TransferTest, ReadRefusesWhenTheConnectorIsGone) {
    LoadConnector("Never read");
    Workplace->Document().ConnectorName = "Mine";
    Workplace->SetModified(true);
    Answers.Box(QMessageBox::No, [this] { Model->SetKind(TConnectorModel::TKind::None); });
    Answers.Box(QMessageBox::Ok);
    Act("DataRead")->trigger();
    EXPECT_EQ(Answers.Boxes(), QStringList({"Confirmation: File modified, do You want to save it ?",
                                            "Error: Communication error, please try once more"}));
    EXPECT_EQ(Name(), "Mine") << "the document stays";
    EXPECT_TRUE(Workplace->IsModified());
    EXPECT_EQ(Form->PanelText(TPanel::Connector), "");
    EXPECT_FALSE(Act("DataRead")->isEnabled());
    ExpectFramingEnded();
}

// Cancel by button or Esc stops after the block under way; the user learns what is left.
TEST_F(TransferTest, CancelledTransfersStopAfterTheCurrentBlock) {
    struct TCase {
        bool Write;
        bool Esc;
        QString Pass;
        QString Box;
    };
    const QString partly = "The Connector holds a partly written program and must be written "
                           "again before use";
    const TCase cases[] = {
        {false, false, "Reading, retries: 1", "Error: Read cancelled"},
        {true, true, "Writing, retries: 1", "Error: Write cancelled\n" + partly},
    };
    constexpr uint8_t CmdReadBlock = 0x30;
    for (const TCase& c : cases) {
        LoadConnector("Field");
        if (c.Write) Form->DataReadExecute(); // known: no backup before the write
        TFaultPlan drop;
        drop.AtReply = {{8, TReplyFault::Drop}};
        Model->SetFaultPlan(drop);
        const int reads = Model->RequestCount(CmdReadBlock);
        QString pass;
        auto cancel = QObject::connect(
            Child<QProgressBar>("ProgressBar"), &QProgressBar::valueChanged, [&](int value) {
                if (value < 30 || !pass.isEmpty()) return;
                pass = Child<QLabel>("TransferPass")->text();
                QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                if (c.Esc)
                    QApplication::sendEvent(Child<QPushButton>("TransferCancel"), &esc);
                else
                    Child<QPushButton>("TransferCancel")->click();
            });
        Answers.Forget();
        if (c.Write) Answers.Box(QMessageBox::Ok);
        Answers.Box(QMessageBox::Ok);
        c.Write ? Form->DataWriteExecute() : Form->DataReadExecute();
        QObject::disconnect(cancel);
        ExpectFramingEnded();
        EXPECT_EQ(pass, c.Pass);
        EXPECT_EQ(Answers.Boxes().last(), c.Box);
        EXPECT_EQ(Form->PanelText(TPanel::Result), c.Write ? "Error" : "OK")
            << "a read ends in File New";
        const int blocks = c.Write ? Model->RequestCount(CmdWriteBlock)
                                   : Model->RequestCount(CmdReadBlock) - reads;
        EXPECT_GT(blocks, 300) << c.Write;
        EXPECT_LT(blocks, 400) << "the next block after 30 % was the last";
        if (c.Write) {
            EXPECT_EQ(Model->RequestCount(CmdReadBlock), reads + 8)
                << "the log looked at twice, no read-back";
        } else {
            EXPECT_EQ(Name(), "Limnaset");
        }
    }
}

} // namespace
