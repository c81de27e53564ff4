#include "CliProcess.h"
#include "EmulatorProcess.h"
#include "R7200.h"
#include "TestSupport.h"
#include "TextFormats.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <tuple>

#include <csignal>

#include <cmath>
#include <grp.h>
#include <unistd.h>

namespace {

class CliDevice : public testing::Test {
protected:
    QTemporaryDir Dir;
    TEmulatorProcess Emulator;

    void Start(const QStringList& arguments = {}) { ASSERT_TRUE(Emulator.Start(arguments)); }

    TCliRun Run(const QStringList& arguments) {
        QProcessEnvironment environment = CliEnvironment();
        environment.insert("XDG_DATA_HOME", PathOf("data"));
        return RunCli(arguments + QStringList{"--port", Emulator.Path()}, environment);
    }

    QString PathOf(const QString& name) const { return Dir.filePath(name); }

    static QStringList Lines(const TCliRun& run) {
        return QString::fromUtf8(run.Out).split(u'\n', Qt::SkipEmptyParts);
    }

    // Minutes between a printed clock and the PC clock (the clock texts show local time).
    static double MinutesFromNow(const QString& text) {
        TDateTime value = 0;
        EXPECT_TRUE(ParseDateTime(text, value)) << text.toStdString();
        return std::fabs(value - TClock::Now()) * 24 * 60;
    }
};

} // namespace

TEST_F(CliDevice, StatusShowsAdapterConnectorAndClocks) {
    Start({"--adapter-version", "0x010A"});
    const TCliRun run = Run({"status"});
    ASSERT_EQ(run.Exit, 0) << run.Err.toStdString();
    const QStringList lines = Lines(run);
    ASSERT_EQ(lines.size(), 4) << run.Out.toStdString();
    EXPECT_EQ(lines[0], "Adapter: USB LIMNASET Adapter 1.0a");
    EXPECT_EQ(lines[1], "Connector: Connector OK");
    ASSERT_TRUE(lines[2].startsWith("Connector clock: "));
    ASSERT_TRUE(lines[3].startsWith("PC clock: "));
    EXPECT_LT(MinutesFromNow(lines[3].mid(10)), 5);
    TDateTime clock = 0;
    EXPECT_TRUE(ParseDateTime(lines[2].mid(17), clock)) << lines[2].toStdString();
}

TEST_F(CliDevice, ReadWriteAndReadBack) {
    Start();
    const QString first = PathOf("first.r72");
    const TCliRun read = Run({"read", first});
    ASSERT_EQ(read.Exit, 0) << read.Err.toStdString();
    // Not a terminal: no progress bar in the output.
    EXPECT_TRUE(read.Err.isEmpty());
    EXPECT_TRUE(read.Out.isEmpty());
    TR7200 connector;
    ASSERT_TRUE(connector.LoadFromFile(first));
    EXPECT_EQ(connector.SerialNumber, 72000001u);
    EXPECT_EQ(connector.ConnectorName, "Emulated Connector");

    TR7200 program;
    program.SerialNumber = 42;
    program.ConnectorName = QStringLiteral("Written by the tool");
    program.SamplerMode = 3;
    program.Capacity = 24;
    const QString file = PathOf("program.r72");
    ASSERT_TRUE(program.SaveToFile(file));
    const TCliRun write = Run({"write", file});
    ASSERT_EQ(write.Exit, 0) << write.Err.toStdString();
    EXPECT_TRUE(write.Err.isEmpty());

    const QString back = PathOf("back.r72");
    ASSERT_EQ(Run({"read", back}).Exit, 0);
    TR7200 written;
    ASSERT_TRUE(written.LoadFromFile(back));
    EXPECT_EQ(written.ConnectorName, "Written by the tool");
    EXPECT_EQ(written.SamplerMode, 3);
    EXPECT_EQ(written.Capacity, 24);
    // The serial number belongs to the Connector; a write starts a new log.
    EXPECT_EQ(written.SerialNumber, 72000001u);
    ASSERT_EQ(written.LogCount, 1);
    EXPECT_EQ(written.LogRecordAt(0).Code, 11);
}

TEST_F(CliDevice, WriteBacksUpUnlessToldNotAndTheArchiveNamesTheFile) {
    TR7200 field;
    field.SerialNumber = 0xC0FFEE;
    field.ConnectorName = QStringLiteral("Field");
    const QString image = PathOf("field.r72");
    ASSERT_TRUE(field.SaveToFile(image));
    Start({"--image", image});
    const TCliRun write = Run({"write", image});
    ASSERT_EQ(write.Exit, 0) << write.Err.toStdString();
    const TCliRun newest = Run({"archive", "--newest"});
    ASSERT_EQ(newest.Exit, 0) << newest.Err.toStdString();
    const QString path = QString::fromUtf8(newest.Out).trimmed();
    EXPECT_EQ(FileBytes(path), FileBytes(image)) << "the backup is the Connector as it was";
    EXPECT_EQ(write.Out,
              "Backup: " + path.toUtf8() + ", log records: 1\nThe program stays as it is\n");

    const TCliRun bare = Run({"write", image, "--no-backup"});
    ASSERT_EQ(bare.Exit, 0) << bare.Err.toStdString();
    EXPECT_EQ(bare.Out, "Without the backup, what the write changes cannot be told\n");
    const QStringList list = Lines(Run({"archive", "--serial", "c0ffee"}));
    ASSERT_EQ(list.size(), 2) << "the titles and the one backup";
    EXPECT_TRUE(list[1].startsWith("00C0FFEE\tField\t")) << list[1].toStdString();
}

TEST_F(CliDevice, CtrlCStopsATransferAndSaysWhatTheConnectorHolds) {
    Start({"--paced"}); // a full read takes many seconds
    TR7200 program;
    const QString file = PathOf("program.r72");
    ASSERT_TRUE(program.SaveToFile(file));
    const std::pair<QStringList, QByteArray> cases[] = {
        {{"read", PathOf("read.r72")}, "Read cancelled\n"},
        {{"write", file}, "Backup cancelled, nothing was written\n"},
        {{"write", file, "--no-backup"},
         "Write cancelled\nThe Connector holds a partly written program and must be written "
         "again before use\n"}};
    for (const auto& [command, err] : cases) {
        QProcess cli;
        QProcessEnvironment environment = CliEnvironment();
        environment.insert("XDG_DATA_HOME", PathOf("data"));
        cli.setProcessEnvironment(environment);
        cli.start(BuiltProgram("limnaset-cli"), command + QStringList{"--port", Emulator.Path()});
        ASSERT_TRUE(cli.waitForStarted());
        ASSERT_FALSE(cli.waitForFinished(1500)) << "still in the transfer";
        ::kill(pid_t(cli.processId()), SIGINT);
        ASSERT_TRUE(cli.waitForFinished(30000));
        EXPECT_EQ(cli.exitCode(), 130) << command.join(' ').toStdString();
        EXPECT_EQ(cli.readAllStandardError(), err);
    }
    EXPECT_FALSE(QFile::exists(PathOf("read.r72")));
    EXPECT_EQ(Run({"archive", "--newest"}).Exit, 12) << "a cancelled read is not archived";
}

TEST_F(CliDevice, ClockIsReadAndSet) {
    Start();
    const TCliRun set = Run({"clock", "--set"});
    ASSERT_EQ(set.Exit, 0) << set.Err.toStdString();
    ASSERT_EQ(Lines(set).size(), 1);
    EXPECT_LT(MinutesFromNow(Lines(set)[0]), 5);
    const TCliRun read = Run({"clock"});
    ASSERT_EQ(read.Exit, 0) << read.Err.toStdString();
    ASSERT_EQ(Lines(read).size(), 1);
    EXPECT_LT(MinutesFromNow(Lines(read)[0]), 5);
}

TEST_F(CliDevice, RefusedConnectorWritesAreCommunicationErrors) {
    Start({"--fault-nak", "1"});
    TR7200 program;
    const QString file = PathOf("program.r72");
    ASSERT_TRUE(program.SaveToFile(file));
    const std::pair<QStringList, QByteArray> cases[] = {
        {{"write", file, "--no-backup"},
         "Communication error, please try once more\nThe Connector holds a partly written "
         "program and must be written again before use\n"},
        {{"clock", "--set"}, "Communication error, please try once more\n"}};
    for (const auto& [command, err] : cases) {
        const TCliRun run = Run(command);
        EXPECT_EQ(run.Exit, 11) << command.join(' ').toStdString();
        EXPECT_EQ(run.Err, err);
    }
}

TEST_F(CliDevice, FailedVerificationNamesTheFirstDifferingAddress) {
    Start({"--fault-stuck-at", "0x1F00", "--fault-stuck-count", "3"});
    TR7200 program;
    const QString file = PathOf("program.r72");
    ASSERT_TRUE(program.SaveToFile(file));
    const TCliRun run = Run({"write", file});
    EXPECT_EQ(run.Exit, 11);
    EXPECT_EQ(run.Err, "verification failed at 0x1F00: 3 bytes differ\n"
                       "Communication error, please try once more\n");
}

// Only the large kind is usable: the status shows why, the transfers refuse to start.
TEST_F(CliDevice, ConnectorsThatCannotBeUsedAreRefused) {
    struct TCase {
        const char* Kind;
        const char* Shown;
        int Exit;
    };
    for (const TCase c :
         {TCase{"none", "No Connector", 21}, TCase{"small", "Connector ERROR", 22}}) {
        Emulator.Stop();
        Start({"--connector", c.Kind});
        const TCliRun status = Run({"status"});
        ASSERT_EQ(status.Exit, 0) << status.Err.toStdString();
        const QStringList lines = Lines(status);
        ASSERT_EQ(lines.size(), 4);
        EXPECT_EQ(lines[0], "Adapter: USB LIMNASET Adapter 1.05");
        EXPECT_EQ(lines[1], QStringLiteral("Connector: ") + c.Shown);
        EXPECT_EQ(lines[2], "Connector clock: ?");

        TR7200 program;
        const QString file = PathOf("program.r72");
        ASSERT_TRUE(program.SaveToFile(file));
        const QString target = PathOf("read.r72");
        for (const QStringList& command : {QStringList{"read", target}, QStringList{"write", file},
                                           QStringList{"clock"}, QStringList{"clock", "--set"}}) {
            const TCliRun run = Run(command);
            EXPECT_EQ(run.Exit, c.Exit) << c.Kind << " " << command.join(' ').toStdString();
            EXPECT_EQ(run.Err, QByteArray(c.Shown) + "\n");
        }
        EXPECT_FALSE(QFile::exists(target));
    }
}

TEST_F(CliDevice, PortOptionWinsOverTheEnvironment) {
    Start();
    QProcessEnvironment environment = CliEnvironment();
    environment.insert("LIMNASET_PORT", PathOf("no-adapter"));
    EXPECT_EQ(RunCli({"status"}, environment).Exit, 20);
    EXPECT_EQ(RunCli({"--port", Emulator.Path(), "status"}, environment).Exit, 0);
    environment.insert("LIMNASET_PORT", Emulator.Path());
    EXPECT_EQ(RunCli({"status"}, environment).Exit, 0);
}

// Without an adapter, status says why on standard error, after "Adapter ?". Root may open
// anything, so as root the tool runs as nobody for the device it may not open.
TEST(CliStatus, NamesWhyNoAdapterIsFound) {
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                      QFile::ExeOwner | QFile::ReadOther |
                                                      QFile::ExeOther));
    const QString device = dir.filePath("ttyUSB0");
    WriteFileBytes(device, "");
    ASSERT_TRUE(QFile::setPermissions(device, QFile::Permissions()));
    const QString group = QString::fromLocal8Bit(getgrgid(getegid())->gr_name);

    struct TRow {
        QString Port;
        QString Reason;
    };
    const TRow rows[] = {
        {dir.filePath("missing"),
         "LIMNASET_PORT names " + dir.filePath("missing") + ", which does not exist."},
        {device, "You may not open " + device + " (group " + group + ")."},
    };
    QString why;
    const QString cli = ProgramForNobody("limnaset-cli", why);
    if (cli.isEmpty()) GTEST_SKIP() << why.toStdString();
    for (const TRow& row : rows) {
        const TCliRun run = RunUnprivileged(cli, {"--port", row.Port, "status"});
        EXPECT_EQ(run.Exit, 20) << row.Port.toStdString();
        const QStringList lines = QString::fromUtf8(run.Err).split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), 2) << run.Err.toStdString();
        EXPECT_EQ(lines[0], "Adapter ?");
        EXPECT_TRUE(lines[1].startsWith(row.Reason)) << lines[1].toStdString();
    }
}

// A clock that answers without a valid time is told apart from a clock that does not answer.
TEST_F(CliDevice, AnUnsetClockIsNamed) {
    Start({"--clock-lost"});
    const TCliRun clock = Run({"clock"});
    EXPECT_EQ(clock.Exit, 24);
    EXPECT_EQ(clock.Err, "Connector clock not set\n");
    const TCliRun status = Run({"status"});
    ASSERT_EQ(status.Exit, 0) << status.Err.toStdString();
    EXPECT_EQ(Lines(status).value(2), "Connector clock: Connector clock not set");
    const TCliRun set = Run({"clock", "--set"});
    ASSERT_EQ(set.Exit, 0) << set.Err.toStdString();
    EXPECT_LT(MinutesFromNow(Lines(set).value(0)), 5);
}

// A damaged program header: read keeps the bytes and says where, write backs them up first,
// and a write whose output fails still tells its backup and its outcome.
TEST_F(CliDevice, ADamagedHeaderIsKeptAndBackedUp) {
    TR7200 field;
    field.SerialNumber = 0xBADC0DE;
    const QString program = PathOf("program.r72");
    ASSERT_TRUE(field.SaveToFile(program));
    QByteArray damaged = FileBytes(program);
    damaged[600] = char(damaged[600] ^ 1);
    const QString image = PathOf("damaged.r72");
    WriteFileBytes(image, damaged);
    Start({"--image", image});
    const auto newest = [this] {
        return QString::fromUtf8(Run({"archive", "--newest"}).Out).trimmed();
    };

    const TCliRun read = Run({"read", PathOf("read.r72")});
    EXPECT_EQ(read.Exit, 11);
    EXPECT_FALSE(QFile::exists(PathOf("read.r72")));
    EXPECT_EQ(FileBytes(newest()), damaged);
    EXPECT_TRUE(read.Err.contains("The bytes as read are archived: " + newest().toUtf8() +
                                  ", log records: 1 (the program header is damaged)"));
    ASSERT_EQ(Run({"read", PathOf("raw.r72"), "--raw"}).Exit, 11);
    EXPECT_EQ(FileBytes(PathOf("raw.r72")), damaged);

    QProcess cli;
    QProcessEnvironment environment = CliEnvironment();
    environment.insert("XDG_DATA_HOME", PathOf("data"));
    cli.setProcessEnvironment(environment);
    cli.setStandardOutputFile("/dev/full");
    cli.start(BuiltProgram("limnaset-cli"), {"write", program, "--port", Emulator.Path()});
    ASSERT_TRUE(cli.waitForFinished(30000));
    EXPECT_EQ(cli.exitCode(), 12);
    EXPECT_EQ(FileBytes(newest()), damaged) << "backed up before the write";
    EXPECT_EQ(QString::fromUtf8(cli.readAllStandardError()),
              "Backup: " + newest() + ", log records: 1 (the program header is damaged)\n" +
                  "The backup holds no program: what the write changes cannot be told\n"
                  "The Connector is written and verified\nFile access error\n");

    // Bytes that do not all arrive are no backup: nothing is written without --force.
    Emulator.Stop();
    Start({"--image", image, "--pull-after", "100"});
    const TCliRun unreadable = Run({"write", program});
    EXPECT_EQ(unreadable.Exit, 25);
    EXPECT_EQ(unreadable.Err,
              "The Connector could not be read for its backup, nothing was written\n");
}

TEST_F(CliDevice, DiffReadsTheConnectorOrItsNewestArchivedRead) {
    TR7200 field;
    field.SerialNumber = 0xC0FFEE;
    field.ConnectorName = QStringLiteral("Field");
    const QString image = PathOf("field.r72");
    ASSERT_TRUE(field.SaveToFile(image));
    field.ConnectorName = QStringLiteral("Other");
    field.PrePurge = 237;
    const QString other = PathOf("other.r72");
    ASSERT_TRUE(field.SaveToFile(other));
    Start({"--image", image});
    const QByteArray lines = "PrePurge\t237\t10\nConnectorName\tOther\tField\n";
    const std::tuple<QStringList, int, QByteArray> rows[] = {
        {{"diff", other, "--connector"}, 1, lines},
        {{"diff", other, "--archive", "00c0ffee"}, 1, lines},
        {{"diff", image, "--archive", "12648430"}, 0, ""},
        {{"diff", image, "--archive", "C0FFE"}, 12, ""},
    };
    for (const auto& [arguments, exit, out] : rows) {
        const TCliRun run = Run(arguments);
        EXPECT_EQ(std::pair(run.Exit, run.Out), std::pair(exit, out)) << run.Err.toStdString();
    }
    EXPECT_EQ(Lines(Run({"archive"})).size(), 2) << "the read of --connector is archived";
}
