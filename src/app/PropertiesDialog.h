#pragma once

#include <QDialog>
#include <memory>

class TWorkplace;

namespace Ui {
class TPropertiesDialog;
}

// The choice of the user-interface language, the Connector text code page and the backup
// before a write.
class TPropertiesDialog : public QDialog {
    Q_OBJECT

public:
    explicit TPropertiesDialog(QWidget* parent = nullptr);
    ~TPropertiesDialog() override;

    // Shows the workplace's choices; on OK takes them into it and returns true.
    bool Execute(TWorkplace& workplace);

private:
    std::unique_ptr<Ui::TPropertiesDialog> ui;
};
