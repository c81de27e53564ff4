#include "ArchiveWindow.h"

#include "ConnectorCalendar.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

TArchiveWindow::TArchiveWindow(const TArchive& archive, QWidget* parent)
    : QDialog(parent), Archive(archive), Filter(new QLineEdit(this)),
      Table(new QTableWidget(0, 5, this)) {
    setObjectName(QStringLiteral("ArchiveWindow"));
    setWindowTitle(tr("Archive"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    resize(720, 420);

    auto filterRow = new QHBoxLayout;
    auto label = new QLabel(tr("Serial number:"), this);
    label->setBuddy(Filter);
    Filter->setObjectName(QStringLiteral("ArchiveFilter"));
    filterRow->addWidget(label);
    filterRow->addWidget(Filter, 1);

    Table->setObjectName(QStringLiteral("ArchiveTable"));
    Table->setHorizontalHeaderLabels({tr("Serial number"), tr("Connector name"), tr("Read at"),
                                      tr("Log records"), tr("Newest record")});
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->setSelectionMode(QAbstractItemView::SingleSelection);
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->verticalHeader()->setVisible(false);
    Table->horizontalHeader()->setStretchLastSection(true);

    auto buttons = new QDialogButtonBox(this);
    OpenBtn = buttons->addButton(tr("Open"), QDialogButtonBox::AcceptRole);
    OpenBtn->setObjectName(QStringLiteral("ArchiveOpen"));
    buttons->addButton(QDialogButtonBox::Close)->setObjectName(QStringLiteral("ArchiveClose"));

    auto layout = new QVBoxLayout(this);
    layout->addLayout(filterRow);
    layout->addWidget(Table, 1);
    layout->addWidget(buttons);

    connect(Filter, &QLineEdit::textChanged, this, &TArchiveWindow::Fill);
    connect(Table, &QTableWidget::itemSelectionChanged, this,
            [this] { OpenBtn->setEnabled(!Chosen().isEmpty()); });
    connect(Table, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString TArchiveWindow::Execute() {
    Filter->clear();
    Fill();
    return exec() == QDialog::Accepted ? Chosen() : QString();
}

void TArchiveWindow::Fill() {
    Entries = Archive.List(Filter->text());
    Table->clearContents();
    Table->setRowCount(int(Entries.size()));
    for (int row = 0; row < int(Entries.size()); ++row) {
        const TArchiveEntry& e = Entries[row];
        const QString cells[] = {TArchive::SerialText(e.SerialNumber), e.ConnectorName,
                                 DateTimeText(ToDateTime(e.ReadAt)), QString::number(e.LogCount),
                                 e.NewestRecord ? DateTimeText(e.NewestRecord) : QString()};
        for (int column = 0; column < 5; ++column) {
            auto item = new QTableWidgetItem(cells[column]);
            item->setToolTip(e.Path);
            Table->setItem(row, column, item);
        }
    }
    Table->resizeColumnsToContents();
    if (!Entries.isEmpty()) Table->selectRow(0);
    OpenBtn->setEnabled(!Chosen().isEmpty());
}

QString TArchiveWindow::Chosen() const {
    const int row = Table->currentRow();
    const auto selected = Table->selectionModel()->selectedRows();
    if (selected.isEmpty() || row < 0 || row >= int(Entries.size())) return {};
    return Entries[row].Path;
}
