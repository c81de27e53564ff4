#include "ConnectorDialog.h"

#include "DialogFrame.h"
#include "R7200.h"
#include "ui_ConnectorDialog.h"

#include <QSignalBlocker>
#include <algorithm>

TConnectorDialog::TConnectorDialog(QWidget* parent)
    : QDialog(parent), ui(new Ui::TConnectorDialog), Editor(this) {
    ui->setupUi(this);
    ui->ConnectorName->setMaxLength(int(FieldRule(TField::ConnectorName).Max));
    Editor.Bind(ui->ConnectorName, TField::ConnectorName);
    Editor.Bind(ui->ConnectorComment, TField::ConnectorComment);
    connect(ui->ConnectorComment, &QPlainTextEdit::textChanged, this,
            &TConnectorDialog::LimitComment);
    connect(ui->BtnConnectorOk, &QPushButton::clicked, this,
            &TConnectorDialog::BtnConnectorOkClick);
    connect(ui->BtnConnectorCancel, &QPushButton::clicked, this, &QDialog::reject);
    FixDialogSize(*this, 1, [](int) {});
}

TConnectorDialog::~TConnectorDialog() = default;

std::optional<TR7200> TConnectorDialog::Execute(const TR7200& record) {
    Working = record;
    ui->ConnectorSerialNumber->setText(
        QStringLiteral("%1").arg(record.SerialNumber, 8, 16, QLatin1Char('0')).toUpper());
    Editor.Fill({ui->ConnectorName, ui->ConnectorComment}, record);
    ui->ConnectorName->setFocus();
    if (!ExecuteCentred(*this)) return std::nullopt;
    return Working;
}

// A refused text keeps the dialog open with the text in its edit.
void TConnectorDialog::BtnConnectorOkClick() {
    if (!Editor.Store(ui->ConnectorName, Working) || !Editor.Store(ui->ConnectorComment, Working))
        return;
    accept();
}

// The memo holds at most what the image's comment field takes, each line break counted as
// the two characters it is stored as; what was typed or pasted beyond that is cut off.
void TConnectorDialog::LimitComment() {
    QPlainTextEdit* memo = ui->ConnectorComment;
    const int most = int(FieldRule(TField::ConnectorComment).Max);
    const QSignalBlocker quiet(memo);
    QTextCursor cursor = memo->textCursor();
    cursor.clearSelection();
    for (;;) {
        const QString text = memo->toPlainText();
        if (CheckFieldString(TField::ConnectorComment, text) != TFieldCheck::OutOfRange) break;
        // The newest text lies before the cursor; without any, the end goes.
        if (cursor.position() == 0) cursor.movePosition(QTextCursor::End);
        const int excess = std::max(1, int(text.size() + text.count(u'\n')) - most);
        cursor.setPosition(std::max(0, cursor.position() - excess), QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    memo->setTextCursor(cursor);
}
