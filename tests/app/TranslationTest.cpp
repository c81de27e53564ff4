#include "AboutBox.h"
#include "AppTestSupport.h"
#include "Languages.h"
#include "MsgTemplate.h"
#include "PropertiesDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QTranslator>
#include <climits>

namespace {

// Installs the German translation for one test and removes it afterwards.
class TGerman {
public:
    TGerman() { Loaded = Translator.load(QStringLiteral(":/translations/limnaset_deu.qm")); }
    ~TGerman() { QCoreApplication::removeTranslator(&Translator); }
    bool Install() { return Loaded && QCoreApplication::installTranslator(&Translator); }
    QTranslator Translator;
    bool Loaded = false;
};

TEST(TranslationTest, EveryMessageTextHasAGermanTranslation) {
    TGerman german;
    ASSERT_TRUE(german.Loaded);
    for (int i = 0; i < MsgCount; ++i) {
        const auto id = TMsgId(i);
        const QString text = german.Translator.translate(
            TMsgTemplate::Context, TMsgTemplate::SourceText(id).toLatin1().constData());
        EXPECT_FALSE(text.isEmpty()) << TMsgTemplate::Name(id).toStdString();
    }
}

TEST(TranslationTest, GermanReachesMessagesAndForms) {
    TGerman german;
    ASSERT_TRUE(german.Install());
    EXPECT_EQ(Msg(MsgError), "Fehler");
    EXPECT_EQ(Msg(MsgFileModifiedQ), "Datei geändert, möchten Sie sie speichern?");
    EXPECT_EQ(Msg(MsgConnectorOk), "Connector OK");
}

// The dialogs have a fixed size: a text that does not fit is cut off.
void ExpectTextsFit(const QWidget& window) {
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text().isEmpty() || (window.isVisible() && !label->isVisible())) continue;
        const QRect room = label->contentsRect();
        const int flags = label->wordWrap() ? Qt::TextWordWrap : 0;
        const QRect need = label->fontMetrics().boundingRect(QRect(0, 0, room.width(), INT_MAX),
                                                             flags, label->text());
        EXPECT_LE(need.width(), room.width()) << label->text().toStdString();
        EXPECT_LE(need.height(), room.height()) << label->text().toStdString();
    }
}

TEST(TranslationTest, DialogTextsFitInEnglishAndGerman) {
    {
        SCOPED_TRACE("English");
        ExpectTextsFit(TAboutBox());
        ExpectTextsFit(TPropertiesDialog());
    }
    TGerman german;
    ASSERT_TRUE(german.Install());
    SCOPED_TRACE("German");
    ExpectTextsFit(TAboutBox());
    ExpectTextsFit(TPropertiesDialog());
}

class TranslatedFormTest : public TFormFixture {};

TEST_F(TranslatedFormTest, MainWindowShowsGermanMenus) {
    TGerman german;
    ASSERT_TRUE(german.Install());
    Open();
    EXPECT_EQ(Child<QMenu>("MenuFile")->title(), "&Datei");
    EXPECT_EQ(Act("FileNew")->text(), "&Neu");
    EXPECT_EQ(Act("FileNew")->statusTip(), "Neue Datei anlegen");
    EXPECT_EQ(Form->PanelText(0), "OK");
    EXPECT_EQ(Form->PanelText(1), "<unbenannt>");
}

TEST_F(TranslatedFormTest, PagesFitTheSmallestWindowInEveryMode) {
    auto expectFit = [this](const char* shown) {
        SCOPED_TRACE(shown);
        QCoreApplication::processEvents();
        EXPECT_EQ(Form->size(), QSize(800, 600)) << "the window could not shrink";
        ExpectTextsFit(*Form);
        for (const QAbstractButton* b : Form->findChildren<QAbstractButton*>()) {
            if (!b->isVisible() || b->text().isEmpty()) continue;
            EXPECT_GE(b->width(), b->sizeHint().width()) << b->text().toStdString();
        }
    };
    for (const bool translated : {false, true}) {
        TGerman german;
        if (translated) {
            ASSERT_TRUE(german.Install());
        }
        SCOPED_TRACE(translated ? "German" : "English");
        Open();
        Form->resize(800, 600);
        Act("ViewSampler")->trigger();
        expectFit("Sampler");
        Act("ViewStatus")->trigger();
        // Each program dialog in each of its modes.
        const std::pair<const char*, const char*> dialogs[] = {{"BtnEventControl", "RgEventMode"},
                                                               {"BtnProgramStart", "ProgramMode"},
                                                               {"BtnConnectorData", ""}};
        for (const auto& [button, modes] : dialogs) {
            Answers.Window([modes = QString::fromLatin1(modes)](QWidget* dialog) {
                for (int i = 0; !modes.isEmpty(); ++i) {
                    auto item = dialog->findChild<QAbstractButton*>(modes + QString::number(i));
                    if (!item) break;
                    item->click();
                    QCoreApplication::processEvents();
                    SCOPED_TRACE(item->text().toStdString());
                    ExpectTextsFit(*dialog);
                }
                ExpectTextsFit(*dialog);
                dialog->close();
            });
            Child<QPushButton>(button)->click();
        }
        auto list = Child<QComboBox>("CbxSamplerMode");
        for (int mode = 0; mode < list->count(); ++mode) {
            list->setCurrentIndex(mode);
            emit list->activated(mode);
            expectFit(qPrintable(list->currentText()));
        }
        Discard();
    }
}

// Removes every translator TLanguages::Install put in when the test ends.
struct TInstalledLanguage {
    ~TInstalledLanguage() {
        for (QTranslator* t : QCoreApplication::instance()->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
    }
};

// The toolkit's own texts follow the chosen language too (qt6-translations-l10n).
TEST_F(TranslatedFormTest, GermanBoxesHaveGermanStandardButtons) {
    TInstalledLanguage german;
    ASSERT_TRUE(TLanguages::Install(*QCoreApplication::instance(), "deu"));
    Open();
    Workplace->Modified = true;
    QStringList buttons;
    Answers.Box(QMessageBox::Cancel, [&buttons] {
        auto box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        for (const QAbstractButton* button : box->buttons())
            buttons << button->text();
    });
    Act("FileNew")->trigger();
    EXPECT_EQ(buttons.size(), 3);
    EXPECT_TRUE(buttons.contains("Abbrechen")) << buttons.join(", ").toStdString();
    EXPECT_FALSE(buttons.contains("Cancel"));
}

// With every panel at its longest text and a long file name, nothing is cut off at the
// window's first size.
TEST_F(TranslatedFormTest, StatusPanelsHoldTheirLongestTexts) {
    for (const bool inGerman : {false, true}) {
        SCOPED_TRACE(inGerman ? "German" : "English");
        TGerman german;
        if (inGerman) {
            ASSERT_TRUE(german.Install());
        }
        Open();
        QLabel* panels[4] = {};
        for (int i = 0; i < 4; ++i)
            panels[i] =
                Child<QLabel>(QStringLiteral("StatusPanel%1").arg(i).toLatin1().constData());
        QCoreApplication::processEvents();
        const int before[4] = {panels[0]->width(), 0, panels[2]->width(), panels[3]->width()};
        const QString texts[4] = {Msg(MsgError), QString(200, u'x'), "USB LIMNASET Adapter 1.05",
                                  Msg(MsgConnectorErr)};
        for (int i = 0; i < 4; ++i)
            panels[i]->setText(texts[i]);
        QCoreApplication::processEvents();
        EXPECT_EQ(Form->width(), 800);
        for (int i : {0, 2, 3}) {
            EXPECT_LE(panels[i]->fontMetrics().horizontalAdvance(texts[i]),
                      panels[i]->contentsRect().width())
                << texts[i].toStdString();
            EXPECT_EQ(panels[i]->width(), before[i]) << "the panel has room from the start";
        }
        Discard();
    }
}

TEST(TranslationTest, InstallFindsTheBuiltInGermanSet) {
    // English has no file of its own: its texts are the program's own.
    EXPECT_FALSE(TLanguages::Install(*QCoreApplication::instance(), "enu"));
    EXPECT_FALSE(TLanguages::Install(*QCoreApplication::instance(), "xyz"));
    ASSERT_TRUE(TLanguages::Install(*QCoreApplication::instance(), "deu"));
    EXPECT_EQ(Msg(MsgWarning), "Warnung");
    // Undo: remove every translator the call installed.
    for (QTranslator* t : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
    EXPECT_EQ(Msg(MsgWarning), "Warning");
}

} // namespace
