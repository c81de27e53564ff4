#pragma once

#include "Version.h"

#include <QDialog>
#include <memory>

namespace Ui {
class TAboutBox;
}

// The program's name, version and logo.
class TAboutBox : public QDialog {
    Q_OBJECT

public:
    static constexpr int MajorVersion = LIMNASET_VERSION_MAJOR;
    static constexpr int MinorVersion = LIMNASET_VERSION_MINOR;

    explicit TAboutBox(QWidget* parent = nullptr);
    ~TAboutBox() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::TAboutBox> ui;
};
