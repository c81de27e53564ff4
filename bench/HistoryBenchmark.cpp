// Times the history database on SQLite in a temporary folder: the import of one read with a
// full ring of 1920 records, and the merged history over 100 such reads whose logs each move
// on by 19 records (192,000 records before merging). Prints the best and the median of the
// runs in milliseconds.
//
// Usage: HistoryBenchmark [runs]

#include "Archive.h"
#include "History.h"
#include "LogExport.h"
#include "R7200.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Reads = 100;

// The ring as the sampler leaves it `shift` records later: slot k holds record shift + k.
TR7200 FullRing(int shift) {
    TR7200 read;
    read.SerialNumber = 0x00B3A7C1;
    read.Pack();
    const uint32_t start = TR7200::ToConnectorTimestamp(45000.0);
    for (int k = 0; k < TR7200::LogSlots; ++k) {
        const int n = shift + k;
        TLogRecord r = TLogRecord::Empty(n % 6 ? LogLogger : LogSample);
        r.Time = start + uint32_t(n) * 600;
        r.Var = uint16_t(n % 1000);
        r.Encode(read.Image.data() + TR7200::ImageSize - TR7200::LogSlots * 16 + 16 * k);
    }
    return read;
}

void Report(const char* what, std::vector<double> ms, double goal) {
    std::sort(ms.begin(), ms.end());
    std::printf("%-36s best %8.2f ms  median %8.2f ms  (goal < %.0f ms)\n", what, ms.front(),
                ms[ms.size() / 2], goal);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    std::vector<double> imports;
    std::vector<double> histories;
    for (int run = 0; run < runs; ++run) {
        QTemporaryDir folder;
        const TArchive archive(folder.filePath(QStringLiteral("archive")));
        QStringList paths;
        for (int i = 0; i < Reads; ++i)
            paths << archive.Keep(FullRing(19 * i).Image,
                                  QDateTime(QDate(2026, 1, 1), QTime(0, 0)).addSecs(60 * i));
        // A missing database file is built from the whole archive on opening.
        THistory history(folder.filePath(QStringLiteral("history.sqlite")), archive.Folder());
        if (!history.Open()) return std::fprintf(stderr, "%s\n", qPrintable(history.Error())), 1;
        QElapsedTimer timer;
        for (int i = 0; i < 5; ++i) {
            THistory one(folder.filePath(QStringLiteral("one%1.sqlite").arg(i)),
                         folder.filePath(QStringLiteral("empty")));
            if (!one.Open()) return 1;
            timer.start();
            if (!one.Import(paths[i])) return 1;
            imports.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
        timer.start();
        const auto log = history.Log(0x00B3A7C1);
        const QByteArray csv = LogCsvBytes(log->Newest(), log->Entries);
        histories.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (log->Entries.size() != TR7200::LogSlots + 19 * (Reads - 1)) return 1;
    }
    Report("import of a 1920-record read", imports, 50);
    Report("history of 100 full reads, as CSV", histories, 1000);
    return 0;
}
