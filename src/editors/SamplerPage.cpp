#include "SamplerPage.h"

#include "DocumentHost.h"
#include "PageTitle.h"
#include "R7200.h"
#include "ui_SamplerPage.h"

#include <QButtonGroup>

TSamplerPage::TSamplerPage(QWidget* parent)
    : QWidget(parent), ui(new Ui::TSamplerPage), LoggerMode(new QButtonGroup(this)),
      Editor(this, [this] {
          if (Host && Host->ActivePage() != TPage::Sampler) Host->ShowSamplerPage();
      }) {
    ui->setupUi(this);
    MakePageTitle(ui->TitleLabel);
    MakePanelTitlesBold(this);
    for (QComboBox* list : {ui->CbAnalog1Range, ui->CbAnalog2Range, ui->CbxTemperatureUnits})
        for (int i = 0; i < list->count(); ++i)
            list->setItemData(i, i);
    LoggerMode->addButton(ui->LomnarLoggerMode0, LoggerOff);
    LoggerMode->addButton(ui->LomnarLoggerMode1, LoggerOn);

    using F = TField;
    Editor.Bind(ui->LomnarPrePurge, F::PrePurge);
    Editor.Bind(ui->LomnarPostPurge, F::PostPurge);
    Editor.Bind(ui->LomnarPurgesCount, F::PurgesCount);
    Editor.Bind(ui->LomnarMaxSuctionTime, F::MaxSuctionTime);
    Editor.Bind(ui->LomnarAeration, F::Aeration);
    Editor.Bind(LoggerMode, F::LoggerMode);
    Editor.Bind(ui->LomnarEnableDigitalInputs, F::DoorStatusRecord);
    Editor.Bind(ui->LomnarLoggerPeriod, F::LoggerPeriod);
    Editor.Bind(ui->CbAnalog1Range, F::Analog1Range);
    Editor.Bind(ui->EdtAnalog1Min, F::Analog1Min);
    Editor.Bind(ui->EdtAnalog1Max, F::Analog1Max);
    Editor.Bind(ui->EdtAnalog1Units, F::Analog1Units);
    Editor.Bind(ui->CbAnalog2Range, F::Analog2Range);
    Editor.Bind(ui->EdtAnalog2Min, F::Analog2Min);
    Editor.Bind(ui->EdtAnalog2Max, F::Analog2Max);
    Editor.Bind(ui->EdtAnalog2Units, F::Analog2Units);
    Editor.Bind(ui->CbxTemperatureUnits, F::TemperatureUnits);

    AnalogSteps = {{ui->CbAnalog1Range},  {ui->EdtAnalog1Min},   {ui->EdtAnalog1Max},
                   {ui->EdtAnalog1Units}, {ui->CbAnalog2Range},  {ui->EdtAnalog2Min},
                   {ui->EdtAnalog2Max},   {ui->EdtAnalog2Units}, {ui->CbxTemperatureUnits}};
    // The logger period counts also while the logger is off; 1:5 is shown as 01:05 after.
    TimingSteps = {{ui->LomnarPrePurge},
                   {ui->LomnarPostPurge},
                   {ui->LomnarPurgesCount},
                   {ui->LomnarMaxSuctionTime},
                   {ui->LomnarAeration},
                   {LoggerMode},
                   {ui->LomnarEnableDigitalInputs},
                   {ui->LomnarLoggerPeriod, {}, {}, 0, true}};

    connect(LoggerMode, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on) LomnarLoggerModeClick();
    });
    for (QLineEdit* edit :
         {ui->LomnarPrePurge, ui->LomnarPostPurge, ui->LomnarAeration, ui->LomnarMaxSuctionTime,
          ui->LomnarPurgesCount, ui->LomnarLoggerPeriod, ui->EdtAnalog1Min, ui->EdtAnalog1Max,
          ui->EdtAnalog1Units, ui->EdtAnalog2Min, ui->EdtAnalog2Max, ui->EdtAnalog2Units})
        connect(edit, &QLineEdit::textEdited, this, &TSamplerPage::Modified);
    for (QComboBox* list : {ui->CbAnalog1Range, ui->CbAnalog2Range, ui->CbxTemperatureUnits})
        connect(list, &QComboBox::activated, this, &TSamplerPage::Modified);
    connect(ui->LomnarEnableDigitalInputs, &QCheckBox::clicked, this, &TSamplerPage::Modified);
}

TSamplerPage::~TSamplerPage() = default;

void TSamplerPage::Modified() {
    if (Host) Host->SetModified();
}

void TSamplerPage::Fill() {
    if (!Host) return;
    const TR7200& r = Host->Record();
    Editor.Fill({ui->LomnarPrePurge, ui->LomnarPostPurge, ui->LomnarPurgesCount,
                 ui->LomnarMaxSuctionTime, ui->LomnarAeration},
                r);
    // The sampler's report: an unsigned count, never edited.
    ui->LomnarPumpPulses->setText(QString::number(r.PumpPulses));
    (r.LoggerMode != LoggerOff ? ui->LomnarLoggerMode1 : ui->LomnarLoggerMode0)->setChecked(true);
    Editor.Fill({ui->LomnarEnableDigitalInputs, ui->LomnarLoggerPeriod, ui->CbAnalog1Range,
                 ui->CbAnalog2Range, ui->EdtAnalog1Min, ui->EdtAnalog1Max, ui->EdtAnalog1Units,
                 ui->EdtAnalog2Min, ui->EdtAnalog2Max, ui->EdtAnalog2Units,
                 ui->CbxTemperatureUnits},
                r);
}

bool TSamplerPage::StoreAnalogInputs() {
    if (!Host) return true;
    if (!Editor.Store(AnalogSteps, Host->Record())) return false;
    if (Host->ActivePage() == TPage::Sampler) emit AnalogScaleStored();
    return true;
}

bool TSamplerPage::StoreTiming() {
    return !Host || Editor.Store(TimingSteps, Host->Record());
}

void TSamplerPage::SetRangeHints() {
    for (QWidget* edit : {ui->LomnarPrePurge, ui->LomnarPostPurge, ui->LomnarAeration,
                          ui->LomnarMaxSuctionTime, ui->LomnarPurgesCount, ui->LomnarLoggerPeriod})
        Editor.SetHint(edit, Host->Record());
}

void TSamplerPage::LomnarLoggerModeClick() {
    const bool on = LoggerMode->checkedId() == LoggerOn;
    for (QWidget* w : {static_cast<QWidget*>(ui->LomnarLoggerPeriod),
                       static_cast<QWidget*>(ui->LomnarLoggerPeriodLabel),
                       static_cast<QWidget*>(ui->LomnarLoggerPeriodHhMmLabel)})
        w->setEnabled(on);
    Modified();
}

void TSamplerPage::UpdateDependentControls() {
    LomnarLoggerModeClick();
}
