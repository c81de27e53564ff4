#pragma once

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

    std::unique_ptr<Ui::TLogPage> ui;

private:
    TDocumentHost* Host = nullptr;
};
