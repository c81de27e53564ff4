#include "PageTitle.h"

#include <QFont>
#include <QLabel>

void MakePageTitle(QLabel* label) {
    QFont font = label->font();
    font.setBold(true);
    font.setPixelSize(19);
    label->setFont(font);
}
