#include "LogTable.h"

#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace {
const QList<int> DesignedWidths = {42, 119, 135, 67, 75, 74, 78, 77, 81};
} // namespace

QList<int> FitColumnWidths(const QList<int>& designed, const QList<int>& needed, int available) {
    QList<int> wanted(designed.size());
    for (int c = 0; c < designed.size(); ++c)
        wanted[c] = std::max(designed[c], needed[c]);
    const int wantedSum = std::accumulate(wanted.begin(), wanted.end(), 0);
    const int neededSum = std::accumulate(needed.begin(), needed.end(), 0);
    if (wantedSum <= available || neededSum >= available)
        return wantedSum <= available ? wanted : needed;
    const int slack = wantedSum - neededSum;
    const int room = available - neededSum;
    QList<int> widths(designed.size());
    int given = 0;
    for (int c = 0; c < designed.size(); ++c) {
        // Cumulative rounding, so that the widths add up to the room exactly.
        const int spare = wanted[c] - needed[c];
        const int share =
            int((qint64(given + spare) * room) / slack - (qint64(given) * room) / slack);
        given += spare;
        widths[c] = needed[c] + share;
    }
    return widths;
}

TLogTable::TLogTable(QWidget* parent) : QTableWidget(parent) {
    setColumnCount(int(DesignedWidths.size()));
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    QHeaderView* header = horizontalHeader();
    header->show();
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setMinimumSectionSize(8);
    Needed = DesignedWidths;
    for (int c = 0; c < columnCount(); ++c) {
        Needed[c] = 0;
        setColumnWidth(c, DesignedWidths[c]);
    }
}

void TLogTable::Fill(const QStringList& titles, const QStringList& units,
                     const QList<QStringList>& rows) {
    setUpdatesEnabled(false);
    clearContents();
    setRowCount(int(rows.size()) + TitleRows);
    // Text is laid out at fractional widths: a pixel short of the rounded-up width elides it.
    const QFontMetricsF metrics(font());
    // The style's text margin on both sides and the grid line.
    const int margin =
        2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 1;
    QList<int> textWidths(columnCount(), 0);
    auto putRow = [&](int row, const QStringList& texts, bool fixed) {
        for (int c = 0; c < texts.size() && c < columnCount(); ++c) {
            auto item = new QTableWidgetItem(texts[c]);
            if (fixed) item->setFlags(Qt::ItemIsEnabled);
            setItem(row, c, item);
            if (!texts[c].isEmpty())
                textWidths[c] =
                    std::max(textWidths[c], int(std::ceil(metrics.horizontalAdvance(texts[c]))));
        }
    };
    putRow(0, titles, true);
    putRow(1, units, true);
    for (int i = 0; i < rows.size(); ++i)
        putRow(i + TitleRows, rows[i], false);
    QStringList labels;
    for (int c = 0; c < columnCount(); ++c)
        labels << titles.value(c) + u'\n' + units.value(c);
    setHorizontalHeaderLabels(labels);
    for (int r = 0; r < TitleRows; ++r)
        setRowHidden(r, true);
    for (int c = 0; c < columnCount(); ++c)
        Needed[c] = std::max(textWidths[c] + margin, horizontalHeader()->sectionSizeHint(c));
    FitColumns();
    setUpdatesEnabled(true);
}

QList<int> TLogTable::SelectedRecords() const {
    QList<int> records;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        if (index.row() >= TitleRows) records << index.row() - TitleRows;
    std::sort(records.begin(), records.end());
    return records;
}

void TLogTable::SelectRecord(int i) {
    selectRow(i + TitleRows);
    scrollTo(model()->index(i + TitleRows, 0));
}

void TLogTable::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    FitColumns();
}

void TLogTable::FitColumns() {
    const QList<int> widths = FitColumnWidths(DesignedWidths, Needed, viewport()->width());
    for (int c = 0; c < columnCount(); ++c)
        setColumnWidth(c, widths[c]);
}
