// Compares two programs that differ in every field that counts (flow-rate sampling against
// periodical, every start and event field changed) and prints the best and the median time
// of one comparison over the runs. Goal: under 1 ms.
//
// Usage: CompareBenchmark [runs]

#include "ProgramCompare.h"
#include "R7200.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    const QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    TR7200 a;
    a.SamplerMode = SamplerPeriodical;
    TR7200 b;
    b.SamplerMode = SamplerFlowRate;
    b.PrePurge = 237;
    b.ConnectorName = QStringLiteral("Weir 3");
    b.ConnectorComment = QStringLiteral("upstream\r\nof the gate");
    b.ProgramMode = ProgramByScheduler;
    b.Schedule.fill({600, 0x2F});
    b.EventMode = 1;
    std::vector<qint64> times;
    size_t fields = 0;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        fields += CompareProgram(a, b).Fields.size();
        times.push_back(timer.nsecsElapsed());
    }
    std::sort(times.begin(), times.end());
    std::printf("compare (%zu fields differ): best %.3f ms, median %.3f ms\n",
                fields / size_t(runs), double(times.front()) / 1e6,
                double(times[times.size() / 2]) / 1e6);
    return 0;
}
