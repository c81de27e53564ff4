#include "LogExport.h"
#include "ConnectorCalendar.h"
#include "LogText.h"
#include "R7200.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

namespace {

// A winter moment, so that daylight saving plays no part. (A function: the date helpers have
// static state of their own.)
TDateTime Created() {
    return Moment(2024, 1, 15, 10, 20, 30);
}
const QByteArray CreatedText = "1/15/24 10:20:30 AM";

void PutRecord(TR7200& record, int slot, const TLogRecord& r) {
    r.Encode(record.Image.data() + 2048 + 16 * slot);
}

TLogRecord Sample() {
    TLogRecord r = TLogRecord::Empty(1);
    r.Time = TR7200::ToConnectorTimestamp(Moment(2024, 1, 16, 8, 0, 5));
    r.Bottle = 3;
    r.Sample = 7;
    r.Var = 500;
    r.Aux = 1000;
    r.SampleTemperature = 1000;
    r.BoxTemperature = -500;
    return r;
}

const QByteArray Titles = "\"Time\",\"Status\",\"Bottle\",\"Sample\",\"VAR/FLOW\",\"External "
                          "T\",\"Box T\",\"EVENT/AUX\",\n";
const QByteArray CelsiusUnits = "\"\",\"\",\"\",\"\",\"%\",\" \xB0"
                                "C\",\" \xB0"
                                "C\",\"%\",\n";

} // namespace

TEST(LogText, ColumnTextsOfSingleValues) {
    EXPECT_EQ(LogTimeText(0xFFFFFFFF), "");
    EXPECT_EQ(LogTimeText(0), "");
    {
        TFixedClock clock(Created());
        EXPECT_EQ(LogTimeText(TR7200::ToConnectorTimestamp(Created())), CreatedText);
    }
    EXPECT_EQ(LogStatusText(0), "?");
    EXPECT_EQ(LogStatusText(28), "?");
    EXPECT_EQ(LogStatusText(11), "CLEAR");
    EXPECT_EQ(LogStatusText(25), "CORRUPTED");
    EXPECT_EQ(LogBottleText(255), "");
    EXPECT_EQ(LogBottleText(0), "0");
    EXPECT_EQ(LogBottleText(254), "254");
    const TAnalogScale percent;
    EXPECT_EQ(LogAnalogText(0xFFFF, percent), "");
    EXPECT_EQ(LogAnalogText(0, percent), "0.0");
    EXPECT_EQ(LogAnalogText(1001, percent), "100.1");
    EXPECT_EQ(LogTemperatureText(0x7FFF, 0), "");
    EXPECT_EQ(LogTemperatureText(1000, 0), "85.0");
    EXPECT_EQ(LogTemperatureText(-500, 0), "-40.0");
    EXPECT_EQ(LogTemperatureText(250, 1), "77.0");
    TLocaleGuard german(QStringLiteral("de_DE"));
    EXPECT_EQ(LogTemperatureText(250, 1), "77,0");
    EXPECT_EQ(LogAnalogText(505, percent), "50,5");
}

TEST(LogText, TableRowsOfANewRecord) {
    TFixedClock clock(Created());
    TR7200 record;
    EXPECT_EQ(LogTableTitles({}), QStringList({"Row", "Time", "Status", "Bottle", "Sample", "Box T",
                                               "VAR/FLOW", "EVENT/AUX", "External T"}));
    EXPECT_EQ(LogTableUnits(record),
              QStringList({"", "", "", "", "", " \u00B0C", "%", "%", " \u00B0C"}));
    ASSERT_EQ(record.LogCount, 1);
    EXPECT_EQ(LogTableRow(record, 0),
              QStringList({"1", CreatedText, "CLEAR", "", "", "", "", "", ""}));

    PutRecord(record, 1, Sample());
    record.LogCount = 2;
    record.TemperatureUnits = 1;
    record.Analog2 = TAnalogScale{4, 20, QStringLiteral("mA")};
    EXPECT_EQ(LogTableRow(record, 1), QStringList({"2", "1/16/24 8:00:05 AM", "SAMPLE", "3", "7",
                                                   "-40.0", "50.0", "20.00", "185.0"}));
    EXPECT_EQ(LogTableUnits(record), QStringList({"", "", "", "", "", " F", "%", "mA", " F"}));
}

TEST(LogExport, NewRecordAndEmptyLog) {
    TFixedClock clock(Created());
    TR7200 record;
    EXPECT_EQ(LogCsvBytes(record), Titles + CelsiusUnits + "\"" + CreatedText +
                                       "\",\"CLEAR\",\"\",\"\",\"\",\"\",\"\",\"\",\n");
    record.LogCount = 0;
    EXPECT_EQ(LogCsvBytes(record), Titles + CelsiusUnits);

    TLogTitles german;
    german.Time = QStringLiteral("Zeit");
    german.EnvironmentTemperature = QStringLiteral("Gehäuse T");
    EXPECT_EQ(LogCsvBytes(record, german), "\"Zeit\",\"Status\",\"Bottle\",\"Sample\",\"VAR/FLOW\","
                                           "\"External T\",\"Geh\xE4use T\",\"EVENT/AUX\",\n" +
                                               CelsiusUnits);
}

TEST(LogExport, RecordColumnsInExportOrder) {
    TFixedClock clock(Created());
    TR7200 record;
    TLogRecord odd = TLogRecord::Empty(28);
    odd.Time = 0;
    // Oldest first across the end of the ring.
    record.LogStart = 1919;
    record.LogCount = 3;
    PutRecord(record, 1919, Sample());
    PutRecord(record, 0, TLogRecord::Empty(0));
    PutRecord(record, 1, odd);
    EXPECT_EQ(LogCsvBytes(record),
              Titles + CelsiusUnits +
                  "\"1/16/24 8:00:05 AM\",\"SAMPLE\",\"3\",\"7\",\"50.0\",\"85.0\",\"-40.0\","
                  "\"100.0\",\n"
                  "\"\",\"?\",\"\",\"\",\"\",\"\",\"\",\"\",\n"
                  "\"\",\"?\",\"\",\"\",\"\",\"\",\"\",\"\",\n");

    record.TemperatureUnits = 1;
    record.LogCount = 1;
    TLocaleGuard german(QStringLiteral("de_DE"));
    EXPECT_EQ(LogCsvBytes(record), Titles + "\"\",\"\",\"\",\"\",\"%\",\" F\",\" F\",\"%\",\n"
                                            "\"16.01.24 08:00:05\",\"SAMPLE\",\"3\",\"7\",\"50,0\","
                                            "\"185,0\",\"-40,0\",\"100,0\",\n");
}

TEST(LogExport, UnitTextsAreQuotedAndEncoded) {
    TR7200 record;
    record.LogCount = 0;
    record.Analog1.Units = QStringLiteral("in\"");
    record.Analog2.Units = QStringLiteral("\u20AC\u00B5\u03A9");
    EXPECT_EQ(LogCsvBytes(record), Titles + "\"\",\"\",\"\",\"\",\"in\"\"\",\" \xB0"
                                            "C\",\" \xB0"
                                            "C\",\"\x80\xB5?\",\n");
}

TEST(LogExport, WritesTheFileOrLeavesItAlone) {
    TR7200 record;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("log.csv"));
    WriteFileBytes(path, QByteArray(5000, 'x'));
    ASSERT_TRUE(ExportLogCsv(record, path));
    EXPECT_EQ(FileBytes(path), LogCsvBytes(record));

    EXPECT_FALSE(ExportLogCsv(record, dir.path()));
    EXPECT_FALSE(ExportLogCsv(record, dir.filePath(QStringLiteral("missing/log.csv"))));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList({"log.csv"}));
}

TEST(LogExport, AFailedWriteKeepsTheOldFile) {
    TR7200 record;
    record.LogCount = 1920;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("log.csv"));
    WriteFileBytes(path, "old");
    // A file size limit makes the write fail part-way, even for root.
    EXPECT_FALSE(WithFileSizeLimit(4096, [&] { return ExportLogCsv(record, path); }));
    EXPECT_EQ(FileBytes(path), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList({"log.csv"}));
}
