#include "SamplerPage.h"

#include "DocumentHost.h"
#include "PageTitle.h"
#include "ui_SamplerPage.h"

TSamplerPage::TSamplerPage(QWidget* parent) : QWidget(parent), ui(new Ui::TSamplerPage) {
    ui->setupUi(this);
    MakePageTitle(ui->TitleLabel);
}

TSamplerPage::~TSamplerPage() = default;

void TSamplerPage::FillSamplerPage() {}

bool TSamplerPage::StoreAnalogInputs() {
    return true;
}

bool TSamplerPage::StoreSamplerTiming() {
    return true;
}

void TSamplerPage::SetRangeHints() {}

void TSamplerPage::LomnarLoggerModeClick() {}

void TSamplerPage::UpdateDependentControls() {
    LomnarLoggerModeClick();
}
