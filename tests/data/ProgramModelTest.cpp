#include "ProgramModel.h"
#include "AnsiText.h"
#include "R7200.h"
#include "TestSupport.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

using C = TFieldCheck;

// A new record, changed by `prepare`, then "Field=text;Field=text" set in that order.
struct TSetRow {
    std::function<void(TR7200&)> Prepare;
    QString Input;
    TFieldCheck Check;
    std::function<double(const TR7200&)> Stored = {}; // after the last text, when accepted
    double Expected = 0;
};

TFieldCheck SetAll(TR7200& r, const QString& input) {
    for (const QString& part : input.split(u';')) {
        const TProgramField* field = FindProgramField(part.section(u'=', 0, 0));
        if (!field) return C::BadFormat;
        if (const C c = SetDisplayText(*field, r, part.section(u'=', 1)); c != C::Accepted)
            return c;
    }
    return C::Accepted;
}

void Periodical(TR7200& r) {
    r.SamplerMode = SamplerPeriodical;
}
void FlowPulses(TR7200& r) {
    r.SamplerMode = SamplerFlowPulses;
}

class ProgramModel : public testing::Test {
protected:
    TFixedClock Clock{Moment(2030, 5, 1, 12, 0)};
};

} // namespace

// clang-format off
TEST_F(ProgramModel, TextsAreReadAsTheirEditorsReadThem) {
    const TSetRow rows[] = {
        {Periodical, "SamplesPerBottle=240", C::Accepted, [](auto& r) { return r.SamplesPerBottle; }, 240},
        {Periodical, "SamplesPerBottle=241", C::OutOfRange},
        {Periodical, "SamplingPeriod=1:30", C::Accepted, [](auto& r) { return r.SamplingPeriod; }, 5400},
        // A mode's own field is only read while another mode is chosen.
        {FlowPulses, "SamplingPeriod=0:01", C::Accepted, [](auto& r) { return r.SamplingPeriod; }, 60},
        {Periodical, "SamplerMode=SAMPLING BY FLOW RATE", C::Accepted, [](auto& r) { return r.SamplerMode; }, 3},
        {Periodical, "SamplerMode=4", C::OutOfRange},
        {Periodical, "Capacity=5", C::OutOfRange},
        {Periodical, "Capacity=12;BottlesLimit=12", C::Accepted, [](auto& r) { return r.BottlesLimit; }, 12},
        {Periodical, "Capacity=8;BottlesLimit=12", C::OutOfRange},
        {Periodical, "Capacity=12;BottlesLimit=", C::Accepted, [](auto& r) { return r.BottlesLimit; }, NoBottlesLimit},
        {Periodical, "Capacity=12;BottlesLimit=4;BottlesPerGroup=5", C::OutOfRange},
        {FlowPulses, "MaximumInterval=", C::Accepted, [](auto& r) { return r.MaximumInterval; }, NoMaximumInterval},
        {Periodical, "Analog1.Min=4;Analog1.Max=20;VarMaximum=12", C::Accepted, [](auto& r) { return r.VarMaximum; }, 500},
        {Periodical, "EventMode=Analog input;EventLowLimit=60;EventHighLimit=50", C::OutOfRange},
        {Periodical, "EventMode=4;EventLowTemperature=-5;EventHighTemperature=30.5", C::Accepted, [](auto& r) { return r.EventLowLimit; }, -50},
        // With temperatures chosen, the analog form of the same member stays untouched.
        {Periodical, "EventMode=4;EventLowTemperature=-5;EventLowLimit=-5.0", C::Accepted, [](auto& r) { return r.EventLowLimit; }, -50},
        {Periodical, "ProgramMode=2;ProgramStartTime=5/1/30 12:05 PM", C::OutOfRange},
        {Periodical, "ProgramMode=2;ProgramStartTime=5/1/30 12:11 PM", C::Accepted, [](auto& r) { return r.ProgramStartTime; }, Moment(2030, 5, 1, 12, 11)},
        {Periodical, "ProgramMode=3;Schedule[6].StartAt=23:59;Schedule[6].Weeks=2,Last", C::Accepted, [](auto& r) { return r.Schedule[6].Weeks * 10000 + r.Schedule[6].StartAt; }, 34 * 10000 + 1439},
        {Periodical, "ConnectorName=" + QString(64, 'n'), C::OutOfRange},
        {Periodical, "ConnectorComment=" + QString(220, 'c') + "\n" + QString(221, 'c'), C::Accepted, [](auto& r) { return r.ConnectorComment.size(); }, 443},
        {Periodical, "ConnectorComment=" + QString(221, 'c') + "\n" + QString(221, 'c'), C::OutOfRange},
        {Periodical, "ConnectorName=A\u0081", C::Unstorable},
    };
    for (const TSetRow& row : rows) {
        SCOPED_TRACE(row.Input.toStdString());
        TR7200 r;
        row.Prepare(r);
        EXPECT_EQ(SetAll(r, row.Input), row.Check);
        if (row.Stored) { EXPECT_EQ(row.Stored(r), row.Expected); }
    }
}

// The first refusal in the editors' store order, only among the fields that count.
TEST_F(ProgramModel, ValidationFindsTheFirstFieldTheEditorsRefuse) {
    const struct {
        std::function<void(TR7200&)> Prepare;
        const char* Refused; // "" for an accepted program
        TFieldCheck Check = C::OutOfRange;
    } rows[] = {
        {Periodical, ""},
        {[](TR7200& r) { Periodical(r); r.SamplesPerBottle = 0; }, "SamplesPerBottle"},
        {[](TR7200& r) { Periodical(r); r.PulsesPerSample = 0; }, ""},
        {[](TR7200& r) { FlowPulses(r); r.PulsesPerSample = 0; }, "PulsesPerSample"},
        {[](TR7200& r) { FlowPulses(r); r.MaximumInterval = NoMaximumInterval; r.BottleChangeBy = 0; r.ChangeInterval = 0; }, ""},
        {[](TR7200& r) { FlowPulses(r); r.BottleChangeBy = 1; r.ChangeInterval = 0; }, "ChangeInterval"},
        {[](TR7200& r) { Periodical(r); r.EventMode = EventAnalog; r.EventLowLimit = 500; r.EventHighLimit = 500; }, "EventHighLimit"},
        {[](TR7200& r) { Periodical(r); r.ProgramMode = ProgramAtTime; r.ProgramStartTime = Moment(2030, 5, 1, 11, 0); }, "ProgramStartTime"},
        {[](TR7200& r) { Periodical(r); r.ProgramMode = ProgramByScheduler; }, "Schedule[0].Weeks"},
        {[](TR7200& r) { Periodical(r); r.ProgramMode = ProgramByScheduler; r.Schedule[3].Weeks = 1; r.Schedule[2].StartAt = 1440; }, "Schedule[2].StartAt"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Refused);
        TR7200 r;
        row.Prepare(r);
        const std::optional<TFieldRefusal> refusal = ValidateProgram(r);
        EXPECT_EQ(refusal ? refusal->Field->Name : QString(), QString::fromLatin1(row.Refused));
        if (refusal) { EXPECT_EQ(refusal->Check, row.Check); }
    }
}
// clang-format on

// What get prints, set reads back into the same record: every field, whatever its mode.
TEST_F(ProgramModel, EveryDisplayTextReadsBackAsItsValue) {
    for (const uint8_t mode : {0, 1, 2, 3}) {
        TR7200 a;
        a.SamplerMode = mode;
        a.EventMode = uint8_t(mode + 1);
        a.ProgramMode = mode;
        a.ProgramStartTime = Moment(2030, 6, 1, 8, 30);
        a.EventLowLimit = 100; // valid in both forms: temperatures show clamped
        a.EventHighLimit = 300;
        a.Analog1 = {4, 20.125, QStringLiteral("m3/h")};
        a.Schedule[2] = {375, 0x21};
        a.ConnectorComment = QStringLiteral("two\r\nlines");
        TR7200 b;
        for (const TProgramField& field : ProgramFields())
            ASSERT_EQ(SetDisplayText(field, b, DisplayText(field, a, true)), C::Accepted)
                << field.Name.toStdString();
        a.Pack();
        b.Pack();
        EXPECT_TRUE(std::equal(a.Image.begin() + 4, a.Image.begin() + 512, b.Image.begin() + 4));
        EXPECT_EQ(static_cast<const TProgramBlock&>(a), static_cast<const TProgramBlock&>(b))
            << int(mode);
    }
}

// A byte a code page leaves undefined is never produced, not even by its placeholder letter.
TEST(ProgramModelText, UnstorableLettersFollowTheCodePage) {
    EXPECT_EQ(TAnsiText::Unstorable(QStringLiteral("a¡b"), TCodePage::Baltic), QStringLiteral("¡"));
    EXPECT_EQ(TAnsiText::Unstorable(QStringLiteral("Станция"), TCodePage::Cyrillic), QString());
}
