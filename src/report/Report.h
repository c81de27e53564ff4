#pragma once

#include "Archive.h"
#include "LogPlot.h"
#include "R7200.h"

#include <QByteArray>
#include <QDateTime>
#include <QFont>
#include <QLocale>
#include <QPageSize>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

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
    // The event log's pages, painted row by row: a text layout of a full log's table takes
    // longer than the preview may.
    struct TLogPages {
        QFont Font;
        QFont Bold;
        std::vector<double> Widths;
        double RowHeight = 0;
        double HeadHeight = 0; // the heading on the first page
        int RowsPerPage = 1;
        int FirstPageRows = 1;
        int Count = 0;
        std::vector<QStringList> Rows; // titles, units, then the records
    };

    void Build(QTextDocument& doc) const;
    TLogPages LayOutLog(const QPaintDevice& device, const QSizeF& body) const;
    void PaintLogPage(QPainter& painter, const TLogPages& log, int page, double width) const;

    TR7200 Record;
    TReportRequest Request;
    TLogPlotData Plot;
    bool PlotPage = false;
    std::unique_ptr<QTextDocument> Doc;
};

// The log plot as vector graphics into `area`: lanes of marks above, the analog lines below.
void PaintLogPlot(QPainter& painter, const QRectF& area, const TLogPlotData& plot,
                  const TR7200& record);
