#include "../app/AppTestSupport.h"

#include "ConnectorCalendar.h"
#include "FieldRules.h"
#include "MsgTemplate.h"
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
const TDateTime Now = Moment(2030, 5, 1, 12, 0);

// One visit of a dialog: what is typed or clicked, then OK (or Cancel).
struct TVisit {
    const char* Button;                                      // on the Status page
    std::vector<std::pair<const char*, QString>> Input = {}; // "" clicks the control
    QString Box = {};                                        // the refusal; "" for none
    TField Field = TField::EventMode;                        // checked after an OK
    std::optional<double> Stored = {};                       // nullopt: as before
    int Index = 0;
    std::function<void(TR7200&)> Prepare = {};
    std::pair<const char*, QString> Shown = {};   // a control's text on opening
    std::pair<const char*, QString> Summary = {}; // a Status page label after OK
    bool Cancel = false;
};

auto Program(const TR7200& r) {
    return std::tuple(static_cast<const TProgramBlock&>(r), r.ProgramStartTime, r.ProgramStartDelay,
                      r.ConnectorName, r.ConnectorComment);
}

QString TextOf(QWidget* w) {
    if (auto edit = qobject_cast<QLineEdit*>(w)) return edit->text();
    if (auto memo = qobject_cast<QPlainTextEdit*>(w)) return memo->toPlainText();
    return qobject_cast<QLabel*>(w)->text();
}

class DialogTest : public TFormFixture {
protected:
    void SetUp() override {
        TFormFixture::SetUp();
        TClock::SetFixed(Now);
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
    QTimer Stray;

    void Visit(const TVisit& v) {
        // Each visit starts from a new document.
        Workplace->Modified = false;
        Act("FileNew")->trigger();
        TR7200& r = Form->Record();
        if (v.Prepare) {
            v.Prepare(r);
            Form->RefreshControls();
        }
        Workplace->Modified = false;
        const TR7200 before = r;
        const size_t boxes = Answers.Seen.size();
        Answers.Window([&](QWidget* dialog) { Drive(*dialog, v); });
        Child<QPushButton>(v.Button)->click();
        ASSERT_EQ(Answers.Seen.size(), boxes + (v.Box.isEmpty() ? 0 : 1));
        if (!v.Box.isEmpty()) {
            EXPECT_EQ(Answers.Boxes().back(), "Error: " + v.Box);
        }
        const bool ok = v.Box.isEmpty() && !v.Cancel;
        EXPECT_EQ(Workplace->Modified, ok);
        if (!ok || v.Input.empty()) {
            EXPECT_TRUE(Program(r) == Program(before));
        }
        if (ok && !v.Input.empty()) {
            EXPECT_EQ(FieldValue(v.Field, r, v.Index),
                      v.Stored.value_or(FieldValue(v.Field, before, v.Index)));
        }
        if (v.Summary.first) {
            EXPECT_EQ(Child<QLabel>(v.Summary.first)->text(), v.Summary.second);
        }
    }

    void Drive(QWidget& dialog, const TVisit& v) {
        const auto find = [&](const char* name) {
            auto w = dialog.findChild<QWidget*>(name);
            EXPECT_TRUE(w) << name;
            return w;
        };
        if (v.Shown.first) {
            EXPECT_EQ(TextOf(find(v.Shown.first)), v.Shown.second);
        }
        QWidget* last = nullptr;
        for (const auto& [name, text] : v.Input) {
            last = find(name);
            if (auto edit = qobject_cast<QLineEdit*>(last))
                edit->setText(text);
            else if (auto memo = qobject_cast<QPlainTextEdit*>(last))
                memo->setPlainText(text);
            else
                static_cast<QAbstractButton*>(last)->click();
        }
        const auto buttons =
            dialog.findChildren<QPushButton*>(QRegularExpression("^Btn.*(Ok|Cancel)$"));
        EXPECT_EQ(buttons.size(), 2);
        if (!v.Box.isEmpty()) Answers.Box(QMessageBox::Ok);
        if (buttons.size() == 2) buttons[v.Cancel ? 1 : 0]->click();
        // The refused edit takes the focus when it is shown.
        if (!v.Box.isEmpty() && qobject_cast<QLineEdit*>(last) && v.Box != NoActivity) {
            EXPECT_EQ(dialog.focusWidget() == last, last->isVisible()) << v.Input.back().first;
        }
        EXPECT_EQ(dialog.isVisible(), !v.Box.isEmpty());
        if (dialog.isVisible()) static_cast<QDialog&>(dialog).reject();
    }
};

TEST_F(DialogTest, EventControlValidatesInOrder) {
    using F = TField;
    const char* const E = "BtnEventControl";
    const std::pair<const char*, QString> digital = {"RgEventMode1", ""},
                                          analog = {"RgEventMode2", ""},
                                          temperature = {"RgEventMode4", ""},
                                          pre = {"CbPreSampling", ""};
    const auto fahrenheit = [](TR7200& r) { r.TemperatureUnits = 1; };
    const TVisit visits[] = {
        {E, {digital, {"EdtEventDelay", "0:04"}}, Out},
        {E, {digital, {"EdtEventDelay", "0:05"}}, {}, F::EventDelay, 5},
        {E, {digital, {"EdtEventDelay", "59:59"}}, {}, F::EventDelay, 3599},
        {E, {digital, {"EdtEventDelay", "60:00"}}, Format},
        {E, {digital, {"EdtEventDelay", "1:60"}}, Format},
        {E, {digital, {"EdtEventDelay", "16:00:00"}}, {}, F::EventDelay, 57600},
        {E, {digital, {"EdtEventDelay", "16:00:01"}}, Out},
        // Hidden in mode 0, yet validated.
        {E, {digital, {"EdtEventDelay", "x"}, {"RgEventMode0", ""}}, Format},
        {E, {digital, pre, {"EdtPreSamples", "0"}}, Out},
        {E, {digital, pre, {"EdtPreSamples", "10001"}}, Out},
        {E, {digital, pre, {"EdtPreSamples", "2.5"}}, Format},
        {E, {digital, pre, {"EdtPreInterval", "0:00"}}, Out},
        {E, {digital, pre, {"EdtPreSamples", "10000"}}, {}, F::PreSamplingSamples, 10000},
        {E, {digital, {"EdtPreSamples", "x"}, {"EdtPreInterval", "x"}}, {}, F::PreSamplingSamples},
        {E, {analog, {"EdtLowLimit", "50"}, {"EdtHighLimit", "50"}}, Out},
        {E, {analog, {"EdtLowLimit", "-1"}}, Out},
        {E, {analog, {"EdtLowLimit", "10"}, {"EdtHighLimit", "60"}}, {}, F::EventHighLimit, 600},
        {E, {temperature, {"EdtLowTemperature", "-40.1"}}, Out},
        {E, {temperature, {"EdtLowTemperature", "-40.0"}, {"EdtHighTemperature", "85.1"}}, Out},
        {E,
         {temperature, {"EdtLowTemperature", "-40.0"}, {"EdtHighTemperature", "85.0"}},
         {},
         F::EventHighTemperature,
         850},
        {E,
         {temperature, {"EdtLowTemperature", "-40"}, {"EdtHighTemperature", "185.0"}},
         {},
         F::EventHighTemperature,
         850,
         0,
         fahrenheit,
         {"HighTemperatureUnitsLabel", "F"}},
        {E, {temperature, {"EdtHighTemperature", "185.2"}}, Out, F::EventMode, {}, 0, fahrenheit},
        {E,
         {analog, {"RgEventRun1", ""}},
         {},
         F::EventMode,
         EventAnalog,
         0,
         {},
         {},
         {"LblEventMode", "Start program by Event"}},
        // Untouched: limits that do not survive their text exactly stay as they are.
        {E,
         {},
         {},
         F::EventMode,
         {},
         0,
         [](TR7200& r) {
             r.EventMode = EventAnalog;
             r.Analog2 = {9990, 10000, "m"};
             r.EventLowLimit = 333;
             r.EventHighLimit = 667;
         },
         {"EdtHighLimit", "9997"},
         {"LblEventInput", "Analog"}},
    };
    for (const TVisit& v : visits) {
        SCOPED_TRACE(v.Input.empty() ? "untouched" : v.Input.back().second.toStdString());
        Visit(v);
    }
}

TEST_F(DialogTest, ProgramStartValidatesTheChosenMode) {
    using F = TField;
    const char* const P = "BtnProgramStart";
    const std::pair<const char*, QString> delay = {"ProgramMode1", ""}, at = {"ProgramMode2", ""},
                                          scheduler = {"ProgramMode3", ""},
                                          monday = {"CbMonday1", ""};
    // Ten minutes after the fixed clock, and one more.
    const auto start = [](int minute) { return DateShortTimeText(Moment(2030, 5, 1, 12, minute)); };
    const TVisit visits[] = {
        {P, {delay, {"EdtProgramStartDelay", "00:00:59"}}, Out},
        {P, {delay, {"EdtProgramStartDelay", "00:01"}}, {}, F::ProgramStartDelay, 60},
        {P, {delay, {"EdtProgramStartDelay", "600:00"}}, {}, F::ProgramStartDelay, 2160000},
        {P, {delay, {"EdtProgramStartDelay", "600:01"}}, Out},
        {P, {delay, {"EdtProgramStartDelay", "1:75"}}, Format},
        // Switching modes discards the typed delay; mode 0 ignores the edits.
        {P, {delay, {"EdtProgramStartDelay", "05:00"}, at, delay}, {}, F::ProgramStartDelay},
        {P, {delay, {"EdtProgramStartDelay", "x"}, {"ProgramMode0", ""}}, {}, F::ProgramMode, 0},
        {P, {at, {"EdtProgramStartAt", start(10)}}, Out},
        {P,
         {at, {"EdtProgramStartAt", start(11)}},
         {},
         F::ProgramStartTime,
         Moment(2030, 5, 1, 12, 11),
         0,
         {},
         {},
         {"LblProgramStart", "At " + start(11)}},
        {P, {at, {"EdtProgramStartAt", "5/1/2100 12:00 PM"}}, Out},
        {P, {at, {"EdtProgramStartAt", "5/1/30 25:00"}}, Format},
        {P, {at, {"BtnProgramNow", ""}}, Out},
        {P, {scheduler}, NoActivity},
        {P, {scheduler, monday, {"EdtMondayAt", "23:59"}}, {}, F::ScheduleStartAt, 86340},
        {P, {scheduler, monday, {"EdtSundayAt", "24:00"}}, Out},
        {P, {scheduler, monday, {"EdtMondayAt", "23:59:30"}}, Out},
        {P,
         {scheduler, monday, {"EdtMondayAt", "23:58:30"}},
         {},
         F::ScheduleStartAt,
         86280,
         0,
         {},
         {},
         {"LblProgramStart", "By scheduler"}},
        {P,
         {scheduler},
         {},
         F::ScheduleWeeks,
         0x21,
         2,
         [](TR7200& r) { r.Schedule[2].Weeks = 0x31; }},
        // Untouched: the seconds the text does not show stay.
        {P,
         {},
         {},
         F::ProgramMode,
         {},
         0,
         [](TR7200& r) {
             r.ProgramMode = ProgramAtTime;
             r.ProgramStartTime = Moment(2030, 5, 1, 13, 0, 37);
         }},
    };
    for (const TVisit& v : visits) {
        SCOPED_TRACE(v.Input.empty() ? "untouched" : v.Input.back().second.toStdString());
        Visit(v);
    }
}

TEST_F(DialogTest, ConnectorDataShowsTheSerialAndStoresNameAndComment) {
    const char* const C = "BtnConnectorData";
    const auto serial = [](uint32_t n) { return [n](TR7200& r) { r.SerialNumber = n; }; };
    const TVisit visits[] = {
        {C, {}, {}, TField::EventMode, {}, 0, serial(0), {"ConnectorSerialNumber", "00000000"}},
        {C,
         {},
         {},
         TField::EventMode,
         {},
         0,
         serial(0x1A2B),
         {"ConnectorSerialNumber", "00001A2B"}},
        {C,
         {},
         {},
         TField::EventMode,
         {},
         0,
         serial(0xFFFFFFFF),
         {"ConnectorSerialNumber", "FFFFFFFF"}},
        {C, {{"ConnectorName", "Intake 3"}}, {}, TField::EventMode, {}, 0, {}, {}, {}, true},
        {C,
         {{"ConnectorName", "Intake 3"}},
         {},
         TField::EventMode,
         {},
         0,
         {},
         {},
         {"LblConnectorName", "Intake 3"}},
    };
    for (const TVisit& v : visits)
        Visit(v);
}

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
