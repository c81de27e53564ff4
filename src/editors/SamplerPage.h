#pragma once

#include "FieldEditor.h"

#include <QWidget>
#include <memory>
#include <vector>

class QButtonGroup;
class TDocumentHost;

namespace Ui {
class TSamplerPage;
}

// The Sampler page: the sampler's timing, the analog input scales, the logger and the
// temperature units, edited as a working copy of the record.
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
    void Modified();

    std::unique_ptr<Ui::TSamplerPage> ui;
    TDocumentHost* Host = nullptr;
    QButtonGroup* LoggerMode;
    TFieldEditor Editor;
    std::vector<TStoreStep> AnalogSteps;
    std::vector<TStoreStep> TimingSteps;
};
