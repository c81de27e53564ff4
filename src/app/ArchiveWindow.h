#pragma once

#include "Archive.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QTableWidget;

// The archived Connector images, newest first, narrowed by serial number.
class TArchiveWindow : public QDialog {
    Q_OBJECT

public:
    TArchiveWindow(const TArchive& archive, QWidget* parent = nullptr);

    // The file chosen to open; "" when the window was closed without one.
    QString Execute();

private:
    void Fill();
    QString Chosen() const;

    const TArchive& Archive;
    QList<TArchiveEntry> Entries;
    QLineEdit* Filter;
    QTableWidget* Table;
    QPushButton* OpenBtn;
};
