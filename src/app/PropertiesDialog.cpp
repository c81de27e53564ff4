#include "PropertiesDialog.h"

#include "Workplace.h"
#include "ui_PropertiesDialog.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <iterator>

TPropertiesDialog::TPropertiesDialog(QWidget* parent)
    : QDialog(parent), ui(new Ui::TPropertiesDialog) {
    ui->setupUi(this);
    setFixedSize(313, 245);
    // Empty: the file beside the archive.
    ui->PropertiesDatabase->setPlaceholderText(QStringLiteral("postgresql://user@host/database"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    // The list's entries in their order: 0 follows the language.
    const int pages[] = {0, 1250, 1251, 1252, 1257};
    for (int i = 0; i < int(std::size(pages)) && i < ui->PropertiesCodePage->count(); ++i)
        ui->PropertiesCodePage->setItemData(i, pages[i]);
}

TPropertiesDialog::~TPropertiesDialog() = default;

std::optional<TProperties> TPropertiesDialog::Execute(const TProperties& current) {
    const int id = current.LanguageId;
    ui->PropertiesLanguage->setCurrentIndex(id >= 0 && id < ui->PropertiesLanguage->count() ? id
                                                                                            : -1);
    ui->PropertiesBackup->setChecked(current.BackupBeforeWrite);
    ui->PropertiesDatabase->setText(current.HistoryDatabase);
    ui->PropertiesCodePage->setCurrentIndex(
        std::max(0, ui->PropertiesCodePage->findData(current.CodePageChoice)));
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    if (exec() != QDialog::Accepted) return std::nullopt;
    return TProperties{ui->PropertiesLanguage->currentIndex(), ui->PropertiesBackup->isChecked(),
                       ui->PropertiesCodePage->currentData().toInt(),
                       ui->PropertiesDatabase->text().trimmed()};
}
