#include "Report.h"

#include "Archive.h"
#include "LogText.h"
#include "MsgTemplate.h"
#include "Plan.h"
#include "ReportFields.h"
#include "Version.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <algorithm>
#include <cmath>

namespace {

constexpr int PlanEventsShown = 20;

// Connector texts keep their line breaks as paragraphs; everything else stays literal.
QString PlainText(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

class TWriter {
public:
    explicit TWriter(QTextDocument& doc) : Cursor(&doc) {
        Body.setFontPointSize(9);
        Bold = Body;
        Bold.setFontWeight(QFont::Bold);
        Small.setFontPointSize(7);
        SmallBold = Small;
        SmallBold.setFontWeight(QFont::Bold);
    }

    void Title(const QString& text) {
        QTextCharFormat f = Bold;
        f.setFontPointSize(16);
        Block(text, f, 0);
    }
    void Heading(const QString& text) {
        QTextCharFormat f = Bold;
        f.setFontPointSize(12);
        Block(text, f, 12);
    }
    void Paragraph(const QString& text) { Block(text, Body, 3); }
    void SubHeading(const QString& text) { Block(text, Bold, 6); }

    // Columns of equal share unless widths (percent) are given.
    void Table(const QList<QStringList>& rows, int headerRows, bool small = false,
               const QList<qreal>& widths = {}) {
        if (rows.isEmpty()) return;
        const int columns = int(rows.constFirst().size());
        QTextTableFormat format;
        format.setHeaderRowCount(headerRows);
        format.setCellPadding(small ? 1.5 : 3);
        format.setCellSpacing(0);
        format.setBorder(0.5);
        format.setBorderCollapse(true);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        QList<QTextLength> constraints;
        for (const qreal w : widths)
            constraints << QTextLength(QTextLength::PercentageLength, w);
        if (!constraints.isEmpty()) format.setColumnWidthConstraints(constraints);
        Cursor.movePosition(QTextCursor::End);
        QTextTable* table = Cursor.insertTable(int(rows.size()), columns, format);
        for (qsizetype r = 0; r < rows.size(); ++r) {
            const QTextCharFormat& f =
                r < headerRows ? (small ? SmallBold : Bold) : (small ? Small : Body);
            for (int c = 0; c < columns; ++c) {
                Cursor.setBlockCharFormat(f); // an empty cell is as high as a full one
                if (c < rows[r].size()) Cursor.insertText(PlainText(rows[r][c]), f);
                Cursor.movePosition(QTextCursor::NextCell);
            }
        }
        Cursor = table->lastCursorPosition();
        Cursor.movePosition(QTextCursor::NextBlock);
    }

    void Html(const QString& html) {
        Cursor.movePosition(QTextCursor::End);
        Cursor.insertBlock();
        Cursor.insertHtml(html);
    }

private:
    void Block(const QString& text, const QTextCharFormat& format, qreal top) {
        Cursor.movePosition(QTextCursor::End);
        QTextBlockFormat block;
        block.setTopMargin(top);
        if (First)
            Cursor.setBlockFormat(block);
        else
            Cursor.insertBlock(block);
        First = false;
        Cursor.insertText(PlainText(text), format);
    }

    QTextCursor Cursor;
    QTextCharFormat Body, Bold, Small, SmallBold;
    bool First = true;
};

QString BottlesText(const TPlanEvent& e) {
    if (e.Bottle <= 0) return {};
    return e.Bottles > 1 ? QStringLiteral("%1-%2").arg(e.Bottle).arg(e.Bottle + e.Bottles - 1)
                         : QString::number(e.Bottle);
}

void WritePlan(TWriter& w, const TR7200& record, int days) {
    TPlanRequest request;
    request.Days = days;
    const TPlan plan = MakePlan(record, request);
    w.Heading(QCoreApplication::translate("TReport", "Plan"));
    if (plan.Refusal != TPlanRefusal::None) {
        w.Paragraph(plan.RefusalText);
        return;
    }
    w.Paragraph(plan.Summary.join(u' '));
    for (const QString& a : plan.Assumptions)
        w.Paragraph(a);
    for (const QString& warning : plan.Warnings)
        w.Paragraph(QStringLiteral("⚠ ") + warning);
    if (plan.Events.empty()) return;
    w.SubHeading(QCoreApplication::translate("TReport", "First events of the plan"));
    QList<QStringList> rows{
        {Msg(MsgTime), QCoreApplication::translate("TReport", "Connector clock"),
         QCoreApplication::translate("TReport", "Event"), Msg(MsgBottle), Msg(MsgSample)}};
    const size_t shown = std::min(plan.Events.size(), size_t(PlanEventsShown));
    for (size_t i = 0; i < shown; ++i) {
        const TPlanEvent& e = plan.Events[i];
        rows.append({PlanMomentText(e.Local), PlanConnectorIsoText(e.Connector).replace(u'T', u' '),
                     PlanKindText(e.Kind), BottlesText(e),
                     e.Sample > 0 ? QString::number(e.Sample) : QString()});
    }
    w.Table(rows, 1, false, {28, 24, 24, 12, 12});
}

void WriteFields(TWriter& w, const TR7200& record) {
    w.Heading(QCoreApplication::translate("TReport", "Program"));
    QString page;
    QList<QStringList> rows;
    const auto flush = [&] {
        if (!rows.isEmpty()) w.Table(rows, 0, false, {45, 55});
        rows.clear();
    };
    for (const TReportField& f : ReportFields(record)) {
        if (f.Page != page) {
            flush();
            page = f.Page;
            w.SubHeading(page);
        }
        rows.append({f.Caption, f.Text});
    }
    flush();
}

void WriteChanges(TWriter& w, const TR7200& record, const std::optional<TReportBaseline>& base) {
    w.Heading(QCoreApplication::translate("TReport", "Changes"));
    if (!base) {
        w.Paragraph(QCoreApplication::translate("TReport",
                                                "No earlier read of this Connector is archived."));
        return;
    }
    const QString when = QLocale().toString(base->ReadAt, QLocale::ShortFormat);
    const QList<TReportChange> changes = ReportChanges(base->Record, record);
    if (changes.isEmpty()) {
        w.Paragraph(QCoreApplication::translate("TReport", "No field differs from the read of %1.")
                        .arg(when));
        return;
    }
    w.Paragraph(QCoreApplication::translate("TReport", "Against the read of %1:").arg(when));
    QList<QStringList> rows{{QCoreApplication::translate("TReport", "Field"),
                             QCoreApplication::translate("TReport", "Before"),
                             QCoreApplication::translate("TReport", "Now")}};
    for (const TReportChange& c : changes)
        rows.append({c.Page + QStringLiteral(": ") + c.Caption, c.Before, c.Now});
    w.Table(rows, 1, false, {44, 28, 28});
}

void WriteLog(TWriter& w, const TR7200& record) {
    w.Heading(QCoreApplication::translate("TReport", "Event log"));
    if (record.LogCount == 0) {
        w.Paragraph(QCoreApplication::translate("TReport", "The event log holds no records."));
        return;
    }
    // The table itself is painted on pages of its own, after the text.
}

void WriteSignature(TWriter& w) {
    w.Heading(QCoreApplication::translate("TReport", "Notes and signature"));
    const QString line(40, u'_');
    w.Table({{QCoreApplication::translate("TReport", "Site"), QString()},
             {QCoreApplication::translate("TReport", "Technician"), QString()},
             {QCoreApplication::translate("TReport", "Date"), QString()},
             {QCoreApplication::translate("TReport", "Notes"), QStringLiteral("\n\n\n\n")},
             {QCoreApplication::translate("TReport", "Signature"), QStringLiteral("\n\n")}},
            0, false, {25, 75});
}

// Maps Connector seconds and values into the plot's rectangle.
struct TScale {
    QRectF Area;
    TLogRange X, Y;
    double Px(double x) const {
        const double span = X.Max - X.Min;
        return Area.left() + (span > 0 ? (x - X.Min) / span : 0.5) * Area.width();
    }
    double Py(double y) const {
        const double span = Y.Max - Y.Min;
        return Area.bottom() - (span > 0 ? (y - Y.Min) / span : 0.5) * Area.height();
    }
};

const char* const LaneNames[LogLaneCount] = {"Samples",     "Bottles",  "Events",
                                             "Program",     "Door",     "Power",
                                             "Calibration", "Repaired", "Unknown"};
const QColor LaneColors[LogLaneCount] = {"#1f77b4", "#2ca02c", "#ff7f0e", "#9467bd", "#8c564b",
                                         "#d62728", "#17becf", "#7f7f7f", "#bcbd22"};

QString WithUnits(const QString& title, const QString& units) {
    const QString unit = units.trimmed();
    return unit.isEmpty() ? title : title + QStringLiteral(" [") + unit + u']';
}

QString Number(double value) {
    return QLocale().toString(value, 'g', 4);
}

} // namespace

std::optional<TReportBaseline> NewestArchivedRead(const TArchive& archive, const TR7200& record,
                                                  const QString& except) {
    for (const TArchiveEntry& e : archive.List(TArchive::SerialText(record.SerialNumber))) {
        if (e.SerialNumber != record.SerialNumber || e.Path == except) continue;
        TReportBaseline base;
        if (!base.Record.LoadFromFile(e.Path)) continue;
        base.ReadAt = e.ReadAt;
        return base;
    }
    return std::nullopt;
}

QPageSize::PageSizeId ReportPageSize(const QLocale& locale) {
    return locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                   : QPageSize::A4;
}

TReport::TReport(const TR7200& record, const TReportRequest& request)
    : Record(record), Request(request) {
    if (Request.Log) Plot = BuildLogPlot(Record);
    PlotPage = Request.Log && Record.LogCount > 0;
}

void TReport::Build(QTextDocument& doc) const {
    const TR7200& record = Record;
    const TReportRequest& request = Request;
    TWriter w(doc);
    w.Title(QCoreApplication::translate("TReport", "Connector Report"));
    const QString name =
        record.ConnectorName.isEmpty() ? QStringLiteral("-") : record.ConnectorName;
    w.Table({{QCoreApplication::translate("TReport", "Name"), name},
             {QCoreApplication::translate("TReport", "Serial number"),
              TArchive::SerialText(record.SerialNumber)},
             {QCoreApplication::translate("TReport", "Source"),
              request.Source.isEmpty() ? QCoreApplication::translate("TReport", "Connector")
                                       : request.Source},
             {QCoreApplication::translate("TReport", "Report made"),
              QLocale().toString(request.At, QLocale::ShortFormat)},
             {QCoreApplication::translate("TReport", "Program version"),
              QStringLiteral("Limnaset " LIMNASET_VERSION)}},
            0, false, {30, 70});
    if (!record.ConnectorComment.isEmpty()) w.Paragraph(record.ConnectorComment);
    WritePlan(w, record, request.PlanDays);
    WriteFields(w, record);
    WriteChanges(w, record, request.Baseline);
    if (request.Log) WriteLog(w, record);
    WriteSignature(w);
}

TReport::~TReport() = default;

TReport::TLogPages TReport::LayOutLog(const QPaintDevice& device, const QSizeF& body) const {
    TLogPages log;
    if (!Request.Log || Record.LogCount == 0) return log;
    log.Rows.push_back(LogTableTitles(TranslatedLogTitles()));
    log.Rows.push_back(LogTableUnits(Record));
    for (int i = 0; i < Record.LogCount; ++i)
        log.Rows.push_back(LogTableRow(Record, i));
    const double point = device.logicalDpiY() / 72.0;
    const double gap = 6 * point;
    // Every text whole: a page too narrow for the widest row takes a smaller font.
    for (double size = 7; size >= 4; size -= 0.5) {
        log.Font = Doc->defaultFont();
        log.Font.setPointSizeF(size);
        log.Bold = log.Font;
        log.Bold.setBold(true);
        const QFontMetricsF plain(log.Font, &device), bold(log.Bold, &device);
        log.Widths.assign(log.Rows.front().size(), 0.0);
        for (size_t r = 0; r < log.Rows.size(); ++r)
            for (qsizetype c = 0; c < log.Rows[r].size() && c < qsizetype(log.Widths.size()); ++c)
                log.Widths[size_t(c)] =
                    std::max(log.Widths[size_t(c)],
                             (r < 2 ? bold : plain).horizontalAdvance(log.Rows[r][c]) + gap);
        log.RowHeight = plain.height() * 1.3;
        double total = 0;
        for (double w : log.Widths)
            total += w;
        if (total <= body.width()) break;
    }
    log.HeadHeight = 24 * point;
    const double rows = (body.height() - 2 * log.RowHeight) / log.RowHeight;
    log.RowsPerPage = std::max(1, int(rows));
    // The first page also holds the heading.
    log.FirstPageRows = std::max(1, int(rows - log.HeadHeight / log.RowHeight));
    const int rest = std::max(0, Record.LogCount - log.FirstPageRows);
    log.Count = 1 + (rest + log.RowsPerPage - 1) / log.RowsPerPage;
    return log;
}

void TReport::PaintLogPage(QPainter& painter, const TLogPages& log, int page, double width) const {
    painter.setPen(Qt::black);
    double y = 0;
    int from = 0, to = 0;
    const int first = log.FirstPageRows;
    if (page == 0) {
        QFont heading = Doc->defaultFont();
        heading.setPointSizeF(12);
        heading.setBold(true);
        painter.setFont(heading);
        painter.drawText(QRectF(0, 0, width, log.HeadHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         QCoreApplication::translate("TReport", "Event log"));
        y = log.HeadHeight;
        to = std::min(first, Record.LogCount);
    } else {
        from = first + (page - 1) * log.RowsPerPage;
        to = std::min(from + log.RowsPerPage, Record.LogCount);
    }
    const auto line = [&](const QStringList& cells) {
        double x = 0;
        for (qsizetype c = 0; c < cells.size() && c < qsizetype(log.Widths.size()); ++c) {
            painter.drawText(QRectF(x, y, log.Widths[size_t(c)], log.RowHeight),
                             Qt::AlignLeft | Qt::AlignVCenter, cells[c]);
            x += log.Widths[size_t(c)];
        }
        y += log.RowHeight;
    };
    // Title and units rows come again on every page.
    painter.setFont(log.Bold);
    line(log.Rows[0]);
    line(log.Rows[1]);
    painter.drawLine(QPointF(0, y), QPointF(width, y));
    painter.setFont(log.Font);
    for (int i = from; i < to; ++i)
        line(log.Rows[size_t(i) + 2]);
}

int TReport::Paint(QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) return 0;
    const double point = device.logicalDpiY() / 72.0;
    const double footer = 16 * point;
    const QSizeF body(device.width(), device.height() - footer);
    // Filled only once it knows its device and page: each of them lays out all it holds.
    Doc = std::make_unique<QTextDocument>();
    Doc->documentLayout()->setPaintDevice(&device);
    Doc->setPageSize(body);
    Build(*Doc);
    const int textPages = Doc->pageCount();
    const TLogPages log = LayOutLog(device, body);
    const int pages = textPages + log.Count + (PlotPage ? 1 : 0);
    QFont footerFont = Doc->defaultFont();
    footerFont.setPointSizeF(8);
    for (int p = 0; p < pages; ++p) {
        if (p > 0) device.newPage();
        if (p < textPages) {
            painter.save();
            painter.translate(0, -p * body.height());
            QAbstractTextDocumentLayout::PaintContext context;
            context.clip = QRectF(0, p * body.height(), body.width(), body.height());
            Doc->documentLayout()->draw(&painter, context);
            painter.restore();
        } else if (p < textPages + log.Count) {
            PaintLogPage(painter, log, p - textPages, body.width());
        } else {
            QFont heading = Doc->defaultFont();
            heading.setPointSizeF(12);
            heading.setBold(true);
            painter.setFont(heading);
            painter.setPen(Qt::black);
            const QRectF title(0, 0, body.width(), 24 * point);
            painter.drawText(title, Qt::AlignLeft | Qt::AlignVCenter,
                             QCoreApplication::translate("TReport", "Log plot"));
            PaintLogPlot(painter, QRectF(0, title.bottom(), body.width(), body.height() * 0.6),
                         Plot, Record);
        }
        painter.setFont(footerFont);
        painter.setPen(Qt::black);
        painter.drawText(
            QRectF(0, body.height(), body.width(), footer), Qt::AlignRight | Qt::AlignBottom,
            QCoreApplication::translate("TReport", "Page %1 of %2").arg(p + 1).arg(pages));
    }
    painter.end();
    return pages;
}

QByteArray TReport::Pdf() {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return {};
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(ReportPageSize()));
        writer.setPageMargins(QMarginsF(15, 15, 15, 12), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setTitle(QCoreApplication::translate("TReport", "Connector Report"));
        writer.setCreator(QStringLiteral("Limnaset " LIMNASET_VERSION));
        if (Paint(writer) == 0) return {};
    }
    return bytes;
}

void PaintLogPlot(QPainter& painter, const QRectF& area, const TLogPlotData& plot,
                  const TR7200& record) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double point = painter.device()->logicalDpiY() / 72.0;
    QFont font = painter.font();
    font.setPointSizeF(7);
    font.setBold(false);
    painter.setFont(font);
    const double left = area.left() + 70 * point;
    const double width = area.right() - left;
    const double axis = 14 * point; // the time labels under the panels
    const double gap = 6 * point;
    const double lanes = (area.height() - axis) * 0.4;
    const double panel = ((area.height() - axis) - lanes - 3 * gap) / 3;
    const QRectF laneArea(left, area.top(), width, lanes);
    const QPen frame(Qt::black, 0.5 * point);
    const QPen grid(QColor(0xcc, 0xcc, 0xcc), 0.3 * point);

    // Lanes: one row of marks each, the first on top.
    const double row = lanes / LogLaneCount;
    TScale scale{laneArea, plot.Time, {0, 1}};
    for (int lane = 0; lane < LogLaneCount; ++lane) {
        const double y = laneArea.top() + (lane + 0.5) * row;
        painter.setPen(Qt::black);
        painter.drawText(QRectF(area.left(), y - row / 2, left - area.left() - 4 * point, row),
                         Qt::AlignRight | Qt::AlignVCenter,
                         QCoreApplication::translate("TLogChart", LaneNames[lane]));
        painter.setPen(grid);
        painter.drawLine(QPointF(left, y), QPointF(area.right(), y));
        painter.setPen(QPen(LaneColors[lane], 0.6 * point));
        for (const TLogMark& mark : plot.Marks[size_t(lane)]) {
            const double x = scale.Px(mark.Time);
            painter.drawLine(QPointF(x, y - row * 0.35), QPointF(x, y + row * 0.35));
        }
    }
    painter.setPen(frame);
    painter.drawRect(laneArea);

    // Analog panels: VAR, AUX, then both temperatures.
    struct TPanel {
        QString Title;
        TLogRange Range;
        QList<TLogLine> Lines;
    };
    const QString degrees =
        record.TemperatureUnits == UnitsFahrenheit ? QStringLiteral("F") : QStringLiteral("°C");
    const TPanel panels[] = {
        {WithUnits(Msg(MsgVAR), record.Analog1.Units), plot.Var, {LineVar}},
        {WithUnits(Msg(MsgAux), record.Analog2.Units), plot.Aux, {LineAux}},
        {WithUnits(QCoreApplication::translate("TLogChart", "Temperature"), degrees),
         plot.Temperature,
         {LineBoxTemperature, LineSampleTemperature}}};
    const QColor lineColors[LogLineCount] = {"#1f77b4", "#ff7f0e", "#2ca02c", "#d62728"};
    double top = laneArea.bottom() + gap;
    for (const TPanel& p : panels) {
        const QRectF box(left, top, width, panel);
        const TScale s{box, plot.Time, p.Range};
        painter.setPen(Qt::black);
        painter.drawText(QRectF(area.left(), box.top(), left - area.left() - 4 * point, panel),
                         Qt::AlignRight | Qt::AlignVCenter | Qt::TextWordWrap, p.Title);
        painter.drawText(QRectF(box.left() + 2 * point, box.top(), width, 10 * point),
                         Qt::AlignLeft | Qt::AlignTop, Number(p.Range.Max));
        painter.drawText(
            QRectF(box.left() + 2 * point, box.bottom() - 10 * point, width, 10 * point),
            Qt::AlignLeft | Qt::AlignBottom, Number(p.Range.Min));
        for (const TLogLine line : p.Lines) {
            painter.setPen(QPen(lineColors[line], 0.6 * point));
            for (const QList<QPointF>& run : plot.Lines[size_t(line)]) {
                QPolygonF polygon;
                polygon.reserve(run.size());
                for (const QPointF& v : run)
                    polygon << QPointF(s.Px(v.x()), s.Py(v.y()));
                if (polygon.size() == 1)
                    painter.drawPoint(polygon.constFirst());
                else
                    painter.drawPolyline(polygon);
            }
        }
        painter.setPen(frame);
        painter.drawRect(box);
        top = box.bottom() + gap;
    }

    // The time axis under all panels, with its grid through them.
    const double bottom = top - gap;
    for (const TLogTimeTick& tick : LogTimeTicks(plot.Time.Min, plot.Time.Max, 6)) {
        const double x = scale.Px(tick.Time);
        painter.setPen(grid);
        painter.drawLine(QPointF(x, laneArea.top()), QPointF(x, bottom));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(x - 40 * point, bottom + point, 80 * point, axis * 2),
                         Qt::AlignHCenter | Qt::AlignTop, tick.Text);
    }
    painter.restore();
}
