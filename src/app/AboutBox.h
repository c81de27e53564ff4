#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TAboutBox;
}

// The program's name, version and logo.
class TAboutBox : public QDialog {
    Q_OBJECT

public:
    static constexpr int MajorVersion = 2;
    static constexpr int MinorVersion = 30;

    explicit TAboutBox(QWidget* parent = nullptr);
    ~TAboutBox() override;

    std::unique_ptr<Ui::TAboutBox> ui;

protected:
    void showEvent(QShowEvent* event) override;
};
