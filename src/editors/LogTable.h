#pragma once

#include <QList>
#include <QStringList>
#include <QTableWidget>

// Column widths for the available width: each column gets at least what its texts need and
// at most its designed width (or its need, when that is more). When the designed widths do
// not fit, the room above the needs is shared in proportion to what each column gives up.
QList<int> FitColumnWidths(const QList<int>& designed, const QList<int>& needed, int available);

// The log grid: rows 0 and 1 hold the column titles and units and are shown in the header,
// so they stay in view while the records scroll; record i is row i + 2.
class TLogTable : public QTableWidget {
    Q_OBJECT

public:
    static constexpr int TitleRows = 2;

    explicit TLogTable(QWidget* parent = nullptr);

    void Fill(const QStringList& titles, const QStringList& units, const QList<QStringList>& rows);
    // Indexes of the selected records, oldest first.
    QList<int> SelectedRecords() const;
    void SelectRecord(int i);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void FitColumns();

    QList<int> Needed;
};
