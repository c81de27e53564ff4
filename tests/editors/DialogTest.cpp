#include "../app/AppTestSupport.h"

#include "ConnectorCalendar.h"
#include "ProgramModel.h"
#include "R7200.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <optional>
#include <tuple>

namespace {

const QString Format = "Invalid format of parameter";
const QString Out = "Parameter out of range";
const QString NoActivity = "No Scheduled Activity";
using F = TField;

// One visit of a dialog. Input: "Control=text" sets an edit, a bare name clicks; then OK.
struct TVisit {
    QString Input;
    QString Box = {}; // the refusal, after which Cancel is pressed; "" for none
    F Field = F::EventMode;
    std::optional<double> Stored = {}; // after OK; nullopt: as before
    int Index = 0;
    std::function<void(TR7200&)> Prepare = {};
    QString Shown = {};   // "Control=text" when the dialog opens
    QString Summary = {}; // "Label=text" on the Status page afterwards
    bool Cancel = false;
};

auto Program(const TR7200& r) {
    return std::tuple(static_cast<const TProgramBlock&>(r), r.ProgramStartTime, r.ProgramStartDelay,
                      r.ConnectorName, r.ConnectorComment);
}

// "Name=text": the label or edit of that name under `root` shows the text.
void ExpectShows(const QObject& root, const QString& shown) {
    if (shown.isEmpty()) return;
    const QWidget* w = root.findChild<QWidget*>(shown.section('=', 0, 0));
    const auto edit = qobject_cast<const QLineEdit*>(w);
    EXPECT_EQ(edit ? edit->text() : qobject_cast<const QLabel*>(w)->text(), shown.section('=', 1));
}

class DialogTest : public TFormFixture {
protected:
    void SetUp() override {
        TFormFixture::SetUp();
        TClock::SetFixed(Moment(2030, 5, 1, 12, 0));
        Open();
        // A box nobody expected fails the test instead of waiting for an answer.
        QObject::connect(&Stray, &QTimer::timeout, [this] {
            auto box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !Answers.AllAnswered()) return;
            ADD_FAILURE() << "unexpected box: " << box->text().toStdString();
            box->buttons().constFirst()->click();
        });
        Stray.start(20);
    }

    void VisitAll(const char* button, std::initializer_list<TVisit> visits) {
        for (const TVisit& v : visits) {
            SCOPED_TRACE(v.Input.toStdString());
            Visit(button, v);
        }
    }

    void Visit(const char* button, const TVisit& v) {
        Workplace->Modified = false;
        Act("FileNew")->trigger();
        TR7200& r = Form->Record();
        if (v.Prepare) v.Prepare(r);
        Form->RefreshControls();
        Workplace->Modified = false;
        const TR7200 before = r;
        const auto boxes = qsizetype(Answers.Seen.size());
        Answers.Window([&](QWidget* dialog) { Drive(*static_cast<QDialog*>(dialog), v); });
        Child<QPushButton>(button)->click();
        const QStringList refused =
            v.Box.isEmpty() ? QStringList() : QStringList("Error: " + v.Box);
        EXPECT_EQ(Answers.Boxes().mid(boxes), refused);
        const bool ok = v.Box.isEmpty() && !v.Cancel;
        EXPECT_EQ(Workplace->Modified, ok);
        if (ok && !v.Input.isEmpty()) {
            EXPECT_EQ(FieldValue(v.Field, r, v.Index),
                      v.Stored.value_or(FieldValue(v.Field, before, v.Index)));
        } else {
            EXPECT_TRUE(Program(r) == Program(before));
        }
        ExpectShows(*Form, v.Summary);
    }

    void Drive(QDialog& dialog, const TVisit& v) {
        ExpectShows(dialog, v.Shown);
        QWidget* last = nullptr;
        for (const QString& step : v.Input.split(';', Qt::SkipEmptyParts)) {
            last = dialog.findChild<QWidget*>(step.section('=', 0, 0));
            if (auto edit = qobject_cast<QLineEdit*>(last))
                edit->setText(step.section('=', 1));
            else
                qobject_cast<QAbstractButton*>(last)->click();
        }
        if (!v.Box.isEmpty()) Answers.Box(QMessageBox::Ok);
        const auto button = [&](const QString& end) {
            return dialog.findChildren<QPushButton*>(QRegularExpression("^Btn.*" + end + "$"))[0];
        };
        button(v.Cancel ? "Cancel" : "Ok")->click();
        // The refused edit takes the focus when it is shown.
        const bool focused = dialog.focusWidget() == last;
        EXPECT_TRUE(!qobject_cast<QLineEdit*>(last) || v.Box.isEmpty() || v.Box == NoActivity ||
                    focused == last->isVisible());
        EXPECT_EQ(dialog.isVisible(), !v.Box.isEmpty());
        if (dialog.isVisible()) button("Cancel")->click();
    }

    QTimer Stray;
};

// clang-format off
TEST_F(DialogTest, EventControlValidatesInOrder) {
    const auto fahrenheit = [](TR7200& r) { r.TemperatureUnits = 1; };
    VisitAll("BtnEventControl", {
        {"RgEventMode1;EdtEventDelay=0:04", Out},
        {"RgEventMode1;EdtEventDelay=0:05", {}, F::EventDelay, 5},
        {"RgEventMode1;EdtEventDelay=59:59", {}, F::EventDelay, 3599},
        {"RgEventMode1;EdtEventDelay=60:00", Format},
        {"RgEventMode1;EdtEventDelay=1:60", Format},
        {"RgEventMode1;EdtEventDelay=16:00:00", {}, F::EventDelay, 57600},
        {"RgEventMode1;EdtEventDelay=16:00:01", Out},
        // Hidden in mode 0, yet validated.
        {"RgEventMode1;RgEventMode0;EdtEventDelay=x", Format},
        {"RgEventMode1;CbPreSampling;EdtPreSamples=0", Out},
        {"RgEventMode1;CbPreSampling;EdtPreSamples=10001", Out},
        {"RgEventMode1;CbPreSampling;EdtPreSamples=2.5", Format},
        {"RgEventMode1;CbPreSampling;EdtPreInterval=0:00", Out},
        {"RgEventMode1;CbPreSampling;EdtPreSamples=10000", {}, F::PreSamplingSamples, 10000},
        {"RgEventMode1;EdtPreInterval=x;EdtPreSamples=x", {}, F::PreSamplingSamples},
        {"RgEventMode2;EdtLowLimit=50;EdtHighLimit=50", Out},
        {"RgEventMode2;EdtLowLimit=-1", Out},
        {"RgEventMode2;EdtLowLimit=10;EdtHighLimit=60", {}, F::EventHighLimit, 600},
        {"RgEventMode4;EdtLowTemperature=-40.1", Out},
        {"RgEventMode4;EdtLowTemperature=-40.0;EdtHighTemperature=85.1", Out},
        {"RgEventMode4;EdtLowTemperature=-40.0;EdtHighTemperature=85.0", {}, F::EventHighLimit,
         850},
        {"RgEventMode4;EdtLowTemperature=-40;EdtHighTemperature=185.0", {}, F::EventHighLimit, 850,
         0, fahrenheit, "HighTemperatureUnitsLabel=F"},
        {"RgEventMode4;EdtHighTemperature=185.2", Out, {}, {}, 0, fahrenheit},
        {"RgEventMode2;RgEventRun1", {}, F::EventMode, EventAnalog, 0, {}, {},
         "LblEventMode=Start program by Event"},
        // Untouched: limits whose text does not read back exactly stay as they are.
        {"", {}, {}, {}, 0, [](TR7200& r) {
             r.EventMode = EventAnalog;
             r.Analog2 = {9990, 10000, "m"};
             r.EventLowLimit = 333;
             r.EventHighLimit = 667;
         }, "EdtHighLimit=9997", "LblEventInput=Analog"},
    });
}

TEST_F(DialogTest, ProgramStartValidatesTheChosenMode) {
    // Ten minutes after the fixed clock, and one more.
    const QString soon = DateShortTimeText(Moment(2030, 5, 1, 12, 10));
    const QString later = DateShortTimeText(Moment(2030, 5, 1, 12, 11));
    VisitAll("BtnProgramStart", {
        {"ProgramMode1;EdtProgramStartDelay=00:00:59", Out},
        {"ProgramMode1;EdtProgramStartDelay=00:01", {}, F::ProgramStartDelay, 60},
        {"ProgramMode1;EdtProgramStartDelay=600:00", {}, F::ProgramStartDelay, 2160000},
        {"ProgramMode1;EdtProgramStartDelay=600:01", Out},
        {"ProgramMode1;EdtProgramStartDelay=1:75", Format},
        // Switching modes discards the typed delay; mode 0 ignores the edits.
        {"ProgramMode1;EdtProgramStartDelay=05:00;ProgramMode2;ProgramMode1", {},
         F::ProgramStartDelay},
        {"ProgramMode1;EdtProgramStartDelay=x;ProgramMode0", {}, F::ProgramMode, 0},
        {"ProgramMode2;EdtProgramStartAt=" + soon, Out},
        {"ProgramMode2;EdtProgramStartAt=" + later, {}, F::ProgramStartTime,
         Moment(2030, 5, 1, 12, 11), 0, {}, {}, "LblProgramStart=At " + later},
        {"ProgramMode2;EdtProgramStartAt=5/1/2100 12:00 PM", Out},
        {"ProgramMode2;EdtProgramStartAt=5/1/30 25:00", Format},
        {"ProgramMode2;BtnProgramNow", Out},
        {"ProgramMode3", NoActivity},
        {"ProgramMode3;CbMonday1;EdtMondayAt=23:59", {}, F::ScheduleStartAt, 86340},
        {"ProgramMode3;CbMonday1;EdtSundayAt=24:00", Out},
        {"ProgramMode3;CbMonday1;EdtMondayAt=23:59:30", Out},
        {"ProgramMode3;CbMonday1;EdtMondayAt=23:58:30", {}, F::ScheduleStartAt, 86280, 0, {}, {},
         "LblProgramStart=By scheduler"},
        {"ProgramMode3", {}, F::ScheduleWeeks, 0x21, 2,
         [](TR7200& r) { r.Schedule[2].Weeks = 0x31; }},
        // Untouched: the seconds the text does not show stay.
        {"", {}, {}, {}, 0, [](TR7200& r) {
             r.ProgramMode = ProgramAtTime;
             r.ProgramStartTime = Moment(2030, 5, 1, 13, 0, 37);
         }},
    });
}

TEST_F(DialogTest, ConnectorDataShowsTheSerialAndStoresTheName) {
    const auto serial = [](uint32_t n) { return [n](TR7200& r) { r.SerialNumber = n; }; };
    VisitAll("BtnConnectorData", {
        {"", {}, {}, {}, 0, serial(0), "ConnectorSerialNumber=00000000"},
        {"", {}, {}, {}, 0, serial(0x1A2B), "ConnectorSerialNumber=00001A2B"},
        {"", {}, {}, {}, 0, serial(0xFFFFFFFF), "ConnectorSerialNumber=FFFFFFFF"},
        {"ConnectorName=Intake 3", {}, {}, {}, 0, {}, {}, {}, true},
        {"ConnectorName=Intake 3", {}, {}, {}, 0, {}, {}, "LblConnectorName=Intake 3"},
    });
}
// clang-format on

TEST_F(DialogTest, CommentKeepsItsLineBreaksAndCountsThemTwice) {
    Form->Record().ConnectorComment = "first\r\nsecond";
    Answers.Window([](QWidget* dialog) {
        auto memo = dialog->findChild<QPlainTextEdit*>("ConnectorComment");
        EXPECT_EQ(memo->toPlainText(), "first\nsecond");
        memo->moveCursor(QTextCursor::End);
        memo->insertPlainText(QString(500, 'z'));
        dialog->findChild<QPushButton*>("BtnConnectorOk")->click();
    });
    Child<QPushButton>("BtnConnectorData")->click();
    EXPECT_EQ(Form->Record().ConnectorComment, "first\r\nsecond" + QString(443 - 13, 'z'));
}

} // namespace
