#pragma once

#include "FieldEditor.h"

#include <QDialog>
#include <memory>
#include <vector>

class QButtonGroup;
class TDocumentHost;

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

    // Fills from the host's record and shows the dialog; true when it was closed by OK.
    bool Execute(TDocumentHost& host);

    void RgEventModeClick();
    void CbPreSamplingClick();
    void BtnEventOkClick();

private:
    void ShowModePanels(int mode);

    std::unique_ptr<Ui::TEventDialog> ui;
    QButtonGroup* EventMode;
    QButtonGroup* EventRun;
    TFieldEditor Editor;
    std::vector<TStoreStep> Steps;
    TDocumentHost* Host = nullptr;
};
