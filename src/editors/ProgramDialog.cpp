#include "ProgramDialog.h"

#include "ConnectorCalendar.h"
#include "DialogFrame.h"
#include "MessageBox.h"
#include "MsgTemplate.h"
#include "R7200.h"
#include "ui_ProgramDialog.h"

#include <QButtonGroup>

namespace {

// The Weeks bits of the boxes "1st" to "4th" and "Last", the bits of WeekMask.
constexpr int WeekBits[] = {0, 1, 2, 3, 5};
static_assert((1 | 2 | 4 | 8 | 32) == WeekMask);

} // namespace

TProgramDialog::TProgramDialog(QWidget* parent)
    : QDialog(parent), ui(new Ui::TProgramDialog), Mode(new QButtonGroup(this)), Editor(this) {
    ui->setupUi(this);
    const QList<QRadioButton*> modes = {ui->ProgramMode0, ui->ProgramMode1, ui->ProgramMode2,
                                        ui->ProgramMode3};
    for (int i = 0; i < modes.size(); ++i)
        Mode->addButton(modes[i], i);

    Editor.Bind(Mode, TField::ProgramMode);
    Editor.Bind(ui->EdtProgramStartDelay, TField::ProgramStartDelay);
    Editor.Bind(ui->EdtProgramStartAt, TField::ProgramStartTime);
    const char* const dayNames[] = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                    "Friday", "Saturday", "Sunday"};
    const char* const weekNames[] = {"1", "2", "3", "4", "Last"};
    for (int d = 0; d < int(Days.size()); ++d) {
        const QString day = QLatin1String(dayNames[d]);
        for (int w = 0; w < int(std::size(weekNames)); ++w)
            Days[d].Weeks[w] = findChild<QCheckBox*>("Cb" + day + QLatin1String(weekNames[w]));
        Days[d].StartAt = findChild<QLineEdit*>("Edt" + day + "At");
        Editor.Bind(Days[d].StartAt, TField::ScheduleStartAt, d);
    }

    connect(Mode, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on) ProgramModeClick();
    });
    connect(ui->BtnProgramNow, &QPushButton::clicked, this, &TProgramDialog::BtnProgramNowClick);
    connect(ui->BtnProgramOk, &QPushButton::clicked, this, &TProgramDialog::BtnProgramOkClick);
    connect(ui->BtnProgramCancel, &QPushButton::clicked, this, &QDialog::reject);

    // The three panels share one place: only the chosen mode's panel is shown.
    FixDialogSize(*this, ProgramByScheduler + 1, [this](int mode) { ShowModePanel(mode); });
}

TProgramDialog::~TProgramDialog() = default;

std::optional<TR7200> TProgramDialog::Execute(const TR7200& record) {
    Working = record;
    Shown = &record;
    const TR7200& r = record;
    Editor.SetHint(ui->EdtProgramStartDelay, r);
    // The earliest start moves with the clock.
    Editor.SetHint(ui->EdtProgramStartAt, r);
    for (const TDayRow& day : Days)
        Editor.SetHint(day.StartAt, r);
    SelectButton(Mode, r.ProgramMode);
    ProgramModeClick();
    FillScheduler();
    const bool accepted = ExecuteCentred(*this);
    Shown = nullptr;
    if (!accepted) return std::nullopt;
    return Working;
}

void TProgramDialog::ShowModePanel(int mode) {
    const std::pair<QWidget*, int> panels[] = {{ui->PanelProgramStartDelay, ProgramAfterDelay},
                                               {ui->PanelProgramStartAt, ProgramAtTime},
                                               {ui->PanelProgramScheduler, ProgramByScheduler}};
    for (const auto& [panel, own] : panels) {
        panel->setVisible(mode == own);
        panel->setEnabled(mode == own);
    }
}

void TProgramDialog::ProgramModeClick() {
    const int mode = Mode->checkedId();
    if (mode < ProgramImmediately || mode > ProgramByScheduler) return;
    ShowModePanel(mode);
    // Coming back to a mode discards what was typed into its edit.
    if (!Shown) return;
    if (mode == ProgramAfterDelay) Editor.Fill(ui->EdtProgramStartDelay, *Shown);
    if (mode == ProgramAtTime) Editor.Fill(ui->EdtProgramStartAt, *Shown);
}

void TProgramDialog::FillScheduler() {
    const TR7200& r = *Shown;
    for (int d = 0; d < int(Days.size()); ++d) {
        Editor.Fill(Days[d].StartAt, r);
        for (int w = 0; w < int(std::size(WeekBits)); ++w)
            Days[d].Weeks[w]->setChecked(r.Schedule[d].Weeks & (1 << WeekBits[w]));
    }
}

bool TProgramDialog::StoreScheduler() {
    TR7200& r = Working;
    for (int d = 0; d < int(Days.size()); ++d) {
        if (!Editor.Store(Days[d].StartAt, r)) return false;
        int weeks = 0;
        for (int w = 0; w < int(std::size(WeekBits)); ++w)
            if (Days[d].Weeks[w]->isChecked()) weeks |= 1 << WeekBits[w];
        SetFieldValue(TField::ScheduleWeeks, r, weeks, d);
    }
    return true;
}

bool TProgramDialog::HasScheduledActivity() const {
    for (const TScheduleEntry& day : Working.Schedule)
        if (day.Weeks != 0) return true;
    return false;
}

void TProgramDialog::BtnProgramNowClick() {
    ui->EdtProgramStartAt->setText(DateShortTimeText(TClock::Now()));
}

void TProgramDialog::BtnProgramOkClick() {
    TR7200& r = Working;
    // Only the chosen mode's own settings count; the earliest start is taken now.
    if (!Editor.Store({{Mode}, {ui->EdtProgramStartDelay}, {ui->EdtProgramStartAt}}, r)) return;
    if (FieldCounts(FieldRule(TField::ScheduleStartAt), r)) {
        if (!StoreScheduler()) return;
        if (!HasScheduledActivity()) {
            TMessageBox::Show(Msg(MsgNoScheduledActivity), Msg(MsgError), TMessageBox::Ok, this);
            return;
        }
    }
    accept();
}
