#pragma once

#include "FieldEditor.h"

#include <QDialog>
#include <array>
#include <memory>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class TDocumentHost;

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

    // Fills from the host's record and shows the dialog; true when it was closed by OK.
    bool Execute(TDocumentHost& host);

    void ProgramModeClick();
    void FillScheduler();
    bool StoreScheduler();
    bool HasScheduledActivity() const;
    void BtnProgramNowClick();
    void BtnProgramOkClick();

private:
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
    TDocumentHost* Host = nullptr;
};
