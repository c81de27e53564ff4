#include "PropertiesDialog.h"

#include "Workplace.h"
#include "ui_PropertiesDialog.h"

#include <QGuiApplication>
#include <QScreen>

TPropertiesDialog::TPropertiesDialog(QWidget* parent)
    : QDialog(parent), ui(new Ui::TPropertiesDialog) {
    ui->setupUi(this);
    setFixedSize(313, 163);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

TPropertiesDialog::~TPropertiesDialog() = default;

bool TPropertiesDialog::Execute(TWorkplace& workplace) {
    const int id = workplace.LanguageId;
    ui->PropertiesLanguage->setCurrentIndex(id >= 0 && id < ui->PropertiesLanguage->count() ? id
                                                                                            : -1);
    ui->PropertiesBackup->setChecked(workplace.BackupBeforeWrite);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    if (exec() != QDialog::Accepted) return false;
    workplace.LanguageId = ui->PropertiesLanguage->currentIndex();
    workplace.BackupBeforeWrite = ui->PropertiesBackup->isChecked();
    return true;
}
