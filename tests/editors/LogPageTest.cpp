#include "../app/AppTestSupport.h"

#include "LogChart.h"
#include "LogTable.h"
#include "R7200.h"

#include <QApplication>
#include <QCategoryAxis>
#include <QClipboard>
#include <QHeaderView>
#include <QImage>
#include <QScatterSeries>
#include <QScrollBar>
#include <QToolButton>
#include <QTranslator>

namespace {

class LogPageTest : public TFormFixture {
protected:
    void SetUp() override {
        TFormFixture::SetUp();
        Open();
        Form->resize(800, 600);
    }
    // A working sampler's log of count records: LOGGER readings with a sample and a bottle
    // change now and then, values at their widest.
    void LoadLog(int count) {
        TR7200 record;
        const uint32_t t0 = TR7200::ToConnectorTimestamp(Moment(2024, 12, 28, 11, 59, 58));
        for (int i = 0; i < count; ++i) {
            TLogRecord r = TLogRecord::Empty(i % 10 == 3   ? LogSample
                                             : i % 50 == 7 ? LogBottleNext
                                                           : LogLogger);
            r.Time = t0 + 600u * uint32_t(i);
            r.Bottle = 24, r.Sample = 200, r.Var = 1000, r.Aux = 999;
            r.BoxTemperature = -399, r.SampleTemperature = -388;
            r.Encode(record.Image.data() + 2048 + 16 * i);
        }
        record.Analog2 = {-1234.5, 65535, QStringLiteral("m3/h")};
        const QString path = FilePath(QStringLiteral("log.r72"));
        ASSERT_TRUE(record.SaveToFile(path));
        Form->FileOpenDialog = [path](const QString&, const QString&) { return path; };
        Act("FileOpen")->trigger();
        Act("ViewLog")->trigger();
        QApplication::processEvents();
    }
    TLogTable* Table() const { return Child<TLogTable>("LogTable"); }
    TLogChart* Plot() const { return Child<TLogChart>("LogPlot"); }
};

} // namespace

TEST(LogTableFit, WidthsStayBetweenNeedAndDesign) {
    struct {
        QList<int> Designed, Needed;
        int Available;
        QList<int> Widths;
    } cases[] = {
        {{40, 100}, {30, 60}, 200, {40, 100}}, // room enough: as designed
        {{40, 100}, {50, 60}, 200, {50, 100}}, // a wider text widens its column
        {{40, 100}, {30, 60}, 110, {34, 76}},  // the room above the needs is shared
        {{40, 100}, {30, 60}, 80, {30, 60}},   // too narrow: nothing is cut
    };
    for (const auto& c : cases)
        EXPECT_EQ(FitColumnWidths(c.Designed, c.Needed, c.Available), c.Widths) << c.Available;
}

TEST_F(LogPageTest, TitlesStayInViewAndColumnsFitTheWindow) {
    for (const char* locale : {"C", "en_US", "de_DE", "ru_RU", "lt_LT"}) {
        TLocaleGuard guard(QString::fromLatin1(locale));
        LoadLog(400);
        TLogTable* table = Table();
        ASSERT_EQ(table->rowCount(), 402);
        table->scrollToBottom();
        table->horizontalScrollBar()->setValue(table->horizontalScrollBar()->maximum());
        QApplication::processEvents();
        const QHeaderView* header = table->horizontalHeader();
        EXPECT_TRUE(header->isVisible());
        EXPECT_LE(header->geometry().bottom(), table->viewport()->geometry().top());
        EXPECT_EQ(table->model()->headerData(5, Qt::Horizontal).toString(), "Box T\n \u00B0C");
        EXPECT_EQ(table->model()->headerData(7, Qt::Horizontal).toString(), "EVENT/AUX\nm3/h");
        EXPECT_TRUE(table->isRowHidden(0) && table->isRowHidden(1));
        EXPECT_TRUE(
            table->viewport()->rect().contains(table->visualRect(table->model()->index(401, 8))));
        EXPECT_EQ(table->horizontalScrollBar()->maximum(), 0) << locale;
        for (int c = 0; c < table->columnCount(); ++c)
            EXPECT_GT(table->columnWidth(c),
                      table->fontMetrics().horizontalAdvance(table->item(401, c)->text()) + 4)
                << locale << " " << table->item(401, c)->text().toStdString();
    }
}

TEST_F(LogPageTest, CopyGivesTitlesAndSelectedRows) {
    LoadLog(20);
    TLogTable* table = Table();
    table->SelectRecord(4);
    table->selectionModel()->select(table->model()->index(2 + 9, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
    table->findChild<QAction*>("LogCopy")->trigger();
    const QStringList lines = QApplication::clipboard()->text().split(u'\n');
    ASSERT_EQ(lines.size(), 5) << "titles, units, two rows and the final line feed";
    EXPECT_TRUE(lines[0].startsWith("Row\tTime\tStatus"));
    EXPECT_TRUE(lines[1].endsWith("\t \u00B0C"));
    EXPECT_TRUE(lines[2].startsWith("5\t"));
    EXPECT_TRUE(lines[3].startsWith("10\t"));
}

TEST_F(LogPageTest, PlotFollowsTheDocumentAndClicksSelectRows) {
    LoadLog(100);
    QScatterSeries* samples = Plot()->Lane(TLogLane::Samples);
    ASSERT_EQ(samples->count(), 10);
    EXPECT_EQ(Plot()->Lane(TLogLane::Bottles)->count(), 2);
    emit samples->clicked(samples->at(4));
    EXPECT_EQ(Table()->SelectedRecords(), QList<int>{43});
    EXPECT_FALSE(Plot()->TimeAxis()->categoriesLabels().isEmpty());

    Form->findChild<QToolButton*>("LogShowPlot")->click();
    Act("FileNew")->trigger();
    EXPECT_EQ(Plot()->Lane(TLogLane::Samples)->count(), 0);
    EXPECT_EQ(Plot()->Lane(TLogLane::Program)->count(), 1);
    // The choice outlives the window.
    Discard();
    Open();
    EXPECT_EQ(Child<QStackedWidget>("LogViews")->currentWidget(), Plot());
    Form->findChild<QToolButton*>("LogShowTable")->click();
}

TEST_F(LogPageTest, ExportPlotWritesPngAndSvg) {
    LoadLog(50);
    QString path;
    Form->FileExportPlotDialog = [&path](const QString&, const QString&) { return path; };
    path = FilePath(QStringLiteral("plot.png"));
    Act("FileExportPlot")->trigger();
    const QImage image(path);
    EXPECT_FALSE(image.isNull());
    EXPECT_GE(image.width(), 400);
    path = FilePath(QStringLiteral("plot.svg"));
    Act("FileExportPlot")->trigger();
    EXPECT_TRUE(FileBytes(path).contains("<svg"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), FilePath(QStringLiteral("full.svg"))));
    const std::pair<QString, int> bad[] = {{UnwritablePath(QStringLiteral("plot.png")), 0},
                                           {FilePath(QStringLiteral("full.svg")), 1}};
    for (const auto& [target, overwrite] : bad) {
        path = target;
        for (int answer = 0; answer <= overwrite; ++answer)
            Answers.Box(QMessageBox::Ok);
        Act("FileExportPlot")->trigger();
        EXPECT_EQ(Answers.Boxes().last(), "Error: File access error") << target.toStdString();
        Answers.Forget();
    }
}

TEST_F(LogPageTest, GermanTitlesFitTheWindowToo) {
    QTranslator german;
    ASSERT_TRUE(german.load(QStringLiteral(":/translations/limnaset_deu.qm")));
    QCoreApplication::installTranslator(&german);
    TLocaleGuard guard(QStringLiteral("de_DE"));
    LoadLog(400);
    TLogTable* table = Table();
    EXPECT_EQ(table->model()->headerData(5, Qt::Horizontal).toString(), "Gehäuse T\n \u00B0C");
    EXPECT_EQ(table->horizontalScrollBar()->maximum(), 0);
    const QFontMetrics metrics = table->horizontalHeader()->fontMetrics();
    for (int c = 0; c < table->columnCount(); ++c) {
        for (const QString& line :
             table->model()->headerData(c, Qt::Horizontal).toString().split('\n'))
            EXPECT_GT(table->columnWidth(c), metrics.horizontalAdvance(line)) << c;
        EXPECT_GT(table->columnWidth(c),
                  table->fontMetrics().horizontalAdvance(table->item(401, c)->text()))
            << c;
    }
    QCoreApplication::removeTranslator(&german);
}
