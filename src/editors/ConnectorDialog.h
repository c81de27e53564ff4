#pragma once

#include "FieldEditor.h"
#include "R7200.h"

#include <QDialog>
#include <memory>
#include <optional>

namespace Ui {
class TConnectorDialog;
}

// The Connector data dialog: the serial number, and the name and comment the user edits.
class TConnectorDialog : public QDialog {
    Q_OBJECT

public:
    explicit TConnectorDialog(QWidget* parent = nullptr);
    ~TConnectorDialog() override;

    // Shows the record's serial number, name and comment; the record with the edited name
    // and comment when closed by OK.
    std::optional<TR7200> Execute(const TR7200& record);

private:
    void LimitComment();
    void BtnConnectorOkClick();

    std::unique_ptr<Ui::TConnectorDialog> ui;
    TFieldEditor Editor;
    TR7200 Working;
};
