#include "ProgramCompare.h"
#include "R7200.h"

#include <functional>
#include <gtest/gtest.h>

TEST(ProgramCompare, ListsTheFieldsThatCountAndTellsIdentityApart) {
    const struct {
        const char* Case;
        std::function<void(TR7200&)> Edit; // applied to the second program
        QStringList Fields;
        bool Serial = false, Log = false;
    } rows[] = {
        {"equal", [](TR7200&) {}, {}},
        {"one field", [](TR7200& r) { r.PrePurge = 237; }, {"PrePurge"}},
        {"seconds under hh:mm", [](TR7200& r) { r.SamplingPeriod += 30; }, {"SamplingPeriod"}},
        {"counts in neither mode", [](TR7200& r) { r.PulsesPerSample = 77; }, {}},
        {"counts in the new mode",
         [](TR7200& r) { r.SamplerMode = 2, r.PulsesPerSample = 77; },
         {"SamplerMode", "PulsesPerSample"}},
        {"name and comment",
         [](TR7200& r) { r.ConnectorName = "W", r.ConnectorComment = "a\r\nb"; },
         {"ConnectorName", "ConnectorComment"}},
        {"serial and log", [](TR7200& r) { r.SerialNumber = 7, r.LogCount = 3; }, {}, true, true},
    };
    for (const auto& row : rows) {
        TR7200 a;
        a.SamplerMode = SamplerPeriodical;
        TR7200 b = a;
        row.Edit(b);
        const TProgramComparison c = CompareProgram(a, b, true);
        QStringList names;
        for (const TProgramDifference& d : c.Fields)
            names << d.Field->Name;
        EXPECT_EQ(names, row.Fields) << row.Case;
        EXPECT_EQ(c.SerialDiffers, row.Serial) << row.Case;
        EXPECT_EQ(c.LogDiffers, row.Log) << row.Case;
    }
}

TEST(ProgramCompare, ChangeLinesNameOldAndNewUpToTenThenCountTheRest) {
    TR7200 a;
    TR7200 b = a;
    EXPECT_EQ(ChangeLines(CompareProgram(a, b, true), 10, true),
              QStringList{"The program stays as it is"});
    b.PrePurge = 237, b.PostPurge = 5, b.PurgesCount = 2, b.MaxSuctionTime = 50;
    const QStringList lines = ChangeLines(CompareProgram(a, b, true), 2, true);
    EXPECT_EQ(lines, (QStringList{"Purging Before Sampling: 10 → 237",
                                  "Purging After Sampling: 10 → 5", "and 2 more"}));
    EXPECT_EQ(ChangeLines(CompareProgram(a, b, true), 4, true).size(), 4) << "no \"and 0 more\"";
}
