#pragma once

#include <QWidget>
#include <memory>

class TDocumentHost;

namespace Ui {
class TStatusPage;
}

// The Status page: the sampler mode and its settings, the connector panel and the
// summaries of the dialog settings. It edits a working copy: Fill copies the record in,
// Store validates and copies it back.
// The page has no program editors yet: its fill and store steps leave the record as it
// is, so every command already runs them in their final order.
class TStatusPage : public QWidget {
    Q_OBJECT

public:
    explicit TStatusPage(QWidget* parent = nullptr);
    ~TStatusPage() override;

    void SetHost(TDocumentHost* host) { Host = host; }

    void FillStatusPage();
    bool StoreStatusPage();
    void FillVarMaximum();
    void FillFlowMaximum();
    void SetRangeHints();
    void SetVarHints();
    void SetFlowHints();

    void CbxSamplerModeChange();
    void CbxCapacityChange();
    void CbEnableBottlesLimitClick();
    void CbEnableVarClick();
    void CbEnableExternalVarClick();
    void CbRateEnableMaximumIntervalClick();
    void CbPulsesEnableMaximumIntervalClick();
    void RgBottleChangeByClick();
    // Runs the handlers above in their order, so shown and enabled controls match the
    // record after a fill.
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
    std::unique_ptr<Ui::TStatusPage> ui;
    TDocumentHost* Host = nullptr;
};
