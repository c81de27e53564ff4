#include "AppTestSupport.h"

#include "DateTime.h"
#include "R7200.h"

#include <QAbstractButton>
#include <QApplication>
#include <QStandardPaths>

TModalAnswers::TModalAnswers() {
    Timer.setInterval(5);
    QObject::connect(&Timer, &QTimer::timeout, [this] { Poll(); });
}

TModalAnswers::~TModalAnswers() {
    Timer.stop();
}

void TModalAnswers::Box(QMessageBox::StandardButton button, std::function<void()> before) {
    Pending.push_back({true, button, std::move(before), {}});
    Timer.start();
}

void TModalAnswers::Window(std::function<void(QWidget*)> handle) {
    Pending.push_back({false, QMessageBox::NoButton, {}, std::move(handle)});
    Timer.start();
}

void TModalAnswers::Forget() {
    Pending.clear();
    Seen.clear();
    Timer.stop();
}

QStringList TModalAnswers::Boxes() const {
    QStringList boxes;
    for (const TSeenBox& box : Seen)
        boxes << box.Caption + QStringLiteral(": ") + box.Text;
    return boxes;
}

void TModalAnswers::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || Pending.empty()) return;
    TAnswer answer = std::move(Pending.front());
    Pending.pop_front();
    if (Pending.empty()) Timer.stop();
    if (auto box = qobject_cast<QMessageBox*>(modal)) {
        Seen.push_back({box->text(), box->windowTitle()});
        if (!answer.IsBox)
            ADD_FAILURE() << "a message box came where another window was expected: "
                          << box->text().toStdString();
        if (answer.Before) answer.Before();
        QAbstractButton* button = box->button(answer.IsBox ? answer.Button : QMessageBox::Ok);
        if (!button) {
            ADD_FAILURE() << "the box has no such button: " << box->text().toStdString();
            button = box->buttons().value(0);
        }
        button->click();
        return;
    }
    if (answer.IsBox) {
        ADD_FAILURE() << "a window came where a message box was expected: "
                      << modal->objectName().toStdString();
        modal->close();
        return;
    }
    answer.Handle(modal);
}

void TFormFixture::SetUp() {
    QStandardPaths::setTestModeEnabled(true);
    ASSERT_TRUE(Dir.isValid());
    TClock::SetFixed(std::nullopt);
    Model = std::make_shared<TConnectorModel>(TConnectorModel::TKind::Large);
    Provider = std::make_shared<TSimPortProvider>(Model);
}

void TFormFixture::TearDown() {
    Discard();
    TClock::SetFixed(std::nullopt);
    EXPECT_TRUE(Answers.AllAnswered()) << "a queued answer found no window";
}

TWorkplaceOptions TFormFixture::Options() const {
    TWorkplaceOptions options;
    options.Provider = Provider;
    options.SettingsFileName = SettingsFile();
    options.LanguageStoreFileName = StoreFile();
    options.ExecutablePath = QStringLiteral("/opt/limnaset/bin/limnaset");
    options.ArchiveFolder = ArchiveFolder();
    return options;
}

void TFormFixture::Open(TWorkplaceOptions options) {
    Form.reset();
    Workplace = std::make_unique<TWorkplace>(std::move(options));
    Form = std::make_unique<TMainForm>(*Workplace, TMainForm::TTicks::Manual);
    Form->show();
}

void TFormFixture::ExpectMonitorRestarted() {
    Act("ViewLog")->trigger();
    ASSERT_EQ(Form->ShownPage(), TPage::Log);
    Tick();
    EXPECT_EQ(Form->ShownPage(), TPage::Status);
}

void TFormFixture::Discard() {
    if (!Form) return;
    Workplace->SetModified(false);
    Form->hide();
    Form.reset();
    Workplace.reset();
}

void TFormFixture::LoadConnector(const QString& name) {
    TR7200 record;
    record.ConnectorName = name;
    record.SerialNumber = 4711;
    record.Pack();
    Model->LoadMemory(record.Image.data(), TR7200::ImageSize);
}
