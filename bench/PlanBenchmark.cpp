// Plans the densest program for a leap year (a sample every 2 minutes, the shortest period,
// 24 bottles of 240 samples, a start at midnight on every day) and refreshes the Plan page
// on it for the page's week, and prints the time of each (the best and the median of the
// runs). The page time includes the layout and painting that follow. Goals: the plan under
// 100 ms, the page under 50 ms.
//
// Usage: PlanBenchmark [runs]

#include "BenchTimes.h"
#include "DocumentHost.h"
#include "Plan.h"
#include "PlanPage.h"
#include "R7200.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

TR7200 Densest() {
    TR7200 r;
    r.SamplerMode = SamplerPeriodical;
    r.SamplingPeriod = 120;
    r.Capacity = 24;
    r.SamplesPerBottle = 240;
    r.ProgramMode = ProgramByScheduler;
    r.Schedule.fill({0, 0x2F});
    r.LoggerMode = 1;
    r.LoggerPeriod = 60;
    return r;
}

class THost : public TDocumentHost {
public:
    TR7200 Document = Densest();
    TR7200& Record() override { return Document; }
    void SetModified() override {}
    bool StorePages() override { return true; }
    void RefreshControls() override {}
    void ShowStatusPage() override {}
    void ShowSamplerPage() override {}
    TPage ActivePage() const override { return TPage::Plan; }
};

} // namespace

int main(int argc, char** argv) {
    OffscreenWithoutDisplay();
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    THost host;
    TPlanRequest year;
    year.Days = 366;
    TTimes plan, page;
    size_t events = 0;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        events = MakePlan(host.Document, year).Events.size();
        plan.Ms.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    TPlanPage view;
    view.SetHost(&host);
    view.resize(800, 560);
    view.show();
    QApplication::processEvents();
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        view.Refresh();
        QApplication::processEvents();
        view.repaint();
        page.Ms.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    std::printf("366-day plan: %zu events; the page's week: %zu events, %d runs\n", events,
                view.Plan().Events.size(), runs);
    plan.Print("plan: 366 days, densest program");
    page.Print("Plan page: refresh and paint");
    return 0;
}
