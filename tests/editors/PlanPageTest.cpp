#include "../app/AppTestSupport.h"

#include "PlanPage.h"
#include "R7200.h"

#include <QFile>
#include <QLineEdit>
#include <QTableView>

namespace {

class PlanPageTest : public TFormFixture {};

} // namespace

TEST_F(PlanPageTest, FollowsThePagesAndExports) {
    Open();
    TR7200 r;
    r.SamplerMode = SamplerPeriodical;
    r.ProgramMode = ProgramImmediately;
    r.SamplingPeriod = 3600;
    r.SamplesPerBottle = 2;
    r.Capacity = 12;
    const QString path = FilePath(QStringLiteral("plan.r72"));
    ASSERT_TRUE(r.SaveToFile(path));
    Form->FileOpenDialog = [path](const QString&, const QString&) { return path; };
    Act("FileOpen")->trigger();
    EXPECT_EQ(Form->PlanPage(), nullptr); // built when first shown

    const struct {
        const char* Period;
        const char* Summary;
        int Samples;
    } rows[] = {{nullptr, "Takes a sample every 1 h", 24}, {"00:30", "every 30 min", 24}};
    for (const auto& row : rows) {
        if (row.Period) {
            Act("ViewStatus")->trigger();
            Child<QLineEdit>("EdtSamplingPeriod")->setText(QLatin1String(row.Period));
        }
        Act("ViewPlan")->trigger();
        ASSERT_EQ(Form->ShownPage(), TPage::Plan);
        const TPlan& plan = Form->PlanPage()->Plan();
        EXPECT_TRUE(Child<QLabel>("SummaryLabel")->text().contains(QLatin1String(row.Summary)));
        EXPECT_EQ(std::count_if(plan.Events.begin(), plan.Events.end(),
                                [](const TPlanEvent& e) { return e.Kind == TPlanKind::Sample; }),
                  row.Samples);
        EXPECT_EQ(Child<QTableView>("EventTable")->model()->rowCount(), int(plan.Events.size()));
    }
    EXPECT_EQ(Workplace->Document().SamplingPeriod, 1800u);

    const QString ics = FilePath(QStringLiteral("plan.ics"));
    Form->FileExportPlanDialog = [ics](const QString&, const QString&) { return ics; };
    Act("FileExportPlan")->trigger();
    QFile file(ics);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("BEGIN:VCALENDAR\r\n"));
}
