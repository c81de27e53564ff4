#pragma once

#include "Archive.h"
#include "LogPlot.h"
#include "R7200.h"

#include <QByteArray>
#include <QDateTime>
#include <QLocale>
#include <QPageSize>
#include <QString>
#include <memory>
#include <optional>

class QPagedPaintDevice;
class QPainter;
class QTextDocument;

// An earlier read of the same Connector that the report names the changes against.
struct TReportBaseline {
    TR7200 Record;
    QDateTime ReadAt;
};

struct TReportRequest {
    QString Source; // the file's path; empty for the Connector
    bool Log = false;
    int PlanDays = 7;
    QDateTime At = QDateTime::currentDateTime();
    std::optional<TReportBaseline> Baseline{};
};

// The newest read of the record's Connector in the archive, skipping the file `except`.
std::optional<TReportBaseline> NewestArchivedRead(const TArchive& archive, const TR7200& record,
                                                  const QString& except = {});

// A4, or Letter where the locale measures in US units.
QPageSize::PageSizeId ReportPageSize(const QLocale& locale = QLocale());

// The printed report of one Connector in the program's language: its texts, the plan,
// every field, the changes, the event log and its plot, and a block for notes and signature.
class TReport {
public:
    TReport(const TR7200& record, const TReportRequest& request);
    ~TReport();
    TReport(const TReport&) = delete;
    TReport& operator=(const TReport&) = delete;

    // Lays the document out for the device and paints every page, the log plot last, each
    // with its page number; the number of pages, 0 when the device cannot be painted on.
    int Paint(QPagedPaintDevice& device);
    // The whole report as PDF; empty when it cannot be made.
    QByteArray Pdf();

private:
    void Build(QTextDocument& doc) const;

    TR7200 Record;
    TReportRequest Request;
    TLogPlotData Plot;
    bool PlotPage = false;
    std::unique_ptr<QTextDocument> Doc;
};

// The log plot as vector graphics into `area`: lanes of marks above, the analog lines below.
void PaintLogPlot(QPainter& painter, const QRectF& area, const TLogPlotData& plot,
                  const TR7200& record);
