#pragma once

#include "FieldEditor.h"

#include <QDialog>
#include <memory>

class TDocumentHost;

namespace Ui {
class TConnectorDialog;
}

// The Connector data dialog: the serial number, and the name and comment the user edits.
class TConnectorDialog : public QDialog {
    Q_OBJECT

public:
    explicit TConnectorDialog(QWidget* parent = nullptr);
    ~TConnectorDialog() override;

    // Fills from the host's record and shows the dialog; on OK stores the name and the
    // comment and returns true.
    bool Execute(TDocumentHost& host);

private:
    void LimitComment();
    void BtnConnectorOkClick();

    std::unique_ptr<Ui::TConnectorDialog> ui;
    TFieldEditor Editor;
    TDocumentHost* Host = nullptr;
};
