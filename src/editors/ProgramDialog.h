#pragma once

#include "FieldEditor.h"
#include "R7200.h"

#include <QDialog>
#include <array>
#include <memory>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QLineEdit;

namespace Ui {
class TProgramDialog;
}

// The Program Start dialog: at once, after a delay, at a date and time, or by the weekly
// scheduler.
class TProgramDialog : public QDialog {
    Q_OBJECT

public:
    explicit TProgramDialog(QWidget* parent = nullptr);
    ~TProgramDialog() override;

    // Shows the record's start; the record as edited when closed by OK.
    std::optional<TR7200> Execute(const TR7200& record);

private:
    void ProgramModeClick();
    void FillScheduler();
    bool StoreScheduler();
    bool HasScheduledActivity() const;
    void BtnProgramNowClick();
    void BtnProgramOkClick();
    // One weekday's row: the boxes of weeks 1 to 4 and of the last week, and its time.
    struct TDayRow {
        std::array<QCheckBox*, 5> Weeks;
        QLineEdit* StartAt;
    };
    void ShowModePanel(int mode);

    std::unique_ptr<Ui::TProgramDialog> ui;
    QButtonGroup* Mode;
    std::array<TDayRow, 7> Days;
    TFieldEditor Editor;
    // The record shown; a mode chosen again shows its values.
    const TR7200* Shown = nullptr;
    TR7200 Working;
};
