#include "CompareWindow.h"
#include "ui_CompareWindow.h"

#include "Archive.h"
#include "ArchiveWindow.h"
#include "MessageBox.h"
#include "MsgTemplate.h"
#include "ProgramCompare.h"

#include <QHeaderView>
#include <QPushButton>
#include <set>

TCompareWindow::TCompareWindow(TSources sources, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TCompareWindow>()), Sources(std::move(sources)) {
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    ui->CompareTable->verticalHeader()->setVisible(false);
    ui->CompareTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    connect(ui->CompareFile, &QPushButton::clicked, this, &TCompareWindow::ChooseFile);
    connect(ui->CompareConnector, &QPushButton::clicked, this, &TCompareWindow::ChooseConnector);
    connect(ui->CompareArchive, &QPushButton::clicked, this, &TCompareWindow::ChooseArchive);
    connect(ui->CompareOnlyDifferences, &QCheckBox::toggled, this, &TCompareWindow::Fill);
    connect(ui->CompareButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

TCompareWindow::~TCompareWindow() = default;

void TCompareWindow::Execute(const TR7200& document) {
    SetDocument(document);
    exec();
}

void TCompareWindow::SetDocument(const TR7200& document) {
    Document = document;
    Other.reset();
    ui->CompareSource->setText(tr("Choose what to compare the document with."));
    Fill();
}

void TCompareWindow::CompareWith(const TR7200& other, const QString& source) {
    Other = other;
    ui->CompareSource->setText(source);
    Fill();
}

void TCompareWindow::ChooseFile() {
    if (const QString path = Sources.ChooseFile(); !path.isEmpty()) CompareWithFile(path);
}

void TCompareWindow::CompareWithFile(const QString& path) {
    TR7200 other;
    // An archived read keeps its bytes whatever they hold; only a whole program compares.
    if (!other.LoadFromFile(path)) {
        TMessageBox::Show(Msg(StatusMessage(other.Status)), Msg(MsgError), TMessageBox::Ok, this);
        return;
    }
    CompareWith(other, path);
}

void TCompareWindow::ChooseConnector() {
    if (const std::optional<TR7200> read = Sources.ReadConnector())
        CompareWith(*read, tr("Connector %1").arg(TArchive::SerialText(read->SerialNumber)));
}

void TCompareWindow::ChooseArchive() {
    TArchiveWindow choice(Sources.Archive, this);
    if (const QString path = choice.Execute(); !path.isEmpty()) CompareWithFile(path);
}

void TCompareWindow::Fill() {
    QTableWidget* table = ui->CompareTable;
    table->setRowCount(0);
    if (!Other) {
        ui->CompareSummary->clear();
        return;
    }
    const TProgramComparison comparison = CompareProgram(Document, *Other);
    std::set<const TProgramField*> differing;
    for (const TProgramDifference& d : comparison.Fields)
        differing.insert(d.Field);
    const bool onlyDifferences = ui->CompareOnlyDifferences->isChecked();
    for (const TProgramField& field : ProgramFields()) {
        const bool differs = differing.count(&field) != 0;
        // A field the sampler ignores in both programs tells nothing.
        if (!differs && (onlyDifferences || (!FieldCounts(*field.Rule, Document) &&
                                             !FieldCounts(*field.Rule, *Other))))
            continue;
        const int row = table->rowCount();
        table->insertRow(row);
        QString caption = FieldCaption(field);
        if (caption.endsWith(u':')) caption = caption.chopped(1).trimmed();
        const QString texts[] = {caption, DisplayText(field, Document),
                                 DisplayText(field, *Other)};
        for (int column = 0; column < 3; ++column) {
            auto item = new QTableWidgetItem(texts[column]);
            QFont font = item->font();
            font.setBold(differs);
            item->setFont(font);
            table->setItem(row, column, item);
        }
    }
    ui->CompareSummary->setText(comparison.Fields.empty()
                                    ? tr("The programs are equal.")
                                    : tr("%1 fields differ.").arg(comparison.Fields.size()));
}
