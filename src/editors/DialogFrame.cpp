#include "DialogFrame.h"

#include "R7200.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDialog>
#include <QLayout>

void FixDialogSize(QDialog& dialog, int states, const std::function<void(int)>& show) {
    QSize size;
    for (int state = 0; state < states; ++state) {
        show(state);
        // Hidden and shown panels of a window not yet shown leave stale hints behind.
        for (QLayout* layout : dialog.findChildren<QLayout*>())
            layout->invalidate();
        for (QWidget* child : dialog.findChildren<QWidget*>())
            child->updateGeometry();
        size = size.expandedTo(dialog.sizeHint());
    }
    dialog.setFixedSize(size);
}

bool ExecuteOnRecord(QDialog& dialog, TR7200& record) {
    const TProgramBlock block = record;
    const TDateTime startTime = record.ProgramStartTime;
    const uint32_t startDelay = record.ProgramStartDelay;
    const QString name = record.ConnectorName;
    const QString comment = record.ConnectorComment;
    if (const QWidget* parent = dialog.parentWidget())
        dialog.move(parent->window()->geometry().center() - dialog.rect().center());
    if (dialog.exec() == QDialog::Accepted) return true;
    static_cast<TProgramBlock&>(record) = block;
    record.ProgramStartTime = startTime;
    record.ProgramStartDelay = startDelay;
    record.ConnectorName = name;
    record.ConnectorComment = comment;
    return false;
}

void SelectButton(QButtonGroup* group, int id) {
    if (QAbstractButton* button = group->button(id)) {
        button->setChecked(true);
        return;
    }
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons())
        button->setChecked(false);
    group->setExclusive(true);
}
