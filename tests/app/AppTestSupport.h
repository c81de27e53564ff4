#pragma once

#include "ConnectorModel.h"
#include "MainForm.h"
#include "SimPortProvider.h"
#include "TestSupport.h"
#include "Workplace.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QString>
#include <QStringList>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using TPanel = TMainForm::TPanel;

// Sets one choice of File, Properties, keeping the others.
template <class T> void SetChoice(TWorkplace& workplace, T TProperties::*choice, T value) {
    TProperties properties = workplace.Properties();
    properties.*choice = value;
    workplace.SetProperties(properties);
}

// Answers the modal windows a command opens, in the order they appear: each answer is
// queued before the click that opens its window. Message boxes are answered with a
// button and recorded; other modal windows are handed to a callback.
class TModalAnswers {
public:
    struct TSeenBox {
        QString Text;
        QString Caption;
    };

    TModalAnswers();
    ~TModalAnswers();
    TModalAnswers(const TModalAnswers&) = delete;
    TModalAnswers& operator=(const TModalAnswers&) = delete;

    // The next message box is answered with this button; before() runs first.
    void Box(QMessageBox::StandardButton button, std::function<void()> before = {});
    // The next modal window that is not a message box is handed to this callback,
    // which must close it.
    void Window(std::function<void(QWidget*)> handle);

    // Drops the answers still queued and the boxes seen.
    void Forget();

    std::vector<TSeenBox> Seen;
    // The boxes seen so far, each as "caption: text".
    QStringList Boxes() const;
    bool AllAnswered() const { return Pending.empty(); }

private:
    struct TAnswer {
        bool IsBox;
        QMessageBox::StandardButton Button;
        std::function<void()> Before;
        std::function<void(QWidget*)> Handle;
    };
    void Poll();

    std::deque<TAnswer> Pending;
    QTimer Timer;
};

// A main window on temporary settings and a simulated adapter with a large Connector.
class TFormFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the workplace and shows the form on it (which runs File New); the test ticks
    // the status monitor by hand.
    void Open(TWorkplaceOptions options);
    void Open() { Open(Options()); }
    // The next tick starts the monitor afresh: it brings up the Status page.
    void ExpectMonitorRestarted();
    // Closes the window without questions and drops it.
    void Discard();
    TWorkplaceOptions Options() const;

    QString SettingsFile() const { return Dir.filePath(QStringLiteral("limnaset.INI")); }
    QString StoreFile() const { return Dir.filePath(QStringLiteral("locales.ini")); }
    QString ArchiveFolder() const { return Dir.filePath(QStringLiteral("archive")); }
    QString FilePath(const QString& name) const { return Dir.filePath(name); }
    // A path nobody, root included, can write: its folder is a plain file.
    QString UnwritablePath(const QString& name) const {
        WriteFileBytes(FilePath(QStringLiteral("plain")), "x");
        return FilePath(QStringLiteral("plain/") + name);
    }
    // A valid image in the Connector, named so the test can recognise it.
    void LoadConnector(const QString& name);
    // One monitor tick in each state until the Connector is seen.
    void Tick() { Form->TimerTimer(); }
    // Controls by their names, as the window's forms give them.
    QAction* Act(const char* name) const {
        auto action = Form->findChild<QAction*>(QLatin1String(name));
        EXPECT_TRUE(action) << name;
        return action;
    }
    template <class T> T* Child(const char* name) const {
        auto child = Form->findChild<T*>(QLatin1String(name));
        EXPECT_TRUE(child) << name;
        return child;
    }

    QTemporaryDir Dir;
    std::shared_ptr<TConnectorModel> Model;
    std::shared_ptr<TSimPortProvider> Provider;
    std::unique_ptr<TWorkplace> Workplace;
    std::unique_ptr<TMainForm> Form;
    TModalAnswers Answers;
};
