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

    void Fill();
    // The analog inputs first, as the Status page's maxima are read in input 1's scale.
    bool StoreAnalogInputs();
    bool StoreTiming();
    void SetRangeHints();
    void UpdateDependentControls();

signals:
    // Input 1's scale was stored while this page was shown: the maxima elsewhere follow it.
    void AnalogScaleStored();

private:
    void LomnarLoggerModeClick();
    void Modified();

    std::unique_ptr<Ui::TSamplerPage> ui;
    TDocumentHost* Host = nullptr;
    QButtonGroup* LoggerMode;
    TFieldEditor Editor;
    std::vector<TStoreStep> AnalogSteps;
    std::vector<TStoreStep> TimingSteps;
};
