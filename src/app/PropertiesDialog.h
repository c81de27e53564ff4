#pragma once

#include "Workplace.h"

#include <QDialog>
#include <memory>
#include <optional>

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

    // Shows the choices; the ones made on OK, nothing on Cancel.
    std::optional<TProperties> Execute(const TProperties& current);

private:
    std::unique_ptr<Ui::TPropertiesDialog> ui;
};
