#pragma once

#include "LogText.h"

#include <QWidget>
#include <memory>

class TDocumentHost;

namespace Ui {
class TLogPage;
}

// The Log page: the record's event log as a read-only grid.
class TLogPage : public QWidget {
    Q_OBJECT

public:
    explicit TLogPage(QWidget* parent = nullptr);
    ~TLogPage() override;

    void SetHost(TDocumentHost* host) { Host = host; }

    void FillLogTable();
    // Column titles of the grid and the export, in the language of the message texts.
    static TLogTitles Titles();

    std::unique_ptr<Ui::TLogPage> ui;

private:
    TDocumentHost* Host = nullptr;
};
