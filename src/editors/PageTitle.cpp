#include "PageTitle.h"

#include <QFont>
#include <QLabel>

void MakePageTitle(QLabel* label) {
    QFont font = label->font();
    font.setBold(true);
    font.setPixelSize(19);
    label->setFont(font);
}

void MakePanelTitlesBold(QWidget* root) {
    for (QLabel* label : root->findChildren<QLabel*>()) {
        if (!label->objectName().endsWith(QLatin1String("Title"))) continue;
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
}
