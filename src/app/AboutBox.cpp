#include "AboutBox.h"

#include "Logo.h"
#include "ui_AboutBox.h"

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent), ui(new Ui::TAboutBox) {
    ui->setupUi(this);
    setFixedSize(298, 213);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    ui->Logo->setPixmap(TLogo::Pixmap(64));
    ui->Version->setText(
        QString::asprintf(qPrintable(tr("Version : %d.%02d")), MajorVersion, MinorVersion));
}

TAboutBox::~TAboutBox() = default;

void TAboutBox::showEvent(QShowEvent* event) {
    if (QWidget* owner = parentWidget()) move(owner->frameGeometry().center() - rect().center());
    QDialog::showEvent(event);
}
