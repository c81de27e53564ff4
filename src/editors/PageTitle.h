#pragma once

class QLabel;

// The bold "LIMNASET" title at the top of each working page.
void MakePageTitle(QLabel* label);
