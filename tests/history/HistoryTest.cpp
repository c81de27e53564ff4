#include "History.h"
#include "Archive.h"
#include "LogExport.h"
#include "PostgresServer.h"
#include "R7200.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <thread>

namespace {

const uint32_t Serial = 0x00A1B2C3;

// Record n of the sampler's life: its time grows with n, so time order is n order.
TLogRecord Event(int n) {
    TLogRecord r = TLogRecord::Empty(n % 7 == 0 ? LogLogger : LogSample);
    r.Time = TR7200::ToConnectorTimestamp(Moment(2026, 1, 10, 8)) + uint32_t(n) * 600;
    r.Bottle = uint8_t(n % 24);
    r.Var = uint16_t(n * 3);
    return r;
}

// A read whose log holds events first..last, in slots from `start` of the ring; a damaged
// slot gets a wrong checksum.
TR7200 Read(int first, int last, int start = 0, int damaged = -1, double max = 100) {
    TR7200 read;
    read.SerialNumber = Serial;
    read.ConnectorName = QStringLiteral("Weir");
    read.Analog1.Max = max;
    read.Pack();
    read.ResetLog();
    for (int n = first; n <= last; ++n) {
        uint8_t* slot = read.Image.data() + 2048 + 16 * ((start + n - first) % TR7200::LogSlots);
        Event(n).Encode(slot);
        if (n == damaged) slot[15] ^= 0x5A;
    }
    return read;
}

// The events a history holds, by their n.
QList<int> Numbers(const THistoryLog& log) {
    QList<int> numbers;
    for (const TLogEntry& e : log.Entries)
        numbers << int((e.Record.Time - Event(0).Time) / 600);
    return numbers;
}

QList<int> Range(int first, int last) {
    QList<int> numbers;
    for (int n = first; n <= last; ++n)
        numbers << n;
    return numbers;
}

class HistoryTest : public testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        if (GetParam()) {
            static TPostgresServer server;
            if (!server.Failure().isEmpty()) GTEST_SKIP() << server.Failure().toStdString();
            Place = server.NewDatabase();
            ASSERT_TRUE(server.Failure().isEmpty()) << server.Failure().toStdString();
        } else {
            Place = Folder.filePath(QStringLiteral("history.sqlite"));
        }
    }
    QString Keep(const TR7200& read, int minute) {
        return Archive.Keep(read.Image, QDateTime(QDate(2026, 2, 1), QTime(9, minute)));
    }
    std::unique_ptr<THistory> Open() { return std::make_unique<THistory>(Place, Archive.Folder()); }

    QTemporaryDir Folder;
    TArchive Archive{Folder.filePath(QStringLiteral("archive"))};
    QString Place;
};

} // namespace

TEST_P(HistoryTest, OverlappingReadsGiveEachRecordOnceInTimeOrder) {
    struct TCase {
        const char* Name;
        QList<TR7200> Reads;
        QList<int> Expected;
        int Damaged;
    };
    const QList<TCase> cases = {
        {"one read", {Read(0, 9)}, Range(0, 9), 0},
        {"the log grows", {Read(0, 9), Read(0, 14), Read(0, 19)}, Range(0, 19), 0},
        {"imported out of order", {Read(0, 19), Read(0, 9)}, Range(0, 19), 0},
        {"the ring turned over", {Read(0, 1919), Read(100, 2019, 100)}, Range(0, 2019), 0},
        {"a new log after a write", {Read(0, 9), Read(30, 35)}, Range(0, 9) + Range(30, 35), 0},
        {"the same read twice", {Read(0, 9), Read(0, 9)}, Range(0, 9), 0},
        {"a damaged record is kept, not merged", {Read(0, 9, 0, 4)}, Range(0, 3) + Range(5, 9), 1},
        {"a later read brings it whole", {Read(0, 9, 0, 4), Read(0, 12)}, Range(0, 12), 1},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        SetUp();
        QDir(Archive.Folder()).removeRecursively();
        auto history = Open();
        ASSERT_TRUE(history->Open()) << history->Error().toStdString();
        ASSERT_GE(history->Rebuild(), 0) << history->Error().toStdString();
        for (int i = 0; i < c.Reads.size(); ++i)
            ASSERT_TRUE(history->Import(Keep(c.Reads[i], i))) << history->Error().toStdString();
        const auto log = history->Log(Serial);
        ASSERT_TRUE(log);
        EXPECT_EQ(Numbers(*log), c.Expected);
        EXPECT_EQ(history->DamagedRecords(Serial), c.Damaged);
        // The index made again from the archive is the same.
        ASSERT_EQ(history->Rebuild(), c.Reads.size());
        EXPECT_EQ(Numbers(*history->Log(Serial)), c.Expected);
    }
}

TEST_P(HistoryTest, OneReadGivesItsOwnLogCsvAndEachRecordItsOwnScale) {
    auto history = Open();
    const TR7200 first = Read(0, 30, 0, -1, 50);
    ASSERT_TRUE(history->Import(Keep(first, 0))) << history->Error().toStdString();
    TR7200 loaded;
    ASSERT_TRUE(loaded.LoadFromFile(Archive.List().first().Path));
    for (const TCsvEncoding encoding : {TCsvEncoding::CodePage, TCsvEncoding::Utf8})
        EXPECT_EQ(LogCsvBytes(history->Log(Serial)->Newest(), history->Log(Serial)->Entries, {},
                              encoding),
                  LogCsvBytes(loaded, {}, encoding));
    // Records of a read under another scale keep the values that read showed.
    ASSERT_TRUE(history->Import(Keep(Read(0, 40, 0, -1, 200), 1)));
    const auto log = history->Log(Serial);
    EXPECT_EQ(log->Entries[10].Program->Analog1.Max, 50);
    EXPECT_EQ(log->Entries[35].Program->Analog1.Max, 200);
    EXPECT_EQ(log->Newest().Analog1.Max, 200);
}

TEST_P(HistoryTest, DateRangesSitesAndFaults) {
    auto history = Open();
    ASSERT_TRUE(history->Import(Keep(Read(0, 19), 0)));
    const uint32_t t5 = Event(5).Time;
    const uint32_t t9 = Event(9).Time;
    EXPECT_EQ(Numbers(*history->Log(Serial, t5, t9)), Range(5, 9));
    EXPECT_EQ(Numbers(*history->Log(Serial, t5)), Range(5, 19));
    EXPECT_EQ(Numbers(*history->Log(Serial, 0, t5)), Range(0, 5));
    EXPECT_TRUE(history->Log(Serial + 1)->Entries.isEmpty());

    // A name is data, whatever it holds; a later date takes over from its day on.
    const QString odd = QStringLiteral("Weir 3'); DROP TABLE sites; -- \"Ústí\"");
    const QDate today = QDate::currentDate();
    ASSERT_TRUE(history->SetSite(Serial, QStringLiteral("Old"), today.addDays(-30)));
    ASSERT_TRUE(history->SetSite(Serial, odd, today.addDays(-1)));
    ASSERT_TRUE(history->SetSite(Serial, QStringLiteral("Future"), today.addDays(1)));
    const QList<THistorySite> sites = history->Sites();
    ASSERT_EQ(sites.size(), 1);
    EXPECT_EQ(sites[0].Site, odd);
    EXPECT_EQ(sites[0].Reads, 1);
    EXPECT_EQ(sites[0].FirstRecord, Event(0).Time);
    EXPECT_EQ(sites[0].LastRecord, Event(19).Time);
    EXPECT_EQ(sites[0].ConnectorName, QStringLiteral("Weir"));

    // Something that is no image is refused, and the database stays usable.
    const QString junk = Folder.filePath(QStringLiteral("junk.r72"));
    WriteFileBytes(junk, QByteArray(100, 'x'));
    EXPECT_FALSE(history->Import(junk));
    EXPECT_EQ(history->Log(Serial)->Entries.size(), 20);

    // Rebuilt from an archive without the read: a shared server keeps what other PCs brought.
    QDir(Archive.Folder()).removeRecursively();
    ASSERT_EQ(history->Rebuild(), 0);
    EXPECT_EQ(history->Log(Serial)->Entries.size(), GetParam() ? 20 : 0);
}

TEST_P(HistoryTest, TwoConnectionsImportingOneReadAtOnceStoreItOnce) {
    const QString path = Keep(Read(0, 1919), 0);
    ASSERT_TRUE(Open()->Open()); // the schema, so that both race on the read alone
    bool ok[2] = {false, false};
    std::thread a([&] { ok[0] = Open()->Import(path); });
    std::thread b([&] { ok[1] = Open()->Import(path); });
    a.join();
    b.join();
    EXPECT_TRUE(ok[0] && ok[1]);
    auto history = Open();
    EXPECT_EQ(history->Sites().value(0).Reads, 1);
    EXPECT_EQ(history->Log(Serial)->Entries.size(), 1920);
}

INSTANTIATE_TEST_SUITE_P(Engines, HistoryTest, testing::Values(false, true),
                         [](const auto& info) { return info.param ? "PostgreSQL" : "SQLite"; });

TEST(HistoryFile, DamagedOrMissingFileIsBuiltAgainFromTheArchive) {
    QTemporaryDir folder;
    const TArchive archive(folder.filePath(QStringLiteral("archive")));
    archive.Keep(Read(0, 9).Image);
    const QString file = folder.filePath(QStringLiteral("history.sqlite"));
    for (const QByteArray& content : {QByteArray(), QByteArray(4096, '\x13')}) {
        QFile::remove(file);
        if (!content.isEmpty()) WriteFileBytes(file, content);
        THistory history(file, archive.Folder());
        ASSERT_TRUE(history.Open()) << history.Error().toStdString();
        EXPECT_EQ(history.Log(Serial)->Entries.size(), 10);
        EXPECT_EQ(history.Notice().isEmpty(), content.isEmpty());
        EXPECT_EQ(
            QDir(folder.path()).entryList({QStringLiteral("history.sqlite.damaged-*")}).size(),
            content.isEmpty() ? 0 : 1);
    }
}

TEST(HistoryPlace, ParsesFilesAndServers) {
    struct TCase {
        const char* Text;
        bool Valid;
        bool Server;
        const char* Host;
        int Port;
        const char* User;
        const char* Database;
    };
    const TCase cases[] = {
        {"/home/a/history.sqlite", true, false, "", -1, "", ""},
        {"postgresql://tech@db.example:5433/limnaset", true, true, "db.example", 5433, "tech",
         "limnaset"},
        {"postgresql://t%40x:s%40cret@db/limnaset", true, true, "db", -1, "t@x", "limnaset"},
        {"postgresql://tech@%2Ftmp%2Fpg:5432/h", true, true, "/tmp/pg", 5432, "tech", "h"},
        {"postgresql://tech@/h?host=/run/pg", true, true, "/run/pg", -1, "tech", "h"},
        {"postgresql://tech@db:port/h", false, false, "", -1, "", ""},
        {"  ", false, false, "", -1, "", ""},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text);
        const auto place = THistoryPlace::Parse(QString::fromUtf8(c.Text));
        ASSERT_EQ(bool(place), c.Valid);
        if (!place) continue;
        EXPECT_EQ(place->Server, c.Server);
        EXPECT_EQ(place->Host, QString::fromUtf8(c.Host));
        EXPECT_EQ(place->Port, c.Port);
        EXPECT_EQ(place->User, QString::fromUtf8(c.User));
        EXPECT_EQ(place->Database, QString::fromUtf8(c.Database));
    }
}
