#pragma once

#include "FieldEditor.h"
#include "R7200.h"

#include <QDialog>
#include <memory>
#include <optional>
#include <vector>

class QButtonGroup;

namespace Ui {
class TEventDialog;
}

// The Event control dialog: which input signals an event, how the sampler reacts to it,
// pre-sampling and the limits of an analog or temperature event.
class TEventDialog : public QDialog {
    Q_OBJECT

public:
    explicit TEventDialog(QWidget* parent = nullptr);
    ~TEventDialog() override;

    // Shows the record's event settings; the record as edited when closed by OK.
    std::optional<TR7200> Execute(const TR7200& record);

private:
    void RgEventModeClick();
    void CbPreSamplingClick();
    void BtnEventOkClick();
    void ShowModePanels(int mode);

    std::unique_ptr<Ui::TEventDialog> ui;
    QButtonGroup* EventMode;
    QButtonGroup* EventRun;
    TFieldEditor Editor;
    std::vector<TStoreStep> Steps;
    TR7200 Working;
};
