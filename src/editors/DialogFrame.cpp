#include "DialogFrame.h"

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

bool ExecuteCentred(QDialog& dialog) {
    if (const QWidget* parent = dialog.parentWidget())
        dialog.move(parent->window()->geometry().center() - dialog.rect().center());
    return dialog.exec() == QDialog::Accepted;
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
