#pragma once

#include <QDialog>
#include <memory>

class TWorkplace;

namespace Ui {
class TPropertiesDialog;
}

// The choice of the user-interface language.
class TPropertiesDialog : public QDialog {
    Q_OBJECT

public:
    explicit TPropertiesDialog(QWidget* parent = nullptr);
    ~TPropertiesDialog() override;

    // Shows the workplace's language; on OK takes the chosen one into it and returns true.
    bool Execute(TWorkplace& workplace);

    std::unique_ptr<Ui::TPropertiesDialog> ui;
};
