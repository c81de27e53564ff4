#pragma once

#include <QPixmap>

// The program's picture: a water drop over the name, drawn at any size.
class TLogo {
public:
    static QPixmap Pixmap(int size);
};
