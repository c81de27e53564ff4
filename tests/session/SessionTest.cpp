#include "ConnectorSession.h"
#include "FakeBus.h"
#include "ImageLayout.h"
#include "LittleEndian.h"
#include "R7200.h"
#include "SimRig.h"
#include "TestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr uint8_t CmdReadBlock = 0x30;
constexpr uint8_t CmdWriteBlock = 0x40;

using TDamage = std::function<void(TConnectorModel&)>;

struct TSessionRig : ::testing::Test {
    void SetUp() override {
        ASSERT_EQ(Session.ProbeConnector(), TConnectorState::Usable);
        Session.SetArchivedListener([this](const QString& path, const QByteArray& bytes) {
            Heard.append(path);
            EXPECT_EQ(FileBytes(path), bytes);
        });
    }

    // Puts a valid image with a log of `records` sampler records into the Connector.
    void PlaceImage(uint32_t serial, int records) {
        TR7200 source;
        source.SerialNumber = serial;
        source.ConnectorName = QStringLiteral("Well 7");
        source.SamplingPeriod = 1800;
        source.Pack();
        for (int i = 0; i < records; ++i) {
            TLogRecord r = TLogRecord::Empty(1);
            r.Time = 1000 + uint32_t(i);
            r.Bottle = uint8_t(i % 24 + 1);
            r.Encode(source.Image.data() + source.LogSlotOffset(0) + 16 * i);
        }
        std::fill(source.Image.begin() + 2048 + 16 * records, source.Image.end(), 0xFF);
        Rig.Model->LoadMemory(source.Image.data(), TR7200::ImageSize);
    }
    QByteArray Memory() const {
        const auto& m = Rig.Model->Memory();
        return QByteArray(reinterpret_cast<const char*>(m.data()), qsizetype(m.size()));
    }
    int Archived() const { return int(Session.Archive().List().size()); }

    TFixedClock Clock{Moment(2026, 1, 15, 10)};
    TSimRig Rig;
    QTemporaryDir Folder;
    TConnectorSession Session{Rig.Provider, TArchive(Folder.path())};
    QStringList Heard;
};

const TDamage Whole = [](TConnectorModel&) {};
const TDamage DamagedHeader = [](TConnectorModel& m) { m.Memory()[600] ^= 0x01; };
const TDamage BadMarker = [](TConnectorModel& m) {
    auto& memory = m.Memory();
    memory[512] = '$';
    le::Put16(memory.data() + 1022, uint16_t(le::Get16(memory.data() + 1022) - ('$' - '#')));
};
const TDamage BadLogSlot = [](TConnectorModel& m) { m.Memory()[2048 + 16 * 5 + 9] ^= 0x10; };

// The session's clock, read from a large Connector whose clock replies with these fields.
TDateTime ClockFromReply(const TBytes& fields) {
    auto bus = std::make_shared<TFakeBus>();
    bus->Responder = [fields](const TBytes&) {
        // Built by copy: GCC 12 at -O2 misreads an insert into a one-byte vector.
        TBytes reply(fields.size() + 1, 0xA5);
        std::copy(fields.begin(), fields.end(), reply.begin() + 1);
        return reply;
    };
    TConnectorSession session(std::make_shared<TFakeProvider>(bus));
    session.Device().AssumeMemoryKind(true);
    return session.ReadClock();
}

} // namespace

// Every whole read is archived byte for byte as it arrived, before the document repairs
// anything; only bytes that did not all arrive stay out.
TEST_F(TSessionRig, ReadArchivesTheBytesAsTheyArrived) {
    struct TCase {
        const char* Name;
        TDamage Damage;
        TFaultPlan Plan;
        TRecordStatus Status;
        bool Archived;
        TImageHolding::THeader Header;
    };
    const TCase cases[] = {
        {"whole", Whole, {}, StatusOk, true, TImageHolding::Intact},
        {"damaged header", DamagedHeader, {}, StatusCommError, true, TImageHolding::Damaged},
        {"bad marker", BadMarker, {}, StatusWrongVersion, true, TImageHolding::OtherVersion},
        {"bad log slot", BadLogSlot, {}, StatusOk, true, TImageHolding::Intact},
        {"pulled mid-read", Whole, {.PullAfter = 300}, StatusCommError, false, {}},
    };
    for (const TCase& c : cases) {
        Rig.Model->SetKind(TConnectorModel::TKind::Large);
        PlaceImage(0x01020304, 40);
        c.Damage(*Rig.Model);
        const QByteArray memory = Memory();
        Rig.Model->SetFaultPlan(c.Plan);
        Heard.clear();
        const int reads = Rig.Model->RequestCount(CmdReadBlock);
        const TReadResult read = Session.Read();
        EXPECT_EQ(read.Whole, c.Archived) << c.Name;
        EXPECT_EQ(read.Document.Status, c.Status) << c.Name;
        EXPECT_EQ(read.ArchivePath.isEmpty(), !c.Archived) << c.Name;
        EXPECT_EQ(Heard, c.Archived ? QStringList{read.ArchivePath} : QStringList{}) << c.Name;
        if (!c.Archived) continue;
        EXPECT_EQ(Rig.Model->RequestCount(CmdReadBlock) - reads, 1024)
            << "nothing added on the wire";
        EXPECT_EQ(FileBytes(read.ArchivePath), memory) << c.Name;
        EXPECT_EQ(read.Holding.Header, c.Header) << c.Name;
        EXPECT_EQ(read.Holding.LogRecords, 40) << c.Name;
        EXPECT_EQ(Session.LastRead()->Path, read.ArchivePath) << c.Name;
        if (c.Status == StatusOk) {
            EXPECT_EQ(read.Document.ConnectorName, "Well 7") << c.Name;
        }
    }
    TR7200 repaired;
    ASSERT_TRUE(repaired.LoadFromFile(Session.Archive().List()[0].Path));
    EXPECT_EQ(repaired.LogRecordAt(5).Code, LogCorrupted) << "the document repairs, the file not";
}

// The backup before a write: what is archived, whether it is written, what the report says.
TEST_F(TSessionRig, WriteBacksUpWhateverArrivedWhole) {
    struct TCase {
        const char* Name;
        TDamage Damage;
        bool ReadFirst;
        TDamage AfterRead; // the sampler at work, or a Connector swapped
        TFaultPlan Plan;   // during the write's steps
        bool Confirm;
        TBackup Outcome;
        TImageHolding::THeader Header;
        int Records, NewFiles;
        bool Written;
    };
    const TDamage grow = [](TConnectorModel& m) { m.AppendDemoRecord(); };
    using H = TImageHolding;
    // clang-format off
    const TCase cases[] = {
        {"whole", Whole, false, Whole, {}, true, TBackup::Kept, H::Intact, 30, 1, true},
        {"damaged header", DamagedHeader, false, Whole, {}, true, TBackup::Kept, H::Damaged, 30, 1, true},
        {"bad marker", BadMarker, false, Whole, {}, true, TBackup::Kept, H::OtherVersion, 30, 1, true},
        {"bad log slot", BadLogSlot, false, Whole, {}, true, TBackup::Kept, H::Intact, 30, 1, true},
        {"known since its read", Whole, true, Whole, {}, true, TBackup::Known, H::Intact, 30, 0, true},
        {"log grown since the read", Whole, true, grow, {}, true, TBackup::Kept, H::Intact, 31, 1, true},
        {"header changed since the read", DamagedHeader, true, BadMarker, {}, true, TBackup::Kept,
         H::Damaged, 30, 1, true},
        {"unreadable, nobody asked", Whole, false, Whole, {.PullAfter = 20}, false, TBackup::Unreadable,
         H::Damaged, 0, 0, false},
        {"pulled mid-backup, forced", Whole, false, Whole, {.PullAfter = 500}, true,
         TBackup::Unreadable, H::Damaged, 0, 0, false},
        {"switched off", Whole, false, Whole, {}, true, TBackup::Skipped, H::Damaged, 0, 0, true},
    };
    // clang-format on
    for (const TCase& c : cases) {
        Rig.Model->SetKind(TConnectorModel::TKind::Large);
        Rig.Model->SetFaultPlan({});
        Session.Forget();
        PlaceImage(0xCAFE0001, 30);
        c.Damage(*Rig.Model);
        if (c.ReadFirst) Session.Read();
        c.AfterRead(*Rig.Model);
        const QByteArray before = Memory();
        const int files = Archived();
        const int writes = Rig.Model->RequestCount(CmdWriteBlock);
        Rig.Model->SetFaultPlan(c.Plan);
        TR7200 document;
        document.ConnectorName = QStringLiteral("Outlet");
        int asked = 0;
        // A refusing caller is none at all: nobody to ask must not mean yes.
        const TConnectorSession::TConfirm confirm = [&](const TBackupReport& b) {
            ++asked;
            EXPECT_EQ(b.Outcome, c.Outcome) << c.Name;
            return c.Confirm;
        };
        const TWriteReport report =
            Session.Write(document, c.Outcome != TBackup::Skipped, c.Confirm ? confirm : nullptr);
        EXPECT_EQ(asked, c.Confirm ? 1 : 0) << c.Name;
        EXPECT_EQ(report.Backup.Outcome, c.Outcome) << c.Name;
        EXPECT_EQ(report.Written, c.Written) << c.Name;
        EXPECT_EQ(Archived() - files, c.NewFiles) << c.Name;
        if (c.Outcome == TBackup::Kept || c.Outcome == TBackup::Known) {
            EXPECT_EQ(FileBytes(report.Backup.Path), before) << c.Name;
            EXPECT_EQ(report.Backup.Holding.Header, c.Header) << c.Name;
            EXPECT_EQ(report.Backup.Holding.LogRecords, c.Records) << c.Name;
        }
        if (!c.Confirm) {
            EXPECT_EQ(Rig.Model->RequestCount(CmdWriteBlock), writes) << c.Name;
        }
        if (!c.Written) continue;
        EXPECT_EQ(document.Status, StatusOk) << c.Name;
        ASSERT_EQ(document.LogCount, 1) << c.Name;
        EXPECT_EQ(document.LogRecordAt(0).Code, LogClear) << c.Name;
        EXPECT_EQ(document.LogRecordAt(0).Time, TR7200::ToConnectorTimestamp(TClock::Now()));
        EXPECT_TRUE(std::equal(Rig.Model->Memory().begin() + 4, Rig.Model->Memory().end(),
                               document.Image.begin() + 4))
            << c.Name;
        EXPECT_EQ(le::Get32(Rig.Model->Memory().data()), 0xCAFE0001u) << "the serial stays";
        EXPECT_FALSE(Session.LastRead()) << "a written Connector is no longer the archived one";
    }
}

// The log grows while the user is asked: backed up again and asked again before writing.
TEST_F(TSessionRig, ALogThatGrowsDuringTheQuestionIsBackedUpAgain) {
    PlaceImage(7, 12);
    TR7200 document;
    std::vector<int> records;
    const TWriteReport report = Session.Write(document, true, [&](const TBackupReport& b) {
        records.push_back(b.Holding.LogRecords);
        if (records.size() == 1) Rig.Model->AppendDemoRecord();
        return true;
    });
    EXPECT_EQ(records, (std::vector<int>{12, 13}));
    EXPECT_TRUE(report.Written);
    EXPECT_EQ(Archived(), 2);
}

TEST_F(TSessionRig, FailedWriteKeepsTheDocumentsLog) {
    PlaceImage(7, 30);
    TR7200 record = Session.Read().Document;
    const std::vector<uint8_t> log(record.Image.begin() + 2048, record.Image.end());
    // Every write block refused: the write fails part-way.
    TFaultPlan plan;
    plan.NakProbability = 1.0;
    Rig.Model->SetFaultPlan(plan);
    const TWriteReport report = Session.Write(record, false, {});
    EXPECT_FALSE(report.Written);
    EXPECT_EQ(report.Verify.Outcome, TVerifyResult::NotRun);
    EXPECT_EQ(record.Status, StatusCommError);
    EXPECT_EQ(record.LogCount, 30);
    EXPECT_TRUE(std::equal(log.begin(), log.end(), record.Image.begin() + 2048));
    // The program part is packed as for a successful write.
    EXPECT_EQ(record.Image[512], '#');
    EXPECT_EQ(le::Get16(record.Image.data() + 1022), record.HeaderChecksum());
}

// Worn cells, a flipped read-back bit and a Connector pulled before the read-back fail
// alike for the user, not below.
TEST_F(TSessionRig, VerificationTellsAMismatchFromAFailedReadBack) {
    struct TCase {
        TFaultPlan Plan;
        TVerifyResult::TOutcome Outcome;
        int FirstAddress;
        int DifferingBytes;
    };
    const TCase cases[] = {
        {{.StuckAt = 0x1F00, .StuckCount = 3}, TVerifyResult::Mismatch, 0x1F00, 3},
        {{.AtReply = {{1024 + 500, TReplyFault::Flip}}}, TVerifyResult::Mismatch, -1, 1},
        {{.PullAfter = 1024}, TVerifyResult::ReadFailed, 0, 0},
    };
    for (const TCase& c : cases) {
        Rig.Model->SetKind(TConnectorModel::TKind::Large);
        Rig.Model->SetFaultPlan(c.Plan);
        TR7200 record;
        const TWriteReport report = Session.Write(record, false, {});
        EXPECT_FALSE(report.Written);
        EXPECT_EQ(record.Status, StatusCommError);
        EXPECT_EQ(report.Verify.Outcome, c.Outcome);
        if (c.FirstAddress >= 0) {
            EXPECT_EQ(report.Verify.FirstAddress, c.FirstAddress);
        }
        EXPECT_EQ(report.Verify.DifferingBytes, c.DifferingBytes);
    }
}

TEST_F(TSessionRig, ProgressFollowsEachPass) {
    struct TObserver : TSessionObserver {
        void Progress(TPass pass, int percent) override {
            if (Passes.empty() || Passes.back().first != pass) Passes.push_back({pass, percent});
            Passes.back().second = percent;
        }
        void Retried(TPass, int) override {}
        std::vector<std::pair<TPass, int>> Passes;
    } observer;
    Session.SetObserver(&observer);
    PlaceImage(1, 3);
    TR7200 record;
    ASSERT_TRUE(Session.Write(record, true, {}).Written);
    const std::vector<std::pair<TPass, int>> expected = {
        {TPass::Backup, 100}, {TPass::Write, 100}, {TPass::Verify, 100}};
    EXPECT_EQ(observer.Passes, expected);
    Session.SetObserver(nullptr);
}

TEST_F(TSessionRig, ClockRoundTripsInLocalTime) {
    // Summer time under the European rule: the Connector keeps standard time.
    Rig.Model->SetElapsedSource([] { return int64_t(0); }); // the Connector clock stands still
    const TDateTime summer = Moment(2026, 7, 1, 12, 30, 15);
    ASSERT_TRUE(Session.SetClock(summer));
    EXPECT_EQ(Rig.Model->ClockSeconds(), SecondsSince2000(2026, 7, 1, 11, 30, 15));
    EXPECT_DOUBLE_EQ(Session.ReadClock(), summer);
}

TEST_F(TSessionRig, AClockThatAnswersWithoutATimeIsTold) {
    Rig.Model->SetElapsedSource([] { return int64_t(0); });
    Rig.Model->SetClockSeconds(0); // 2000-01-01 00:00:00, where a reset clock starts
    bool answered = false;
    EXPECT_EQ(Session.ReadClock(&answered), 0.0);
    EXPECT_TRUE(answered);
    Rig.Provider->SetPlugged(false);
    EXPECT_EQ(Session.ReadClock(&answered), 0.0);
    EXPECT_FALSE(answered);
    EXPECT_FALSE(Session.SetClock(TClock::Now()));
}

TEST(Session, GarbledClockRepliesGiveNoTime) {
    // Replies whose fields are out of range, down to an unset clock of 0xFF bytes.
    // clang-format off
    const std::vector<TBytes> replies = {{0, 0, 12, 15, 0, 26}, {0, 0, 12, 15, 13, 26},
        {0, 0, 12, 0, 6, 26}, {60, 0, 12, 15, 6, 26}, {0, 0, 12, 29, 2, 25}, {0, 0, 24, 1, 1, 26},
        {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}};
    // clang-format on
    for (const TBytes& fields : replies)
        EXPECT_EQ(ClockFromReply(fields), 0.0) << int(fields[4]);
    // A sound reply still reads: 2024-02-29 23:59:58 standard time is winter local time.
    EXPECT_DOUBLE_EQ(ClockFromReply({58, 59, 23, 29, 2, 24}), Moment(2024, 2, 29, 23, 59, 58));
}
