#include "ProgramCompare.h"
#include "R7200.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

TR7200 Periodical() {
    TR7200 r;
    r.SamplerMode = SamplerPeriodical;
    return r;
}

struct TCompareRow {
    const char* Case;
    std::function<void(TR7200&)> Edit; // applied to the second program
    QStringList Fields;
    bool Serial = false;
    bool Log = false;
};

} // namespace

TEST(ProgramCompare, ListsTheFieldsThatCountAndTellsIdentityApart) {
    const std::vector<TCompareRow> rows = {
        {"equal", [](TR7200&) {}, {}},
        {"one field", [](TR7200& r) { r.PrePurge = 237; }, {"PrePurge"}},
        {"seconds under hh:mm", [](TR7200& r) { r.SamplingPeriod += 30; }, {"SamplingPeriod"}},
        {"counts in neither mode", [](TR7200& r) { r.PulsesPerSample = 77; }, {}},
        {"counts in the new mode",
         [](TR7200& r) { r.SamplerMode = SamplerFlowPulses, r.PulsesPerSample = 77; },
         {"SamplerMode", "PulsesPerSample"}},
        {"name and comment",
         [](TR7200& r) { r.ConnectorName = "Weir 3", r.ConnectorComment = "a\r\nb"; },
         {"ConnectorName", "ConnectorComment"}},
        {"serial and log", [](TR7200& r) { r.SerialNumber = 7, r.LogCount = 3; }, {}, true, true},
    };
    for (const TCompareRow& row : rows) {
        const TR7200 a = Periodical();
        TR7200 b = Periodical();
        row.Edit(b);
        const TProgramComparison c = CompareProgram(a, b, true);
        QStringList names;
        for (const TProgramDifference& d : c.Fields)
            names << d.Field->Name;
        EXPECT_EQ(names, row.Fields) << row.Case;
        EXPECT_EQ(c.SerialDiffers, row.Serial) << row.Case;
        EXPECT_EQ(c.LogDiffers, row.Log) << row.Case;
        EXPECT_TRUE(CompareProgram(b, b).Fields.empty()) << row.Case;
    }
}

TEST(ProgramCompare, ChangeLinesNameOldAndNewUpToTenThenCountTheRest) {
    TR7200 a = Periodical();
    TR7200 b = a;
    b.PrePurge = 237;
    EXPECT_EQ(ChangeLines(CompareProgram(a, b, true), 10, true),
              QStringList{"Purging Before Sampling: 10 → 237"});
    EXPECT_EQ(ChangeLines(CompareProgram(a, a, true), 10, true),
              QStringList{"The program stays as it is"});
    b.PostPurge = 5, b.PurgesCount = 2, b.MaxSuctionTime = 50;
    const QStringList lines = ChangeLines(CompareProgram(a, b, true), 2, true);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[1], "Purging After Sampling: 10 → 5");
    EXPECT_EQ(lines[2], "and 2 more");
    EXPECT_EQ(ChangeLines(CompareProgram(a, b, true), 4, true).size(), 4);
}
