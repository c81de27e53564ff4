#include "StatusPage.h"

#include "ConnectorCalendar.h"
#include "DocumentHost.h"
#include "MsgTemplate.h"
#include "PageTitle.h"
#include "R7200.h"
#include "TextFormats.h"
#include "ui_StatusPage.h"

#include <QButtonGroup>

namespace {

// The VAR settings have a panel in each of their modes; each panel counts in its own.
TStoreStep::TCondition InMode(int mode) {
    return [mode](const TR7200& r) { return r.SamplerMode == mode; };
}

bool FlowMode(const TR7200& r) {
    return FieldCounts(FieldRule(TField::BottleChangeBy), r);
}

std::span<const TFieldItem> Capacities() {
    return FieldRule(TField::Capacity).Items;
}

TStoreStep::TCondition Checked(QAbstractButton* box) {
    return [box](const TR7200&) { return box->isChecked(); };
}

void EnableAll(std::initializer_list<QWidget*> widgets, bool on) {
    for (QWidget* w : widgets)
        w->setEnabled(on);
}

} // namespace

TStatusPage::TStatusPage(QWidget* parent)
    : QWidget(parent), ui(new Ui::TStatusPage), ChangeBy(new QButtonGroup(this)),
      Editor(this, [this] {
          if (Host) Host->ShowStatusPage();
      }) {
    ui->setupUi(this);
    MakePageTitle(ui->TitleLabel);
    MakePanelTitlesBold(this);
    for (int mode = 0; mode < ui->CbxSamplerMode->count(); ++mode)
        ui->CbxSamplerMode->setItemData(mode, mode);
    for (int i = 0; i < ui->CbxCapacity->count() && i < int(Capacities().size()); ++i)
        ui->CbxCapacity->setItemData(i, Capacities()[size_t(i)].Value);
    ChangeBy->addButton(ui->RgBottleChangeBy0, ChangeBySamplesCount);
    ChangeBy->addButton(ui->RgBottleChangeBy1, ChangeByTimeInterval);

    using F = TField;
    Editor.Bind(ui->CbxSamplerMode, F::SamplerMode);
    Editor.Bind(ui->CbxCapacity, F::Capacity);
    Editor.Bind(ui->EdtBottlesLimit, F::BottlesLimit);
    Editor.Bind(ui->EdtBottlesPerGroup, F::BottlesPerGroup);
    Editor.Bind(ui->EdtSamplesPerBottle, F::SamplesPerBottle);
    Editor.Bind(ui->CbEnableExternalVar, F::EnableVar);
    Editor.Bind(ui->EdtExternalVarMaximum, F::VarMaximum);
    Editor.Bind(ui->EdtSamplingPeriod, F::SamplingPeriod);
    Editor.Bind(ui->CbEnableVar, F::EnableVar);
    Editor.Bind(ui->EdtVarMaximum, F::VarMaximum);
    Editor.Bind(ui->EdtPulsesPerSample, F::PulsesPerSample);
    Editor.Bind(ui->EdtPulsesMaximumInterval, F::MaximumInterval);
    Editor.Bind(ui->EdtFlowMaximum, F::FlowMaximum);
    Editor.Bind(ui->EdtSamplesRate, F::SamplesRate);
    Editor.Bind(ui->EdtRateMaximumInterval, F::MaximumInterval);
    Editor.Bind(ChangeBy, F::BottleChangeBy);
    Editor.Bind(ui->EdtChangeInterval, F::ChangeInterval);

    // Each field counts in the modes the program model gives it; the boxes switch their edit
    // to the field's unset value.
    Steps = {
        {ui->CbxSamplerMode},
        {ui->CbxCapacity},
        {ui->EdtBottlesLimit, {}, Checked(ui->CbEnableBottlesLimit), NoBottlesLimit},
        {ui->EdtBottlesPerGroup},
        {ui->EdtSamplesPerBottle},
        {ui->CbEnableExternalVar, InMode(SamplerExternalControl)},
        {ui->EdtExternalVarMaximum, InMode(SamplerExternalControl)},
        {ui->EdtSamplingPeriod},
        {ui->CbEnableVar, InMode(SamplerPeriodical)},
        {ui->EdtVarMaximum, InMode(SamplerPeriodical)},
        {ui->EdtPulsesPerSample},
        {ui->EdtPulsesMaximumInterval, InMode(SamplerFlowPulses),
         Checked(ui->CbPulsesEnableMaximumInterval), NoMaximumInterval},
        {ui->EdtFlowMaximum},
        {ui->EdtSamplesRate},
        {ui->EdtRateMaximumInterval, InMode(SamplerFlowRate),
         Checked(ui->CbRateEnableMaximumInterval), NoMaximumInterval},
        {ChangeBy},
        {ui->EdtChangeInterval},
    };

    connect(ui->BtnSetClock, &QPushButton::clicked, this, &TStatusPage::SetClockClicked);
    connect(ui->BtnConnectorData, &QPushButton::clicked, this, &TStatusPage::ConnectorDataClicked);
    connect(ui->BtnProgramStart, &QPushButton::clicked, this, &TStatusPage::ProgramStartClicked);
    connect(ui->BtnEventControl, &QPushButton::clicked, this, &TStatusPage::EventControlClicked);

    connect(ui->CbxSamplerMode, &QComboBox::activated, this, &TStatusPage::CbxSamplerModeChange);
    connect(ui->CbxCapacity, &QComboBox::activated, this, &TStatusPage::CbxCapacityChange);
    // A box set from code runs its handler as a click does.
    connect(ui->CbEnableBottlesLimit, &QCheckBox::toggled, this,
            &TStatusPage::CbEnableBottlesLimitClick);
    connect(ui->CbEnableVar, &QCheckBox::toggled, this, &TStatusPage::CbEnableVarClick);
    connect(ui->CbEnableExternalVar, &QCheckBox::toggled, this,
            &TStatusPage::CbEnableExternalVarClick);
    connect(ui->CbRateEnableMaximumInterval, &QCheckBox::toggled, this,
            &TStatusPage::CbRateEnableMaximumIntervalClick);
    connect(ui->CbPulsesEnableMaximumInterval, &QCheckBox::toggled, this,
            &TStatusPage::CbPulsesEnableMaximumIntervalClick);
    connect(ChangeBy, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on) RgBottleChangeByClick();
    });
    for (QLineEdit* edit :
         {ui->EdtExternalVarMaximum, ui->EdtFlowMaximum, ui->EdtSamplesRate,
          ui->EdtRateMaximumInterval, ui->EdtPulsesPerSample, ui->EdtPulsesMaximumInterval,
          ui->EdtSamplingPeriod, ui->EdtVarMaximum, ui->EdtBottlesLimit, ui->EdtSamplesPerBottle,
          ui->EdtBottlesPerGroup, ui->EdtChangeInterval})
        connect(edit, &QLineEdit::textEdited, this, &TStatusPage::Modified);
}

TStatusPage::~TStatusPage() = default;

void TStatusPage::Modified() {
    if (Host) Host->SetModified();
}

void TStatusPage::Fill() {
    if (!Host) return;
    const TR7200& r = Host->Record();
    ui->LblConnectorName->setText(r.ConnectorName);
    switch (r.ProgramMode) {
    case ProgramImmediately:
        ui->LblProgramStart->setText(Msg(MsgImmediately));
        break;
    case ProgramAfterDelay:
        ui->LblProgramStart->setText(Msg(MsgAfter) + ' ' + FormatHhMm(int(r.ProgramStartDelay)));
        break;
    case ProgramAtTime:
        ui->LblProgramStart->setText(Msg(MsgAt) + ' ' + DateShortTimeText(r.ProgramStartTime));
        break;
    case ProgramByScheduler:
        ui->LblProgramStart->setText(Msg(MsgByScheduler));
        break;
    default:
        break;
    }
    ui->LblEventMode->setText(r.EventMode == EventDisabled ? Msg(MsgNoEvent)
                              : r.EventRun == RunOnEvent   ? Msg(MsgRunOnEvent)
                                                           : Msg(MsgStartByEvent));
    const TMsgId inputs[] = {MsgNone, MsgDigital, MsgAnalog, MsgLevel, MsgTemperature};
    if (r.EventMode < std::size(inputs)) ui->LblEventInput->setText(Msg(inputs[r.EventMode]));

    Editor.Fill({ui->CbxSamplerMode, ui->CbxCapacity}, r);
    if (r.BottlesLimit == NoBottlesLimit) {
        ui->CbEnableBottlesLimit->setChecked(false);
        ui->EdtBottlesLimit->clear();
    } else {
        // The box first: its handler proposes a text that the record's value replaces.
        ui->CbEnableBottlesLimit->setChecked(true);
        Editor.Fill(ui->EdtBottlesLimit, r);
    }
    Editor.Fill({ui->EdtBottlesPerGroup, ui->EdtSamplesPerBottle}, r);
    switch (r.SamplerMode) {
    case SamplerPeriodical:
        Editor.Fill({ui->EdtSamplingPeriod, ui->CbEnableVar}, r);
        FillVarMaximum();
        break;
    case SamplerExternalControl:
        Editor.Fill(ui->CbEnableExternalVar, r);
        FillVarMaximum();
        break;
    case SamplerFlowRate:
        FillFlowMaximum();
        Editor.Fill(ui->EdtSamplesRate, r);
        FillMaximumInterval(ui->CbRateEnableMaximumInterval, ui->EdtRateMaximumInterval);
        break;
    case SamplerFlowPulses:
        Editor.Fill(ui->EdtPulsesPerSample, r);
        FillMaximumInterval(ui->CbPulsesEnableMaximumInterval, ui->EdtPulsesMaximumInterval);
        break;
    default:
        break;
    }
    if (FlowMode(r)) Editor.Fill({ChangeBy, ui->EdtChangeInterval}, r);
}

void TStatusPage::FillMaximumInterval(QAbstractButton* box, QLineEdit* edit) {
    const TR7200& r = Host->Record();
    box->setChecked(r.MaximumInterval != NoMaximumInterval);
    if (r.MaximumInterval != NoMaximumInterval)
        Editor.Fill(edit, r);
    else
        edit->clear();
}

// A ticked box with an empty edit would be refused at the next store: the record's interval,
// or the shortest one allowed, is proposed.
void TStatusPage::ProposeMaximumInterval(QAbstractButton* box, QLineEdit* edit) {
    if (!Host || !box->isChecked() || !edit->text().isEmpty()) return;
    TR7200 proposal = Host->Record();
    if (proposal.MaximumInterval == 0)
        proposal.MaximumInterval = uint32_t(FieldRule(TField::MaximumInterval).Min);
    Editor.Fill(edit, proposal);
}

bool TStatusPage::Store() {
    return !Host || Editor.Store(Steps, Host->Record());
}

void TStatusPage::ShowAnalogScale() {
    FillVarMaximum();
    FillFlowMaximum();
    SetVarHints();
    SetFlowHints();
}

void TStatusPage::FillVarMaximum() {
    const TR7200& r = Host->Record();
    if (r.SamplerMode == SamplerPeriodical) {
        Editor.Fill(ui->EdtVarMaximum, r);
        ui->VarUnitsLabel->setText(r.Analog1.Units);
    } else if (r.SamplerMode == SamplerExternalControl) {
        Editor.Fill(ui->EdtExternalVarMaximum, r);
        ui->ExternalVarUnitsLabel->setText(r.Analog1.Units);
    }
}

void TStatusPage::FillFlowMaximum() {
    const TR7200& r = Host->Record();
    if (r.SamplerMode != SamplerFlowRate) return;
    Editor.Fill(ui->EdtFlowMaximum, r);
    ui->FlowMaximumUnitsLabel->setText(r.Analog1.Units);
}

void TStatusPage::SetRangeHints() {
    const TR7200& r = Host->Record();
    for (QWidget* edit :
         {ui->EdtBottlesLimit, ui->EdtBottlesPerGroup, ui->EdtSamplesPerBottle,
          ui->EdtSamplingPeriod, ui->EdtPulsesPerSample, ui->EdtPulsesMaximumInterval,
          ui->EdtSamplesRate, ui->EdtRateMaximumInterval, ui->EdtChangeInterval})
        Editor.SetHint(edit, r);
    SetVarHints();
    SetFlowHints();
}

void TStatusPage::SetVarHints() {
    Editor.SetHint(ui->EdtVarMaximum, Host->Record());
    Editor.SetHint(ui->EdtExternalVarMaximum, Host->Record());
}

void TStatusPage::SetFlowHints() {
    Editor.SetHint(ui->EdtFlowMaximum, Host->Record());
}

int TStatusPage::SelectedCapacity() const {
    const int i = ui->CbxCapacity->currentIndex();
    return i >= 1 && i < int(Capacities().size()) ? Capacities()[size_t(i)].Value : AutoCapacity;
}

void TStatusPage::ShowModePanels(int mode) {
    if (mode < SamplerExternalControl || mode > SamplerFlowRate) return;
    const bool external = mode == SamplerExternalControl;
    const bool flow = mode == SamplerFlowPulses || mode == SamplerFlowRate;
    ui->PanelStart->setVisible(!external);
    ui->PanelBottles->setVisible(!external);
    ui->PanelBottlesChange->setVisible(flow);
    ui->PanelPeriodicalSampling->setVisible(mode == SamplerPeriodical);
    ui->PanelFlowPulses->setVisible(mode == SamplerFlowPulses);
    ui->PanelFlowRate->setVisible(mode == SamplerFlowRate);
    ui->PanelEventControl->setVisible(!external);
    ui->PanelExternalVar->setVisible(external);
}

void TStatusPage::CbxSamplerModeChange() {
    if (!Host) return;
    TR7200& r = Host->Record();
    // The new mode is taken only once the pages are stored under the old one.
    const int picked = ui->CbxSamplerMode->currentIndex();
    Editor.Fill(ui->CbxSamplerMode, r);
    // After a load the panels show the record's mode, even when one of its values is refused.
    const bool same = picked == ui->CbxSamplerMode->currentIndex();
    if (same) ShowModePanels(picked);
    if (!Host->StorePages()) return;
    // The record's own mode again (after a load, say): the pages show what was just stored.
    if (same) {
        Modified();
        return;
    }
    ui->CbxSamplerMode->setCurrentIndex(picked);
    if (picked >= 0) r.SamplerMode = uint8_t(ui->CbxSamplerMode->itemData(picked).toInt());
    Modified();
    ShowModePanels(picked);
    Host->RefreshControls();
}

void TStatusPage::CbxCapacityChange() {
    Modified();
    const bool automatic = ui->CbxCapacity->currentIndex() == 0;
    if (automatic) {
        ui->CbEnableBottlesLimit->setChecked(false);
        ui->EdtBottlesPerGroup->setText(QStringLiteral("1"));
    }
    CbEnableBottlesLimitClick();
    EnableAll({ui->CbEnableBottlesLimit, ui->EdtBottlesPerGroup, ui->BottlesPerGroupLabel},
              !automatic);
}

void TStatusPage::CbEnableBottlesLimitClick() {
    Modified();
    const bool on = ui->CbEnableBottlesLimit->isChecked();
    ui->EdtBottlesLimit->clear();
    const int capacity = SelectedCapacity();
    if (on && capacity != AutoCapacity && Host) {
        // The proposal comes from the record, not from what the edit held.
        const int limit = Host->Record().BottlesLimit;
        ui->EdtBottlesLimit->setText(
            QString::number(limit != NoBottlesLimit && limit <= capacity ? limit : capacity));
    }
    EnableAll({ui->BottlesLimitLabel, ui->EdtBottlesLimit}, on);
}

void TStatusPage::CbEnableVarClick() {
    Modified();
    EnableAll({ui->VarMaximumLabel, ui->EdtVarMaximum, ui->VarUnitsLabel},
              ui->CbEnableVar->isChecked());
}

void TStatusPage::CbEnableExternalVarClick() {
    Modified();
    EnableAll({ui->ExternalVarMaximumLabel, ui->EdtExternalVarMaximum, ui->ExternalVarUnitsLabel},
              ui->CbEnableExternalVar->isChecked());
}

void TStatusPage::CbRateEnableMaximumIntervalClick() {
    Modified();
    ProposeMaximumInterval(ui->CbRateEnableMaximumInterval, ui->EdtRateMaximumInterval);
    EnableAll({ui->RateMaximumIntervalLabel, ui->EdtRateMaximumInterval,
               ui->RateMaximumIntervalHhMmLabel},
              ui->CbRateEnableMaximumInterval->isChecked());
}

void TStatusPage::CbPulsesEnableMaximumIntervalClick() {
    Modified();
    ProposeMaximumInterval(ui->CbPulsesEnableMaximumInterval, ui->EdtPulsesMaximumInterval);
    EnableAll({ui->PulsesMaximumIntervalLabel, ui->EdtPulsesMaximumInterval,
               ui->PulsesMaximumIntervalHhMmLabel},
              ui->CbPulsesEnableMaximumInterval->isChecked());
}

void TStatusPage::RgBottleChangeByClick() {
    Modified();
    const int by = ChangeBy->checkedId();
    if (by != ChangeBySamplesCount && by != ChangeByTimeInterval) return;
    EnableAll({ui->ChangeIntervalLabel, ui->EdtChangeInterval, ui->ChangeIntervalHhMmLabel},
              by == ChangeByTimeInterval);
}

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
