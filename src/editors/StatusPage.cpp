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
