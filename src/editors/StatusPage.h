#pragma once

#include "FieldEditor.h"

#include <QWidget>
#include <memory>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QLineEdit;
class TDocumentHost;

namespace Ui {
class TStatusPage;
}

// The Status page: the sampler mode and its settings, the connector panel and the
// summaries of the dialog settings. It edits a working copy: Fill copies the record in,
// Store validates and copies it back.
class TStatusPage : public QWidget {
    Q_OBJECT

public:
    explicit TStatusPage(QWidget* parent = nullptr);
    ~TStatusPage() override;

    void SetHost(TDocumentHost* host) { Host = host; }

    void Fill();
    bool Store();
    void SetRangeHints();
    // The maxima in analog input 1's units, and their ranges, shown again for a new scale;
    // they keep their raw values.
    void ShowAnalogScale();
    // Runs the handlers in their order, so shown and enabled controls match the record
    // after a fill.
    void UpdateDependentControls();

    // The connector panel, driven by the status monitor.
    void ShowPcClock(const QString& text);
    void ShowConnectorClock(const QString& text);
    void EnableConnectorCommands(bool on);

signals:
    void SetClockClicked();
    void ConnectorDataClicked();
    void ProgramStartClicked();
    void EventControlClicked();

private:
    void FillVarMaximum();
    void FillFlowMaximum();
    void SetVarHints();
    void SetFlowHints();
    // The Capacity of the chosen distributor item; AutoCapacity for "Auto" or no item.
    int SelectedCapacity() const;
    void CbxSamplerModeChange();
    void CbxCapacityChange();
    void CbEnableBottlesLimitClick();
    void CbEnableVarClick();
    void CbEnableExternalVarClick();
    void CbRateEnableMaximumIntervalClick();
    void CbPulsesEnableMaximumIntervalClick();
    void RgBottleChangeByClick();
    void ShowModePanels(int mode);
    void Modified();
    void FillMaximumInterval(QAbstractButton* box, QLineEdit* edit);
    void ProposeMaximumInterval(QAbstractButton* box, QLineEdit* edit);

    std::unique_ptr<Ui::TStatusPage> ui;
    TDocumentHost* Host = nullptr;
    QButtonGroup* ChangeBy;
    TFieldEditor Editor;
    std::vector<TStoreStep> Steps;
};
