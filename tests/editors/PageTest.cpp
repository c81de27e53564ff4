#include "../app/AppTestSupport.h"

#include "R7200.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QRadioButton>

namespace {

const QString OutOfRange = QStringLiteral("Error: Parameter out of range");
const QString BadFormat = QStringLiteral("Error: Invalid format of parameter");

// A program with a value of its own in every field the pages edit.
TR7200 Crafted(int mode) {
    TR7200 r;
    r.SamplerMode = uint8_t(mode);
    r.Capacity = 12;
    r.BottlesLimit = 10;
    r.BottlesPerGroup = 2;
    r.SamplesPerBottle = 7;
    r.EnableVar = 1;
    r.VarMaximum = 246; // "82.5" on the scale below, which reads back as 247
    r.SamplingPeriod = 5430;
    r.PulsesPerSample = 40000;
    r.MaximumInterval = 7200;
    r.FlowMaximum = 777;
    r.SamplesRate = 12;
    r.BottleChangeBy = ChangeByTimeInterval;
    r.ChangeInterval = 10800;
    r.PrePurge = 15;
    r.PostPurge = 20;
    r.PurgesCount = 3;
    r.MaxSuctionTime = 90;
    r.Aeration = 0;
    r.LoggerMode = 1;
    r.DoorStatusRecord = 1;
    r.LoggerPeriod = 900;
    r.PumpPulses = 40000;
    r.Analog1Range = 1;
    r.Analog1 = {71.25, 116.875, QStringLiteral("m3/h")};
    r.Analog2 = {0, 1234.56, QStringLiteral("1234567")};
    r.TemperatureUnits = 1;
    return r;
}

class PageTest : public TFormFixture {
protected:
    void SetUp() override {
        TFormFixture::SetUp();
        Open();
    }
    // Opens the record as File Open does; the path stays the document's name.
    QString Load(TR7200 record, const QString& name = QStringLiteral("program.r72")) {
        const QString path = FilePath(name);
        EXPECT_TRUE(record.SaveToFile(path));
        OpenFile(path);
        return path;
    }
    void OpenFile(const QString& path) {
        Workplace->SetModified(false); // no save question
        Form->FileOpenDialog = [path](const QString&, const QString&) { return path; };
        Act("FileOpen")->trigger();
    }
    const TProgramBlock& Program() const { return Workplace->Document(); }
    QLineEdit* Edit(const char* name) const { return Child<QLineEdit>(name); }
    bool Shown(const char* name) const { return Child<QWidget>(name)->isVisible(); }
    // Picks an item as the user does.
    void Pick(const char* list, int index) {
        auto combo = Child<QComboBox>(list);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    // Asks for every page to be stored (View Log does), answering one box if it comes.
    bool StoreAll() {
        Answers.Box(QMessageBox::Ok);
        Act("ViewLog")->trigger();
        const bool stored = Answers.Seen.empty();
        if (stored) Answers.Forget(); // the queued answer found no box
        return stored;
    }
};

TEST_F(PageTest, UntouchedPagesStoreEveryValueExactly) {
    for (int mode = SamplerExternalControl; mode <= SamplerFlowRate; ++mode) {
        const QString path = FilePath(QStringLiteral("mode%1.r72").arg(mode));
        TR7200 crafted = Crafted(mode);
        ASSERT_TRUE(crafted.SaveToFile(path));
        // The sampler's pump report, with its complement.
        QByteArray bytes = FileBytes(path);
        bytes[1995] = char(0x40), bytes[1996] = char(0x9C); // 40000
        bytes[1997] = char(0xBF), bytes[1998] = char(0x63);
        WriteFileBytes(path, bytes);
        TR7200 loaded;
        ASSERT_TRUE(loaded.LoadFromFile(path));
        OpenFile(path);
        ASSERT_TRUE(Answers.Seen.empty()) << Answers.Boxes().join(' ').toStdString();
        EXPECT_FALSE(Workplace->IsModified()) << mode;
        EXPECT_EQ(Edit("LomnarPumpPulses")->text(), "40000");
        // Through every page and back, then saved: not one value may change.
        Act("ViewSampler")->trigger();
        Act("ViewLog")->trigger();
        Act("ViewStatus")->trigger();
        Act("FileSave")->trigger();
        EXPECT_TRUE(Program() == static_cast<const TProgramBlock&>(loaded)) << "mode " << mode;
    }
}

struct TEntry {
    int Mode;
    void (*Prepare)(TR7200&);
    const char* Control;
    const char* Text;
    QString Box; // empty: accepted
    bool Focused;
};

void Limit4Of8(TR7200& r) {
    r.Capacity = 8;
    r.BottlesLimit = 4;
}
void NoLimitOf8(TR7200& r) {
    r.Capacity = 8;
    r.BottlesLimit = 255;
}
void Auto(TR7200& r) {
    r.Capacity = 0;
    r.BottlesLimit = 255;
    r.BottlesPerGroup = 1;
}
void VarOff(TR7200& r) {
    r.EnableVar = 0;
}
void LoggerOff(TR7200& r) {
    r.LoggerMode = 0;
}
void Nothing(TR7200&) {}

TEST_F(PageTest, EveryEntryIsCheckedAsItsRuleSays) {
    const TEntry entries[] = {
        {1, Limit4Of8, "EdtBottlesLimit", "0", OutOfRange, true},
        {1, Limit4Of8, "EdtBottlesLimit", "9", OutOfRange, true},
        {1, Limit4Of8, "EdtBottlesLimit", "8", {}, false},
        {1, Limit4Of8, "EdtBottlesLimit", "", BadFormat, true},
        {1, Limit4Of8, "EdtBottlesLimit", "x", BadFormat, true},
        {1, Limit4Of8, "EdtBottlesPerGroup", "4", {}, false},
        {1, Limit4Of8, "EdtBottlesPerGroup", "5", OutOfRange, true},
        {1, NoLimitOf8, "EdtBottlesPerGroup", "8", {}, false},
        {1, NoLimitOf8, "EdtBottlesPerGroup", "9", OutOfRange, true},
        {1, Auto, "EdtBottlesPerGroup", "2", OutOfRange, false}, // disabled at "Auto"
        {1, Nothing, "EdtSamplesPerBottle", "241", OutOfRange, true},
        {1, Nothing, "EdtSamplingPeriod", "00:01", OutOfRange, true},
        {1, Nothing, "EdtSamplingPeriod", "1:60", BadFormat, true},
        {1, Nothing, "EdtSamplingPeriod", "99:59", {}, false},
        {1, Nothing, "EdtSamplingPeriod", "100:00", OutOfRange, true},
        {1, VarOff, "EdtVarMaximum", "abc", BadFormat, false}, // read although disabled
        {1, Nothing, "EdtVarMaximum", "117", OutOfRange, true},
        {0, Nothing, "EdtExternalVarMaximum", "-1", OutOfRange, true},
        {2, Nothing, "EdtPulsesPerSample", "57601", OutOfRange, true},
        {2, Nothing, "EdtPulsesMaximumInterval", "600:01", OutOfRange, true},
        {3, Nothing, "EdtSamplesRate", "61", OutOfRange, true},
        {3, Nothing, "EdtRateMaximumInterval", "00:01:59", OutOfRange, true},
        {3, Nothing, "EdtChangeInterval", "1:x", {}, false}, // read as 1:0, an hour
        {2, Nothing, "EdtChangeInterval", "00:01", OutOfRange, true},
        {1, Nothing, "LomnarPrePurge", "0", OutOfRange, true},
        {1, Nothing, "LomnarPrePurge", "240", {}, false},
        {1, Nothing, "LomnarPostPurge", "241", OutOfRange, true},
        {1, Nothing, "LomnarPurgesCount", "6", OutOfRange, true},
        {1, Nothing, "LomnarMaxSuctionTime", "29", OutOfRange, true},
        {1, Nothing, "LomnarMaxSuctionTime", "30", {}, false},
        {1, Nothing, "LomnarAeration", "2 4", BadFormat, true},
        {1, LoggerOff, "LomnarLoggerPeriod", "00:00", OutOfRange, false},
        {1, Nothing, "LomnarLoggerPeriod", "16:01", OutOfRange, true},
        {1, Nothing, "LomnarLoggerPeriod", "16:00", {}, false},
        {1, Nothing, "EdtAnalog1Min", "abc", BadFormat, true},
        {1, Nothing, "EdtAnalog2Max", "1e999", BadFormat, true},
    };
    for (const TEntry& e : entries) {
        const std::string row = std::string(e.Control) + " \"" + e.Text + "\"";
        TR7200 record = Crafted(e.Mode);
        e.Prepare(record);
        Load(record);
        ASSERT_TRUE(Answers.Seen.empty()) << row;
        const TProgramBlock before = Program();
        QLineEdit* edit = Edit(e.Control);
        edit->setText(QString::fromUtf8(e.Text));
        const bool stored = StoreAll();
        if (e.Box.isEmpty()) {
            EXPECT_TRUE(stored) << row << ": " << Answers.Boxes().join(' ').toStdString();
            continue;
        }
        EXPECT_EQ(Answers.Boxes(), QStringList{e.Box}) << row;
        EXPECT_TRUE(Program() == before) << row << ": nothing is stored from the failing entry on";
        EXPECT_TRUE(edit->isVisible()) << row << ": its page is brought up";
        EXPECT_EQ(Form->focusWidget() == edit, e.Focused) << row;
        Answers.Forget();
    }
}

TEST_F(PageTest, FieldsBeforeARefusalAreStoredAndTheRestIsNot) {
    Load(Crafted(SamplerPeriodical));
    Edit("LomnarPrePurge")->setText("100");
    Edit("LomnarPostPurge")->setText("0");
    Edit("LomnarLoggerPeriod")->setText("01:00");
    EXPECT_FALSE(StoreAll());
    EXPECT_EQ(Program().PrePurge, 100);
    EXPECT_EQ(Program().PostPurge, 20);
    EXPECT_EQ(Program().LoggerPeriod, 900u);
    EXPECT_EQ(Form->ShownPage(), TPage::Sampler);
}

TEST_F(PageTest, DerivedValuesAreStoredAsTheirRulesSay) {
    TR7200 record = Crafted(SamplerFlowRate);
    record.BottleChangeBy = ChangeBySamplesCount;
    record.MaximumInterval = 0;
    Load(record);
    EXPECT_FALSE(Child<QCheckBox>("CbRateEnableMaximumInterval")->isChecked());
    EXPECT_EQ(Edit("EdtRateMaximumInterval")->text(), "");
    EXPECT_FALSE(Edit("EdtChangeInterval")->isEnabled());
    Edit("EdtChangeInterval")->setText("nonsense");
    Edit("LomnarLoggerPeriod")->setText("1:5");
    ASSERT_TRUE(StoreAll());
    EXPECT_EQ(Program().ChangeInterval, 3600u) << "\"Samples Count\" stores an hour";
    EXPECT_EQ(Program().MaximumInterval, 0u);
    EXPECT_EQ(Program().LoggerPeriod, 3900u);
    EXPECT_EQ(Edit("LomnarLoggerPeriod")->text(), "01:05");
    Act("ViewStatus")->trigger();
    Child<QCheckBox>("CbRateEnableMaximumInterval")->setChecked(true);
    ASSERT_TRUE(StoreAll()) << "the shortest interval is proposed";
    EXPECT_EQ(Program().MaximumInterval, 120u);

    // "Auto" takes one bottle at a time without a limit.
    Act("ViewStatus")->trigger();
    Pick("CbxCapacity", 0);
    EXPECT_EQ(Edit("EdtBottlesPerGroup")->text(), "1");
    EXPECT_FALSE(Edit("EdtBottlesPerGroup")->isEnabled());
    EXPECT_FALSE(Child<QCheckBox>("CbEnableBottlesLimit")->isChecked());
    EXPECT_FALSE(Child<QCheckBox>("CbEnableBottlesLimit")->isEnabled());
    ASSERT_TRUE(StoreAll());
    EXPECT_EQ(Program().Capacity, 0);
    EXPECT_EQ(Program().BottlesLimit, 255);
    EXPECT_EQ(Program().BottlesPerGroup, 1);
}

TEST_F(PageTest, ModeChangeShowsItsPanelsOrSnapsBack) {
    const char* panels[] = {
        "PanelStart",      "PanelBottles",  "PanelBottlesChange", "PanelPeriodicalSampling",
        "PanelFlowPulses", "PanelFlowRate", "PanelEventControl",  "PanelExternalVar"};
    const bool shown[4][8] = {{0, 0, 0, 0, 0, 0, 0, 1},
                              {1, 1, 0, 1, 0, 0, 1, 0},
                              {1, 1, 1, 0, 1, 0, 1, 0},
                              {1, 1, 1, 0, 0, 1, 1, 0}};
    Load(Crafted(SamplerPeriodical));
    for (int mode : {0, 2, 3, 1}) {
        Pick("CbxSamplerMode", mode);
        ASSERT_EQ(Program().SamplerMode, mode);
        for (int p = 0; p < 8; ++p)
            EXPECT_EQ(Shown(panels[p]), shown[mode][p]) << mode << " " << panels[p];
    }
    EXPECT_TRUE(Workplace->IsModified());

    // An invalid entry of the current mode keeps the mode.
    Edit("EdtSamplingPeriod")->setText("1:60");
    Answers.Box(QMessageBox::Ok);
    Pick("CbxSamplerMode", SamplerFlowPulses);
    EXPECT_EQ(Answers.Boxes(), QStringList{BadFormat});
    EXPECT_EQ(Child<QComboBox>("CbxSamplerMode")->currentIndex(), SamplerPeriodical);
    EXPECT_EQ(Program().SamplerMode, SamplerPeriodical);
    EXPECT_EQ(Form->focusWidget(), Edit("EdtSamplingPeriod"));
    EXPECT_TRUE(Shown("PanelPeriodicalSampling"));
}

TEST_F(PageTest, HiddenInvalidValueFromAFileBlocksEveryStore) {
    TR7200 record = Crafted(SamplerExternalControl);
    record.SamplesPerBottle = 0;
    Answers.Box(QMessageBox::Ok);
    Load(record);
    EXPECT_EQ(Answers.Boxes(), QStringList{OutOfRange}) << "reported at once";
    EXPECT_FALSE(Shown("PanelBottles"));
    EXPECT_NE(Form->focusWidget(), Edit("EdtSamplesPerBottle"));
    Answers.Forget();
    EXPECT_FALSE(StoreAll());
    EXPECT_EQ(Answers.Boxes(), QStringList{OutOfRange});
}

TEST_F(PageTest, ChangedScaleKeepsTheRawMaximaOnEveryPath) {
    TR7200 record = Crafted(SamplerPeriodical);
    record.Analog1 = {0, 100, QStringLiteral("%")};
    record.VarMaximum = 500;
    for (const char* command : {"ViewStatus", "FileSave", "ViewLog"}) {
        Load(record);
        Act("ViewSampler")->trigger();
        Edit("EdtAnalog1Max")->setText("200");
        Act(command)->trigger();
        EXPECT_EQ(Program().Analog1.Max, 200.0) << command;
        EXPECT_EQ(Program().VarMaximum, 500) << command;
        EXPECT_EQ(Edit("EdtVarMaximum")->text(), "100.0") << command;
        EXPECT_EQ(Edit("EdtVarMaximum")->toolTip(), "0.0..200.0 %") << command;
    }
}

TEST_F(PageTest, UserEditsMarkTheDocumentModified) {
    Load(Crafted(SamplerFlowRate));
    for (const char* name :
         {"EdtFlowMaximum", "EdtSamplesRate", "EdtRateMaximumInterval", "EdtBottlesLimit",
          "EdtSamplesPerBottle", "EdtBottlesPerGroup", "EdtChangeInterval", "LomnarPrePurge",
          "LomnarPostPurge", "LomnarAeration", "LomnarMaxSuctionTime", "LomnarPurgesCount",
          "LomnarLoggerPeriod", "EdtAnalog1Min", "EdtAnalog1Max", "EdtAnalog1Units"}) {
        Workplace->SetModified(false);
        emit Edit(name)->textEdited(QStringLiteral("1")); // as a key press tells
        EXPECT_TRUE(Workplace->IsModified()) << name;
    }
    for (const char* name : {"CbAnalog1Range", "CbAnalog2Range", "CbxTemperatureUnits"}) {
        Workplace->SetModified(false);
        Pick(name, 1);
        EXPECT_TRUE(Workplace->IsModified()) << name;
    }
    Workplace->SetModified(false);
    Child<QCheckBox>("LomnarEnableDigitalInputs")->click();
    EXPECT_TRUE(Workplace->IsModified());
}

} // namespace
