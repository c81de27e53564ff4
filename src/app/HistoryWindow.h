#pragma once

#include "History.h"
#include "LogExport.h"

#include <QDialog>
#include <memory>

class TLogPlotView;

namespace Ui {
class THistoryWindow;
}

// File, History: one Connector's merged log from every read, in the Log page's table and plot,
// exported as the log's CSV.
class THistoryWindow : public QDialog {
    Q_OBJECT

public:
    explicit THistoryWindow(THistory& history, QWidget* parent = nullptr);
    ~THistoryWindow() override;

    // Lists the Connectors again and shows the chosen one's log; false (and a message) when
    // the database cannot be used.
    bool Execute();
    // The file export as File, Export writes it; false when it cannot be written.
    bool ExportTo(const QString& path, TCsvEncoding encoding) const;
    const THistoryLog& Shown() const { return Log; }

private:
    void ShowChosen();
    void Export();

    std::unique_ptr<Ui::THistoryWindow> ui;
    THistory& History;
    TLogPlotView* Plot = nullptr; // null when the plot module cannot be loaded
    QList<THistorySite> Sites;
    THistoryLog Log;
};

// Every archived read goes into the history too; trouble with the database is told once a
// run and never stops the read.
void TellHistoryTrouble(QWidget* parent = nullptr);
