#include "StatusPage.h"

#include "DocumentHost.h"
#include "PageTitle.h"
#include "R7200.h"
#include "ui_StatusPage.h"

TStatusPage::TStatusPage(QWidget* parent) : QWidget(parent), ui(new Ui::TStatusPage) {
    ui->setupUi(this);
    MakePageTitle(ui->TitleLabel);
    QFont bold = ui->ProgramStartTitle->font();
    bold.setBold(true);
    ui->ProgramStartTitle->setFont(bold);
    ui->EventControlTitle->setFont(bold);
    connect(ui->BtnSetClock, &QPushButton::clicked, this, &TStatusPage::SetClockClicked);
    connect(ui->BtnConnectorData, &QPushButton::clicked, this, &TStatusPage::ConnectorDataClicked);
    connect(ui->BtnProgramStart, &QPushButton::clicked, this, &TStatusPage::ProgramStartClicked);
    connect(ui->BtnEventControl, &QPushButton::clicked, this, &TStatusPage::EventControlClicked);
}

TStatusPage::~TStatusPage() = default;

void TStatusPage::FillStatusPage() {
    if (!Host) return;
    ui->LblConnectorName->setText(Host->Record().ConnectorName);
}

bool TStatusPage::StoreStatusPage() {
    return true;
}

void TStatusPage::FillVarMaximum() {}

void TStatusPage::FillFlowMaximum() {}

void TStatusPage::SetRangeHints() {
    SetVarHints();
    SetFlowHints();
}

void TStatusPage::SetVarHints() {}

void TStatusPage::SetFlowHints() {}

void TStatusPage::CbxSamplerModeChange() {}

void TStatusPage::CbxCapacityChange() {}

void TStatusPage::CbEnableBottlesLimitClick() {}

void TStatusPage::CbEnableVarClick() {}

void TStatusPage::CbEnableExternalVarClick() {}

void TStatusPage::CbRateEnableMaximumIntervalClick() {}

void TStatusPage::CbPulsesEnableMaximumIntervalClick() {}

void TStatusPage::RgBottleChangeByClick() {}

void TStatusPage::UpdateDependentControls() {
    CbxSamplerModeChange();
    CbxCapacityChange();
    CbEnableBottlesLimitClick();
    CbEnableVarClick();
    CbEnableExternalVarClick();
    CbRateEnableMaximumIntervalClick();
    CbPulsesEnableMaximumIntervalClick();
    RgBottleChangeByClick();
}

void TStatusPage::ShowPcClock(const QString& text) {
    ui->LblPCClock->setText(text);
}

void TStatusPage::ShowConnectorClock(const QString& text) {
    ui->LblClock->setText(text);
}

void TStatusPage::EnableConnectorCommands(bool on) {
    ui->BtnSetClock->setEnabled(on);
}
