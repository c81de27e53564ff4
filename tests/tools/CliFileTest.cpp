#include "CliOutcome.h"
#include "CliProcess.h"
#include "CodePageGuard.h"
#include "InternalError.h"
#include "LittleEndian.h"
#include "LogExport.h"
#include "R7200.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <tuple>

#include <sys/stat.h>

namespace {

class CliFiles : public testing::Test {
protected:
    QTemporaryDir Dir;

    QString PathOf(const QString& name) const { return Dir.filePath(name); }

    QString Save(TR7200& record, const QString& name) const {
        const QString path = PathOf(name);
        EXPECT_TRUE(record.SaveToFile(path));
        return path;
    }

    // A record with a log of a sample, an unknown code and a replaced record.
    QString LoggedFile(const QString& name) {
        TR7200 record;
        record.TemperatureUnits = 1;
        record.Analog1.Units = QStringLiteral("in\"");
        TLogRecord sample = TLogRecord::Empty(1);
        sample.Time = TR7200::ToConnectorTimestamp(Moment(2024, 1, 16, 8, 0, 5));
        sample.Bottle = 2;
        sample.Sample = 4;
        sample.Var = 505;
        sample.SampleTemperature = 250;
        sample.BoxTemperature = 1000;
        sample.Encode(record.Image.data() + 2048 + 16);
        TLogRecord unknown = TLogRecord::Empty(28);
        unknown.Time = 0;
        unknown.Encode(record.Image.data() + 2048 + 32);
        record.Image[2048 + 48] = 0; // CRC broken: becomes CORRUPTED when loaded
        return Save(record, name);
    }
};

const QStringList JsonKeys =
    QStringLiteral(
        "SerialNumber ConnectorName ConnectorComment ProgramStartTime ProgramStartDelay LogCount "
        "LogStart Status PrePurge PostPurge PurgesCount MaxSuctionTime Aeration PumpPulses "
        "Analog1Range Analog2Range LoggerMode DoorStatusRecord LoggerPeriod Schedule EventMode "
        "EventInversion EventLowLimit EventHighLimit EventDelay EventRun EventChangeBottle "
        "PreSampling PreSamplingDisableVar PreSamplingInterval PreSamplingSamples EnableVar "
        "VarMaximum SamplerMode SamplesRate FlowMaximum MaximumInterval PulsesPerSample "
        "SamplingPeriod ProgramMode ProgramStartValue BottleChangeBy Capacity BottlesLimit "
        "BottlesPerGroup SamplesPerBottle ChangeInterval Analog1 Analog2 TemperatureUnits")
        .split(u' ');

QJsonObject Json(const TCliRun& run) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(run.Out, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << run.Out.toStdString();
    return document.object();
}

} // namespace

TEST_F(CliFiles, NewSavesAPeriodicalDocument) {
    const QString path = PathOf("new.r72");
    const TCliRun run = RunCli({"new", path});
    ASSERT_EQ(run.Exit, 0) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.isEmpty());
    TR7200 loaded;
    ASSERT_TRUE(loaded.LoadFromFile(path));
    TR7200 expected;
    expected.SamplerMode = 1;
    EXPECT_TRUE(static_cast<const TProgramBlock&>(loaded) == expected);
    EXPECT_EQ(loaded.ConnectorName, "Limnaset");
    ASSERT_EQ(loaded.LogCount, 1);
    EXPECT_EQ(loaded.LogRecordAt(0).Code, 11);
}

TEST_F(CliFiles, InfoJsonIsKeyedByFieldNames) {
    TR7200 record;
    record.SerialNumber = 12345;
    record.ConnectorName = QStringLiteral("Pump station");
    record.ConnectorComment = QStringLiteral("North inlet");
    record.ProgramMode = 1;
    record.ProgramStartDelay = 3600;
    record.Schedule[2] = {90, 0x21};
    record.Analog2 = {4, 20, QStringLiteral("mA")};
    record.TemperatureUnits = 1;
    const QString path = Save(record, "info.r72");
    // The pump report lies outside the checksum; the sampler writes it with its complement.
    QByteArray bytes = FileBytes(path);
    le::Put16(reinterpret_cast<uint8_t*>(bytes.data()) + 1995, 1234);
    le::Put16(reinterpret_cast<uint8_t*>(bytes.data()) + 1997, uint16_t(~1234));
    WriteFileBytes(path, bytes);

    const TCliRun run = RunCli({"info", path, "--json"});
    ASSERT_EQ(run.Exit, 0) << run.Err.toStdString();
    const QJsonObject json = Json(run);
    QStringList keys = json.keys();
    QStringList expectedKeys = JsonKeys;
    keys.sort();
    expectedKeys.sort();
    EXPECT_EQ(keys, expectedKeys);
    EXPECT_EQ(json["SerialNumber"].toInteger(), 12345);
    EXPECT_EQ(json["ConnectorName"].toString(), "Pump station");
    EXPECT_EQ(json["ConnectorComment"].toString(), "North inlet");
    EXPECT_EQ(json["ProgramStartDelay"].toInteger(), 3600);
    EXPECT_EQ(json["ProgramStartValue"].toInteger(), 3600);
    EXPECT_EQ(json["PumpPulses"].toInteger(), 1234);
    EXPECT_EQ(json["LogCount"].toInteger(), 1);
    EXPECT_EQ(json["Status"].toInteger(), 0);
    EXPECT_EQ(json["SamplerMode"].toInteger(), 0);
    EXPECT_EQ(json["TemperatureUnits"].toInteger(), 1);
    const QJsonArray schedule = json["Schedule"].toArray();
    ASSERT_EQ(schedule.size(), 7);
    EXPECT_EQ(schedule[2].toObject(), QJsonObject({{"StartAt", 90}, {"Weeks", 0x21}}));
    EXPECT_EQ(schedule[6].toObject(), QJsonObject({{"StartAt", 0}, {"Weeks", 0}}));
    EXPECT_EQ(json["Analog1"].toObject(),
              QJsonObject({{"Min", 0.0}, {"Max", 100.0}, {"Units", "%"}}));
    EXPECT_EQ(json["Analog2"].toObject(),
              QJsonObject({{"Min", 4.0}, {"Max", 20.0}, {"Units", "mA"}}));
    // Mode 1 starts after a delay; the start time is the load moment, in local time.
    EXPECT_TRUE(QRegularExpression("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d$")
                    .match(json["ProgramStartTime"].toString())
                    .hasMatch());
}

TEST_F(CliFiles, InfoJsonStartTimeIsLocalIsoOrNull) {
    TR7200 record;
    record.ProgramMode = 2;
    record.ProgramStartTime = Moment(2024, 7, 1, 12, 0, 0);
    const QString summer = Save(record, "summer.r72");
    record.ProgramStartTime = 0;
    const QString none = Save(record, "none.r72");

    const TCliRun atTime = RunCli({"info", "--json", summer});
    ASSERT_EQ(atTime.Exit, 0);
    EXPECT_EQ(Json(atTime)["ProgramStartTime"].toString(), "2024-07-01T12:00:00");
    const TCliRun noTime = RunCli({"info", "--json", none});
    ASSERT_EQ(noTime.Exit, 0);
    EXPECT_TRUE(Json(noTime)["ProgramStartTime"].isNull());
    EXPECT_EQ(Json(noTime)["ProgramStartValue"].toInteger(), 0);
}

TEST_F(CliFiles, InfoTextAndDump) {
    TR7200 record;
    record.ConnectorName = QStringLiteral("Pump station");
    record.SamplerMode = 2;
    record.Analog2 = {0.1, 2000000, QStringLiteral("l/s")};
    const QString path = Save(record, "text.r72");
    const TCliRun info = RunCli({"info", path});
    ASSERT_EQ(info.Exit, 0) << info.Err.toStdString();
    const QString text = QString::fromUtf8(info.Out);
    EXPECT_TRUE(text.contains("\nConnectorName: Pump station\n")) << info.Out.toStdString();
    EXPECT_TRUE(text.contains("\nSamplerMode: 2\n"));
    EXPECT_TRUE(text.contains("\nSchedule[6].Weeks: 0\n"));
    EXPECT_TRUE(text.contains("\nAnalog1.Units: %\n"));
    EXPECT_TRUE(text.contains("\nAnalog2.Min: 0.1\nAnalog2.Max: 2000000\n"));
    EXPECT_TRUE(text.contains("\nLogCount: 1\n"));
    EXPECT_TRUE(QRegularExpression("\nOldest: [^\n]+ \\| CLEAR\n").match(text).hasMatch());

    const TCliRun dump = RunCli({"dump", path});
    ASSERT_EQ(dump.Exit, 0) << dump.Err.toStdString();
    const QString lines = QString::fromUtf8(dump.Out);
    EXPECT_TRUE(lines.contains(QRegularExpression("(^|\n) *512 +1 ImageMarker +23\n")));
    EXPECT_TRUE(lines.contains(QRegularExpression("\n *584 +1 SamplerMode +02\n")));
    EXPECT_TRUE(lines.contains(QRegularExpression("\n *4 +64 ConnectorName +50 75 6D 70 20")));
    const uint16_t checksum = le::Get16(record.Image.data() + 1022);
    EXPECT_TRUE(lines.contains(QRegularExpression(QString::asprintf(
        "\n *1022 +2 HeaderChecksum +%02X %02X\n", checksum & 0xFF, checksum >> 8))));
    EXPECT_TRUE(lines.contains(QRegularExpression("\n *2047 +1 TemperatureUnits +00\n")));
}

TEST_F(CliFiles, LogIsTheExportByteForByte) {
    const QString path = LoggedFile("logged.r72");
    TR7200 loaded;
    ASSERT_TRUE(loaded.LoadFromFile(path));

    const TCliRun run = RunCli({"log", path});
    ASSERT_EQ(run.Exit, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out, LogCsvBytes(loaded));
    EXPECT_TRUE(run.Out.contains("\"\",\"\",\"\",\"\",\"in\"\"\",\" F\",\" F\",\"%\",\n"));
    EXPECT_TRUE(run.Out.contains(
        "\"1/16/24 8:00:05 AM\",\"SAMPLE\",\"2\",\"4\",\"50.5\",\"77.0\",\"185.0\",\"\",\n"));
    EXPECT_TRUE(run.Out.contains("\"\",\"?\",\"\",\"\",\"\",\"\",\"\",\"\",\n"));
    EXPECT_TRUE(run.Out.endsWith("\"\",\"CORRUPTED\",\"\",\"\",\"\",\"\",\"\",\"\",\n"));

    const QString out = PathOf("out.csv");
    WriteFileBytes(out, QByteArray(100000, 'x'));
    const TCliRun toFile = RunCli({"log", path, "-o", out});
    ASSERT_EQ(toFile.Exit, 0) << toFile.Err.toStdString();
    EXPECT_TRUE(toFile.Out.isEmpty());
    EXPECT_EQ(FileBytes(out), run.Out);

    const TCliRun german = RunCli({"log", path}, CliEnvironment("de_DE.UTF-8"));
    ASSERT_EQ(german.Exit, 0);
    TLocaleGuard guard(QStringLiteral("de_DE"));
    EXPECT_EQ(german.Out, LogCsvBytes(loaded));
    EXPECT_TRUE(german.Out.contains("\"16.01.24 08:00:05\",\"SAMPLE\",\"2\",\"4\",\"50,5\""));
}

// Without --codepage the locale's language picks the code page, as the program's language does.
TEST_F(CliFiles, CodePageFollowsTheOptionOrTheLocale) {
    QString path;
    {
        TCodePageGuard cyrillic(TCodePage::Cyrillic);
        TR7200 record;
        record.ConnectorName = QStringLiteral("Проба");
        record.Analog1.Units = QStringLiteral("м3/ч");
        path = Save(record, "cyrillic.r72");
    }
    const struct {
        QStringList Arguments;
        const char* Locale;
        QString Name;
    } rows[] = {
        {{"--codepage", "1251", "info", path, "--json"}, "C.UTF-8", "Проба"},
        {{"info", "--codepage=1251", path, "--json"}, "C.UTF-8", "Проба"},
        {{"info", path, "--json"}, "ru_RU.UTF-8", "Проба"},
        {{"info", path, "--json"}, "C.UTF-8", "Ïðîáà"},
        {{"info", path, "--json", "--codepage", "1250"}, "ru_RU.UTF-8", "Ďđîáŕ"},
    };
    for (const auto& row : rows) {
        const TCliRun run = RunCli(row.Arguments, CliEnvironment(row.Locale));
        ASSERT_EQ(run.Exit, 0) << run.Err.toStdString();
        EXPECT_EQ(QJsonDocument::fromJson(run.Out)["ConnectorName"].toString(), row.Name)
            << row.Arguments.join(' ').toStdString();
    }

    const TCliRun classic = RunCli({"--codepage", "1251", "log", path});
    EXPECT_TRUE(classic.Out.contains("\"\xEC\x33/\xF7\",")) << classic.Out.toStdString();
    const TCliRun utf8 = RunCli({"--codepage", "1251", "log", path, "--utf8"});
    EXPECT_TRUE(utf8.Out.startsWith("\xEF\xBB\xBF\"Time\","));
    EXPECT_TRUE(utf8.Out.contains(QStringLiteral("\"м3/ч\",\" °C\",").toUtf8()));
}

TEST_F(CliFiles, LogToAFolderOrNoNameIsAFileError) {
    const QString path = LoggedFile("logged.r72");
    const QString fifo = PathOf("fifo"); // without a reader: refused at once, never waited on
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& target : {Dir.path(), QString(), fifo}) {
        const TCliRun run = RunCli({"log", path, "--output", target});
        EXPECT_EQ(run.Exit, 12) << target.toStdString();
        EXPECT_EQ(run.Err, "File access error\n");
        EXPECT_TRUE(run.Out.isEmpty());
    }
}

TEST_F(CliFiles, BrokenFilesExitWithTheirStatus) {
    TR7200 record;
    const QString good = Save(record, "good.r72");
    const QByteArray image = FileBytes(good);

    const QString shortFile = PathOf("short.r72");
    WriteFileBytes(shortFile, image.left(32767));
    const QString badChecksum = PathOf("checksum.r72");
    QByteArray changed = image;
    changed[600] = char(changed[600] ^ 1);
    WriteFileBytes(badChecksum, changed);
    const QString badMarker = PathOf("marker.r72");
    QByteArray marker = image;
    marker[512] = '$';
    // The marker grows by one, so the complemented sum drops by one: the checksum holds.
    uint8_t* sum = reinterpret_cast<uint8_t*>(marker.data()) + 1022;
    le::Put16(sum, uint16_t(le::Get16(sum) - 1));
    WriteFileBytes(badMarker, marker);
    QDir(Dir.path()).mkdir("folder.r72");

    struct TCase {
        QString Path;
        int Exit;
        QByteArray Message;
    };
    const TCase cases[] = {
        {PathOf("missing.r72"), 12, "File access error\n"},
        {PathOf("folder.r72"), 12, "File access error\n"},
        {shortFile, 13, "Corrupted file\n"},
        {badChecksum, 13, "Corrupted file\n"},
        {badMarker, 14, "Wrong file version\n"},
    };
    for (const TCase& c : cases) {
        // write checks the file before it looks for an adapter.
        for (const char* command : {"info", "dump", "log", "write"}) {
            const TCliRun run = RunCli({command, c.Path, "--port", PathOf("no-adapter")});
            EXPECT_EQ(run.Exit, c.Exit) << command << " " << c.Path.toStdString();
            EXPECT_EQ(run.Err, c.Message) << command << " " << c.Path.toStdString();
            EXPECT_TRUE(run.Out.isEmpty());
        }
    }
}

TEST_F(CliFiles, UsageErrorsAndHelp) {
    const QStringList bad[] = {{},
                               {"frobnicate"},
                               {"new"},
                               {"info", "a.r72", "b.r72"},
                               {"info", "a.r72", "--bogus"},
                               {"status", "extra"},
                               {"log", "a.r72", "-o"},
                               {"status", "--port"},
                               {"--port=", "status"},
                               {"--codepage", "1253", "status"},
                               {"status", "--codepage"}};
    for (const QStringList& arguments : bad) {
        const TCliRun run = RunCli(arguments);
        EXPECT_EQ(run.Exit, 64) << arguments.join(' ').toStdString();
        EXPECT_FALSE(run.Err.isEmpty());
    }

    const TCliRun help = RunCli({"--help"});
    ASSERT_EQ(help.Exit, 0);
    for (const char* line : {"  new FILE\n",
                             "  info FILE [--json] [--raw]\n",
                             "  set FILE FIELD=TEXT... [-o OUT]\n",
                             "  log FILE [-o OUT.csv] [--utf8]\n",
                             "  status\n",
                             "  read FILE [--raw]\n",
                             "  write FILE [--no-backup] [--force]\n",
                             "  clock [--set]\n",
                             "  25  The Connector could not be read for its backup",
                             "  dump FILE\n",
                             "  11  Communication error, please try once more",
                             "  12  File access error",
                             "  13  Corrupted file",
                             "  14  Wrong file version",
                             "  16  Invalid format of parameter",
                             "  20  Adapter ?",
                             "  21  No Connector",
                             "  22  Connector ERROR",
                             "  24  Connector clock not set (the",
                             "  64  usage error",
                             "  70  internal error",
                             "  130 interrupted by Ctrl+C"})
        EXPECT_TRUE(help.Out.contains(line)) << line;

    for (const char* command : {"new", "info", "dump", "log", "status", "read", "write", "clock",
                                "get", "set", "apply", "schema"}) {
        const TCliRun run = RunCli({command, "--help"});
        EXPECT_EQ(run.Exit, 0) << command;
        EXPECT_TRUE(run.Out.startsWith(
            QByteArray("Usage: limnaset-cli [--port PATH] [--codepage N] ") + command))
            << command;
        EXPECT_TRUE(run.Out.contains("Exit codes:")) << command;
    }
}

TEST_F(CliFiles, DeviceCommandsWithoutAnAdapter) {
    TR7200 record;
    const QString file = Save(record, "write.r72");
    const QString port = PathOf("no-adapter");
    const QStringList commands[] = {
        {"status"}, {"clock"}, {"clock", "--set"}, {"read", PathOf("read.r72")}, {"write", file}};
    for (const QStringList& command : commands) {
        const TCliRun run = RunCli(command + QStringList{"--port", port});
        EXPECT_EQ(run.Exit, 20) << command.join(' ').toStdString();
        // Only status goes on to say why.
        if (command[0] == "status")
            EXPECT_TRUE(run.Err.startsWith("Adapter ?\nLIMNASET_PORT names " + port.toUtf8()));
        else
            EXPECT_EQ(run.Err, "Adapter ?\n");
        EXPECT_TRUE(run.Out.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(PathOf("read.r72")));
}

TEST_F(CliFiles, OutputThatCannotBeWrittenIsAFileError) {
    const QString path = LoggedFile("logged.r72");
    const QStringList commands[] = {{"info", path}, {"info", path, "--json"},
                                    {"dump", path}, {"log", path},
                                    {"--help"},     {"info", "--help"}};
    for (const QStringList& command : commands) {
        const TCliRun run = RunCliToFullDisk(command);
        EXPECT_EQ(run.Exit, 12) << command.join(' ').toStdString();
        EXPECT_EQ(run.Err, "File access error\n") << command.join(' ').toStdString();
    }
    // Standard output as a file name is written into, not replaced.
    const TCliRun toStdout = RunCli({"log", path, "-o", "/dev/stdout"});
    ASSERT_EQ(toStdout.Exit, 0) << toStdout.Err.toStdString();
    EXPECT_EQ(toStdout.Out, RunCli({"log", path}).Out);
}

// A writable file in a folder the user may not write is saved in place; one the user may not
// write is refused and left whole.
TEST_F(CliFiles, SavesFollowThePermissionsOfTheUser) {
    const QString path = LoggedFile("logged.r72");
    const QString folder = PathOf("locked"), mine = folder + "/mine.csv",
                  theirs = folder + "/theirs.csv";
    ASSERT_TRUE(QDir().mkdir(folder));
    WriteFileBytes(mine, "old");
    WriteFileBytes(theirs, "old");
    chmod(QFile::encodeName(Dir.path()).constData(), 0755);
    chmod(QFile::encodeName(folder).constData(), 0555);
    chmod(QFile::encodeName(path).constData(), 0444);
    chmod(QFile::encodeName(theirs).constData(), 0444);
    if (geteuid() == 0)
        ASSERT_EQ(chown(QFile::encodeName(mine).constData(), 65534, 65534), 0);
    else if (QFileInfo(folder).isWritable())
        GTEST_SKIP() << "permission bits are not enforced for this user";
    QString why;
    const QString cli = ProgramForNobody("limnaset-cli", why);
    if (cli.isEmpty()) GTEST_SKIP() << why.toStdString();

    const TCliRun saved = RunUnprivileged(cli, {"log", path, "-o", mine});
    EXPECT_EQ(saved.Exit, 0) << saved.Err.toStdString();
    EXPECT_EQ(FileBytes(mine), RunCli({"log", path}).Out);
    const TCliRun refused = RunUnprivileged(cli, {"log", path, "-o", theirs});
    EXPECT_EQ(refused.Exit, 12);
    EXPECT_EQ(FileBytes(theirs), "old");
    chmod(QFile::encodeName(folder).constData(), 0755);
}

TEST_F(CliFiles, ControlCharactersInTextsShowAsEscapes) {
    TR7200 record;
    record.ConnectorName = QStringLiteral("A\x1B]0;x\x07\\B\nKey: value");
    record.ConnectorComment = QStringLiteral("\x1B[2J\x7F");
    record.Analog1.Units = QStringLiteral("m\t");
    const QString path = Save(record, "escape.r72");

    const TCliRun text = RunCli({"info", path});
    ASSERT_EQ(text.Exit, 0) << text.Err.toStdString();
    EXPECT_FALSE(text.Out.contains('\x1B') || text.Out.contains('\x07') || text.Out.contains('\t'));
    EXPECT_TRUE(text.Out.contains("\nConnectorName: A\\x1B]0;x\\x07\\\\B\\x0AKey: value\n"));
    EXPECT_TRUE(text.Out.contains("\nConnectorComment: \\x1B[2J\\x7F\n"));
    EXPECT_TRUE(text.Out.contains("\nAnalog1.Units: m\\x09\n"));
    const TCliRun json = RunCli({"info", path, "--json"});
    EXPECT_EQ(Json(json)["ConnectorName"].toString(), record.ConnectorName);
    EXPECT_TRUE(RunCli({"log", path}).Out.contains("\"m\\x09\","));
    EXPECT_TRUE(RunCli({"log", path, "-o", PathOf("raw.csv")}).Exit == 0 &&
                FileBytes(PathOf("raw.csv")).contains("\"m\t\","));
    QDir().mkpath(PathOf("data/Limnaset/Limnaset/archive/00000000"));
    QFile::copy(path, PathOf("data/Limnaset/Limnaset/archive/00000000/20260101-120000-000.r72"));
    QProcessEnvironment environment = CliEnvironment();
    environment.insert("XDG_DATA_HOME", PathOf("data"));
    const QList<QByteArray> archive = RunCli({"archive"}, environment).Out.split('\n');
    EXPECT_TRUE(archive.value(1).startsWith("00000000\tA\\x1B]0;x\\x07\\\\B\\x0AKey: value\t"));
}

TEST(CliOutcome, AnInternalErrorIsPrintedWithItsOwnCode) {
    testing::internal::CaptureStderr();
    const int code = GuardInternalErrors([]() -> int { throw TInternalError::OnFile("R7200", 7); });
    EXPECT_EQ(code, int(TCliOutcome::InternalError));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "limnaset-cli: Error on file R7200 line 7\n");
    EXPECT_EQ(GuardInternalErrors([] { return 13; }), 13);
}

TEST_F(CliFiles, DiffListsTheDifferingProgramFieldsAsDiffExits) {
    TR7200 record;
    record.SamplerMode = SamplerPeriodical;
    const QString a = Save(record, "a.r72");
    record.SamplesPerBottle = 5;
    record.ConnectorComment = QStringLiteral("up\r\nstream");
    record.SerialNumber = 9; // the Connector's, no program field
    const QString b = Save(record, "b.r72");
    const std::tuple<QStringList, int, QByteArray> rows[] = {
        {{"diff", a, b}, 1, "SamplesPerBottle\t1\t5\nConnectorComment\t\tup\\x0D\\x0Astream\n"},
        {{"diff", a, a}, 0, ""},
        {{"diff", a, PathOf("missing.r72")}, 12, ""},
        {{"diff", a}, 64, ""},
        {{"diff", a, b, "--connector"}, 64, ""},
    };
    for (const auto& [arguments, exit, out] : rows) {
        const TCliRun run = RunCli(arguments);
        EXPECT_EQ(std::pair(run.Exit, run.Out), std::pair(exit, out)) << run.Err.toStdString();
    }
    const TCliRun json = RunCli({"diff", b, a, "--json"});
    EXPECT_EQ(json.Exit, 1);
    const QJsonArray fields = Json(json)["fields"].toArray();
    ASSERT_EQ(fields.size(), 2);
    EXPECT_EQ(fields[0].toObject(), (QJsonObject{{"field", "SamplesPerBottle"},
                                                 {"caption", "Samples per bottle"},
                                                 {"place", "StatusPage"},
                                                 {"a", "5"},
                                                 {"b", "1"}}));
}
