#include "CliProcess.h"
#include "R7200.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

// Hourly from 2027-01-11 08:00, 2 samples a bottle, 12 bottles.
QString HourlyFile(const QTemporaryDir& dir) {
    TR7200 r;
    r.SerialNumber = 0x1234;
    r.SamplerMode = SamplerPeriodical;
    r.ProgramMode = ProgramAtTime;
    r.ProgramStartTime = Moment(2027, 1, 11, 8, 0);
    r.SamplingPeriod = 3600;
    r.SamplesPerBottle = 2;
    r.Capacity = 12;
    const QString path = dir.filePath(QStringLiteral("p.r72"));
    EXPECT_TRUE(r.SaveToFile(path));
    return path;
}

} // namespace

TEST(CliPlan, OutputForms) {
    const QTemporaryDir dir;
    const QString file = HourlyFile(dir);
    const QStringList window{"plan", file, "--from", "2027-01-10T00:00:00", "--days", "3"};

    const TCliRun json = RunCli(window + QStringList{"--json"});
    ASSERT_EQ(json.Exit, 0) << json.Err.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(json.Out).object();
    EXPECT_TRUE(o[QStringLiteral("summary")].toString().contains("full on 12 Jan 2027 at 07:00"));
    EXPECT_TRUE(o[QStringLiteral("warnings")].isArray());
    EXPECT_TRUE(o[QStringLiteral("assumptions")].isArray());
    const QJsonArray events = o[QStringLiteral("events")].toArray();
    ASSERT_EQ(events.size(), 1 + 24 + 11 + 1 + 1); // start, samples, changes, full, end
    const QJsonObject third = events[3].toObject();
    EXPECT_EQ(third[QStringLiteral("time")].toString(), QStringLiteral("2027-01-11T09:00:00"));
    EXPECT_EQ(third[QStringLiteral("kind")].toString(), QStringLiteral("bottle"));
    EXPECT_EQ(third[QStringLiteral("bottles")].toArray(), QJsonArray{2});
    EXPECT_EQ(events[4].toObject()[QStringLiteral("sample")].toInt(), 1);

    const TCliRun csv = RunCli(window + QStringList{"--csv"});
    ASSERT_EQ(csv.Exit, 0);
    const QList<QByteArray> lines = csv.Out.split('\n');
    EXPECT_EQ(lines[0], "time,connector_time,kind,bottle,bottles,sample\r");
    EXPECT_EQ(lines[2], "2027-01-11T08:00:00,2027-01-11T08:00:00,sample,1,1,1\r");

    const TCliRun ics = RunCli(window + QStringList{"--ics"});
    ASSERT_EQ(ics.Exit, 0);
    const QList<QByteArray> icsLines = ics.Out.split('\n');
    for (const QByteArray& line : icsLines.mid(0, icsLines.size() - 1)) {
        EXPECT_TRUE(line.endsWith('\r')) << line.toStdString();
        EXPECT_LE(line.size(), 76) << line.toStdString(); // 75 octets and the CR
    }
    EXPECT_EQ(ics.Out.count("BEGIN:VEVENT"), 2); // the start and the full distributor
    EXPECT_EQ(ics.Out.count("DTSTAMP:"), 2);
    EXPECT_TRUE(ics.Out.contains("DTSTART:20270112T070000\r\n"));
    const QRegularExpression uid(QStringLiteral("UID:[^\r]*"));
    const TCliRun again = RunCli(window + QStringList{"--ics"});
    EXPECT_EQ(uid.globalMatch(QString::fromUtf8(ics.Out)).next().captured(),
              uid.globalMatch(QString::fromUtf8(again.Out)).next().captured());

    const TCliRun text = RunCli(window);
    ASSERT_EQ(text.Exit, 0);
    EXPECT_TRUE(text.Out.startsWith("Starts on 11 Jan 2027 at 08:00."));
    EXPECT_TRUE(text.Out.contains("2027-01-12T07:00:00  2027-01-12T07:00:00  full"));
}

TEST(CliPlan, AbsurdInputEndsWithItsCode) {
    const QTemporaryDir dir;
    const QString file = HourlyFile(dir);
    TR7200 refused;
    refused.SamplerMode = SamplerPeriodical;
    refused.SamplingPeriod = 60;
    const QString bad = dir.filePath(QStringLiteral("bad.r72"));
    ASSERT_TRUE(refused.SaveToFile(bad));
    const struct {
        QStringList Arguments;
        int Exit;
    } rows[] = {
        {{"plan", file, "--days", "0"}, 15},
        {{"plan", file, "--days", "100000"}, 15},
        {{"plan", file, "--flow", "300"}, 15},
        {{"plan", file, "--days", "two"}, 64},
        {{"plan", file, "--from", "tomorrow"}, 64},
        {{"plan", file, "--csv", "--ics"}, 64},
        {{"plan", bad}, 15},
    };
    for (const auto& row : rows) {
        const TCliRun run = RunCli(row.Arguments);
        EXPECT_EQ(run.Exit, row.Exit) << row.Arguments.join(' ').toStdString();
        EXPECT_FALSE(run.Err.isEmpty());
        EXPECT_TRUE(run.Out.isEmpty());
    }
}
