#include "LogPage.h"

#include "DocumentHost.h"
#include "LogText.h"
#include "MsgTemplate.h"
#include "PageTitle.h"
#include "R7200.h"
#include "ui_LogPage.h"

#include <QHeaderView>
#include <algorithm>
#include <iterator>

namespace {
const int ColumnWidths[] = {42, 119, 135, 67, 75, 74, 78, 77, 81};
} // namespace

TLogPage::TLogPage(QWidget* parent) : QWidget(parent), ui(new Ui::TLogPage) {
    ui->setupUi(this);
    MakePageTitle(ui->TitleLabel);
    ui->LogTable->setColumnCount(int(std::size(ColumnWidths)));
    for (int c = 0; c < ui->LogTable->columnCount(); ++c)
        ui->LogTable->setColumnWidth(c, ColumnWidths[c]);
    ui->LogTable->setWordWrap(false);
    ui->LogTable->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
}

TLogPage::~TLogPage() = default;

TLogTitles TLogPage::Titles() {
    TLogTitles titles;
    titles.Row = Msg(MsgRow);
    titles.Time = Msg(MsgTime);
    titles.Status = Msg(MsgStatus);
    titles.Bottle = Msg(MsgBottle);
    titles.Sample = Msg(MsgSample);
    titles.EnvironmentTemperature = Msg(MsgEnvironmentTemperature);
    titles.Var = Msg(MsgVAR);
    titles.Aux = Msg(MsgAux);
    titles.SampleTemperature = Msg(MsgSampleTemperature);
    return titles;
}

void TLogPage::FillLogTable() {
    if (!Host) return;
    const TR7200& record = Host->Record();

    QTableWidget* table = ui->LogTable;
    table->setUpdatesEnabled(false);
    table->clearContents();
    table->setRowCount(record.LogCount + 2);
    auto putRow = [table](int row, const QStringList& texts, bool fixed) {
        for (int c = 0; c < texts.size() && c < table->columnCount(); ++c) {
            auto item = new QTableWidgetItem(texts[c]);
            if (fixed) {
                item->setBackground(table->palette().button());
                item->setFlags(Qt::ItemIsEnabled);
            }
            table->setItem(row, c, item);
        }
    };
    putRow(0, LogTableTitles(Titles()), true);
    putRow(1, LogTableUnits(record), true);
    for (int i = 0; i < record.LogCount; ++i)
        putRow(i + 2, LogTableRow(record, i), false);
    // Long date and time formats do not fit the designed widths; never cut a text off.
    const QAbstractItemView* view = table;
    for (int c = 0; c < table->columnCount(); ++c)
        table->setColumnWidth(c, std::max(ColumnWidths[c], view->sizeHintForColumn(c)));
    table->setUpdatesEnabled(true);
}

void TLogPage::FocusTable() {
    ui->LogTable->setFocus();
}
