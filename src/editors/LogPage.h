#pragma once

#include "LogText.h"

#include <QWidget>
#include <memory>

class TDocumentHost;
class QLabel;
class TLogPlotView;

namespace Ui {
class TLogPage;
}

// The Log page: the record's event log as a read-only grid, or as a plot.
class TLogPage : public QWidget {
    Q_OBJECT

public:
    explicit TLogPage(QWidget* parent = nullptr);
    ~TLogPage() override;

    void SetHost(TDocumentHost* host) { Host = host; }

    // Fills the grid and draws the plot.
    void Fill();
    // Column titles of the grid and the export, in the language of the message texts.
    static TLogTitles Titles();
    void FocusTable();
    void ShowPlot(bool plot);
    // PNG, or SVG by the name's suffix; false when the file cannot be written.
    bool SavePlot(const QString& path);
    // Why there is no plot: the plot module cannot be loaded. Empty while there is one.
    QString PlotLoadError() const;
    void CopySelection();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The plot is built when the page is first shown or saved, not with the window.
    // Null, and a message in its place, when the plot module cannot be loaded.
    TLogPlotView* EnsurePlot();

    std::unique_ptr<Ui::TLogPage> ui;
    TLogPlotView* Plot = nullptr;
    QLabel* PlotError = nullptr;
    TDocumentHost* Host = nullptr;
};
