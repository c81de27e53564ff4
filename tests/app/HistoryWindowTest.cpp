#include "HistoryWindow.h"
#include "Archive.h"
#include "LogExport.h"
#include "LogPage.h"
#include "LogTable.h"
#include "R7200.h"
#include "TestSupport.h"

#include <QComboBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// A read of Connector `serial` whose log holds records first..last, ten minutes apart.
TR7200 Read(uint32_t serial, int first, int last) {
    TR7200 read;
    read.SerialNumber = serial;
    read.Pack();
    read.ResetLog();
    for (int n = first; n <= last; ++n) {
        TLogRecord r = TLogRecord::Empty(LogSample);
        r.Time = TR7200::ToConnectorTimestamp(Moment(2026, 3, 2, 6)) + uint32_t(n) * 600;
        r.Encode(read.Image.data() + 2048 + 16 * (n - first));
    }
    return read;
}

} // namespace

TEST(HistoryWindow, ShowsEachConnectorsMergedLogAndExportsItAsTheLogCsv) {
    QTemporaryDir folder;
    const TArchive archive(folder.filePath(QStringLiteral("archive")));
    const QString single = archive.Keep(Read(7, 0, 4).Image);
    archive.Keep(Read(9, 0, 9).Image, QDateTime::currentDateTime().addSecs(-60));
    archive.Keep(Read(9, 0, 14).Image);
    THistory history(folder.filePath(QStringLiteral("history.sqlite")), archive.Folder());
    THistoryWindow window(history);
    auto connectors = window.findChild<QComboBox*>(QStringLiteral("HistoryConnector"));
    auto table = window.findChild<TLogTable*>(QStringLiteral("HistoryTable"));
    QTimer::singleShot(0, &window, &QDialog::reject);
    ASSERT_TRUE(window.Execute());
    ASSERT_EQ(connectors->count(), 2);
    for (const auto& [index, records] : {std::pair{1, 15}, std::pair{0, 5}}) {
        connectors->setCurrentIndex(index);
        EXPECT_EQ(window.Shown().Entries.size(), records);
        EXPECT_EQ(table->rowCount(), records + TLogTable::TitleRows);
    }
    TR7200 read;
    ASSERT_TRUE(read.LoadFromFile(single));
    const QString csv = folder.filePath(QStringLiteral("history.csv"));
    ASSERT_TRUE(window.ExportTo(csv, TCsvEncoding::Utf8));
    EXPECT_EQ(FileBytes(csv), LogCsvBytes(read, TLogPage::Titles(), TCsvEncoding::Utf8));
}
