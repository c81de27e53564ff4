#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// The program's one message box: a text, a caption and one of three button sets.
class TMessageBox {
public:
    enum TButtons { Ok, OkCancel, YesNoCancel };

    // The button pressed; closing the box counts as Cancel (or OK for the OK-only box).
    static QMessageBox::StandardButton Show(const QString& text, const QString& caption,
                                            TButtons buttons, QWidget* parent = nullptr);
};
