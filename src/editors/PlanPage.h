#pragma once

#include "Plan.h"

#include <QWidget>
#include <memory>

class TDocumentHost;
class TPlanPlotView;
class TPlanTableModel;

namespace Ui {
class TPlanPage;
}

// The Plan page: what the program will do and when, as sentences, warnings, a timeline with
// the bottles as lanes, and the table of events. It is built when first shown.
class TPlanPage : public QWidget {
    Q_OBJECT

public:
    explicit TPlanPage(QWidget* parent = nullptr);
    ~TPlanPage() override;

    void SetHost(TDocumentHost* host) { Host = host; }
    // Plans the host's record again: a week from now.
    void Refresh();
    const TPlan& Plan() const { return Current; }
    // CSV, or a calendar by the name's suffix ".ics"; false when the file cannot be written.
    bool Export(const QString& path) const;

private:
    std::unique_ptr<Ui::TPlanPage> ui;
    TDocumentHost* Host = nullptr;
    TPlan Current;
    TPlanTableModel* Model = nullptr;
    TPlanPlotView* Timeline = nullptr; // null when the plot module cannot be loaded
};
