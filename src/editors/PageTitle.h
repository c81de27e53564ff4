#pragma once

class QLabel;
class QWidget;

// The bold "LIMNASET" title at the top of each working page.
void MakePageTitle(QLabel* label);
// Panel titles are the labels named "...Title" below `root`; they are bold.
void MakePanelTitlesBold(QWidget* root);
