#include "EventDialog.h"

#include "DialogFrame.h"
#include "R7200.h"
#include "TextFormats.h"
#include "ui_EventDialog.h"

#include <QButtonGroup>

TEventDialog::TEventDialog(QWidget* parent)
    : QDialog(parent), ui(new Ui::TEventDialog), EventMode(new QButtonGroup(this)),
      EventRun(new QButtonGroup(this)), Editor(this) {
    ui->setupUi(this);
    const QList<QRadioButton*> modes = {ui->RgEventMode0, ui->RgEventMode1, ui->RgEventMode2,
                                        ui->RgEventMode3, ui->RgEventMode4};
    for (int i = 0; i < modes.size(); ++i)
        EventMode->addButton(modes[i], i);
    EventRun->addButton(ui->RgEventRun0, RunOnEvent);
    EventRun->addButton(ui->RgEventRun1, StartByEvent);

    Editor.Bind(EventMode, TField::EventMode);
    Editor.Bind(EventRun, TField::EventRun);
    // The other controls name their fields in the form; each counts in the modes the program
    // model gives it.
    Editor.BindNamed(this);
    Steps = Editor.StoreOrder();

    connect(EventMode, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on) RgEventModeClick();
    });
    connect(ui->CbPreSampling, &QCheckBox::toggled, this, &TEventDialog::CbPreSamplingClick);
    connect(ui->CbDisableVar, &QCheckBox::clicked, this, &TEventDialog::CbPreSamplingClick);
    connect(ui->BtnEventOk, &QPushButton::clicked, this, &TEventDialog::BtnEventOkClick);
    connect(ui->BtnEventCancel, &QPushButton::clicked, this, &QDialog::reject);

    FixDialogSize(*this, EventTemperature + 1, [this](int mode) { ShowModePanels(mode); });
}

TEventDialog::~TEventDialog() = default;

std::optional<TR7200> TEventDialog::Execute(const TR7200& record) {
    Working = record;
    const TR7200& r = record;
    Editor.SetHints(r);
    ui->LowLimitUnitsLabel->setText(r.Analog2.Units);
    ui->HighLimitUnitsLabel->setText(r.Analog2.Units);
    // The unit the temperature texts are written in.
    const QString degrees = TemperatureUnitText(r.TemperatureUnits).trimmed();
    ui->LowTemperatureUnitsLabel->setText(degrees);
    ui->HighTemperatureUnitsLabel->setText(degrees);

    // Both limit pairs show the same two fields, whatever the mode.
    Editor.FillAll(r);
    SelectButton(EventMode, r.EventMode);
    SelectButton(EventRun, r.EventRun);
    RgEventModeClick();
    CbPreSamplingClick();
    if (!ExecuteCentred(*this)) return std::nullopt;
    return Working;
}

void TEventDialog::ShowModePanels(int mode) {
    ui->PanelEvent->setVisible(mode != EventDisabled);
    ui->PanelAnalogRange->setVisible(mode == EventAnalog);
    ui->PanelTemperatureRange->setVisible(mode == EventTemperature);
}

void TEventDialog::RgEventModeClick() {
    const int mode = EventMode->checkedId();
    if (mode >= EventDisabled && mode <= EventTemperature) ShowModePanels(mode);
}

void TEventDialog::CbPreSamplingClick() {
    const bool on = ui->CbPreSampling->isChecked();
    for (QWidget* w :
         {static_cast<QWidget*>(ui->LblPreInterval), static_cast<QWidget*>(ui->EdtPreInterval),
          static_cast<QWidget*>(ui->LblPreIntervalUnits), static_cast<QWidget*>(ui->LblPreSamples),
          static_cast<QWidget*>(ui->EdtPreSamples), static_cast<QWidget*>(ui->CbDisableVar)})
        w->setEnabled(on);
}

void TEventDialog::BtnEventOkClick() {
    if (Editor.Store(Steps, Working)) accept();
}
