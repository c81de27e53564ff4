#pragma once

#include <QWidget>
#include <memory>

class TDocumentHost;

namespace Ui {
class TSamplerPage;
}

// The Sampler page: the sampler's timing, the analog input scales, the logger and the
// temperature units, edited as a working copy of the record.
// The page has no program editors yet: its fill and store steps leave the record as it
// is, so every command already runs them in their final order.
class TSamplerPage : public QWidget {
    Q_OBJECT

public:
    explicit TSamplerPage(QWidget* parent = nullptr);
    ~TSamplerPage() override;

    void SetHost(TDocumentHost* host) { Host = host; }

    void FillSamplerPage();
    bool StoreAnalogInputs();
    bool StoreSamplerTiming();
    void SetRangeHints();
    void LomnarLoggerModeClick();
    void UpdateDependentControls();

private:
    std::unique_ptr<Ui::TSamplerPage> ui;
    TDocumentHost* Host = nullptr;
};
