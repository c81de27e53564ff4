#include "AboutBox.h"
#include "AdapterDiagnosis.h"
#include "AppTestSupport.h"
#include "ArchiveWindow.h"
#include "Languages.h"
#include "LogChart.h"
#include "MsgTemplate.h"
#include "PropertiesDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QChart>
#include <QComboBox>
#include <QFontMetrics>
#include <QGraphicsSimpleTextItem>
#include <QGroupBox>
#include <QHeaderView>
#include <QLegend>
#include <QLegendMarker>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QTranslator>
#include <QXmlStreamReader>
#include <climits>

namespace {

// Every language of the Properties list that has a set of its own, English included.
const char* const Codes[] = {"bgr", "csy", "deu", "enu", "esp", "fra",
                             "ita", "lth", "plk", "rom", "rus", "sky"};

// Installs one language's set for a test and removes it afterwards; "" stands for the
// program's own texts.
class TTranslation {
public:
    explicit TTranslation(const QString& code = QStringLiteral("deu")) : Code(code) {
        Loaded = code.isEmpty() ||
                 Translator.load(QStringLiteral(":/translations/limnaset_%1.qm").arg(code));
    }
    ~TTranslation() { QCoreApplication::removeTranslator(&Translator); }
    bool Install() {
        return Code.isEmpty() || (Loaded && QCoreApplication::installTranslator(&Translator));
    }
    QString Code;
    QTranslator Translator;
    bool Loaded = false;
};
using TGerman = TTranslation;

QStringList Placeholders(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("%(\\d+|0?\\d*d)"));
    QStringList found;
    for (const QRegularExpressionMatch& m : pattern.globalMatch(text))
        found << m.captured();
    found.sort();
    return found;
}

// The translation sources as lupdate and lrelease read them: every text finished, with the
// source's placeholders and, where the source has a shortcut letter, one of its own.
TEST(TranslationTest, EverySourceIsFinishedAndKeepsItsPlaceholders) {
    for (const char* code : Codes) {
        SCOPED_TRACE(code);
        QFile file(QStringLiteral(LIMNASET_SOURCE_DIR "/translations/limnaset_%1.ts").arg(code));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString source;
        int messages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (xml.name() == QLatin1String("source")) source = xml.readElementText();
            if (xml.name() != QLatin1String("translation")) continue;
            ++messages;
            EXPECT_TRUE(xml.attributes().value(QLatin1String("type")).isEmpty())
                << source.toStdString();
            const QString text = xml.readElementText();
            EXPECT_FALSE(text.isEmpty()) << source.toStdString();
            EXPECT_EQ(Placeholders(text), Placeholders(source)) << text.toStdString();
            EXPECT_EQ(text.count(u'&'), source.count(u'&')) << text.toStdString();
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        EXPECT_GT(messages, 250);
    }
}

// Each compiled set loads and reaches the message table and the windows.
TEST(TranslationTest, EveryLanguageReachesMessagesAndForms) {
    for (const char* code : Codes) {
        SCOPED_TRACE(code);
        TTranslation language(QString::fromLatin1(code));
        ASSERT_TRUE(language.Loaded);
        for (int i = 0; i < MsgCount; ++i) {
            const auto id = TMsgId(i);
            EXPECT_FALSE(language.Translator
                             .translate(TMsgTemplate::Context,
                                        TMsgTemplate::SourceText(id).toLatin1().constData())
                             .isEmpty())
                << TMsgTemplate::Name(id).toStdString();
        }
        ASSERT_TRUE(language.Install());
        const bool english = QLatin1String(code) == QLatin1String("enu");
        for (const TMsgId id : {MsgReallyWriteQ, MsgFileModifiedQ, MsgNewLanguage})
            EXPECT_EQ(Msg(id) == TMsgTemplate::SourceText(id), english) << Msg(id).toStdString();
        const TPropertiesDialog properties;
        EXPECT_EQ(properties.windowTitle() == QLatin1String("Program Properties"), english);
        EXPECT_EQ(TAdapterDiagnosis()
                      .ExplainDevice(QStringLiteral("/nonexistent/ttyUSB9"))
                      .startsWith(QLatin1String("/nonexistent/ttyUSB9 cannot be opened")),
                  english);
    }
}

TEST(TranslationTest, GermanReachesMessagesAndForms) {
    TGerman german;
    ASSERT_TRUE(german.Install());
    EXPECT_EQ(Msg(MsgError), "Fehler");
    EXPECT_EQ(Msg(MsgFileModifiedQ), "Datei geändert, möchten Sie sie speichern?");
    EXPECT_EQ(Msg(MsgConnectorOk), "Connector OK");
}

// The windows have a fixed size: a text that does not fit is cut off.
void ExpectTextsFit(const QWidget& window) {
    const auto hidden = [&window](const QWidget* w) {
        return window.isVisible() && !w->isVisible();
    };
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text().isEmpty() || hidden(label)) continue;
        const QRect room = label->contentsRect();
        const int flags = label->wordWrap() ? Qt::TextWordWrap : 0;
        const QRect need = label->fontMetrics().boundingRect(QRect(0, 0, room.width(), INT_MAX),
                                                             flags, label->text());
        EXPECT_LE(need.width(), room.width()) << label->text().toStdString();
        EXPECT_LE(need.height(), room.height()) << label->text().toStdString();
    }
    for (const QAbstractButton* b : window.findChildren<QAbstractButton*>()) {
        if (b->text().isEmpty() || hidden(b) || qobject_cast<const QToolButton*>(b)) continue;
        // The style widens a push button's hint to 80 pixels whatever its text; what
        // matters is the text and the button's own margins.
        int need = b->sizeHint().width();
        if (qobject_cast<const QPushButton*>(b)) {
            const QStyle* style = b->style();
            need = b->fontMetrics().horizontalAdvance(QString(b->text()).remove(u'&')) +
                   style->pixelMetric(QStyle::PM_ButtonMargin) +
                   2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth);
        }
        EXPECT_GE(b->width(), need) << b->text().toStdString();
    }
    for (const QGroupBox* box : window.findChildren<QGroupBox*>()) {
        if (box->title().isEmpty() || hidden(box)) continue;
        EXPECT_LE(box->fontMetrics().horizontalAdvance(box->title()) + 16, box->width())
            << box->title().toStdString();
    }
    for (const QComboBox* list : window.findChildren<QComboBox*>()) {
        if (hidden(list)) continue;
        for (int i = 0; i < list->count(); ++i)
            EXPECT_LE(list->fontMetrics().horizontalAdvance(list->itemText(i)) + 28, list->width())
                << list->itemText(i).toStdString();
    }
    for (const TLogChart* plot : window.findChildren<TLogChart*>()) {
        if (hidden(plot)) continue;
        for (const QGraphicsSimpleTextItem* name : plot->LaneNames())
            EXPECT_TRUE(name->pos().x() >= 0 && name->pos().x() + name->boundingRect().width() <=
                                                    plot->LaneChart()->plotArea().left())
                << name->text().toStdString();
        const QLegend* legend = plot->LineChart()->legend();
        const QFontMetrics metrics(legend->font());
        int need = 0; // each entry: its marker, its name and the gaps around them
        for (const QLegendMarker* marker : legend->markers())
            if (marker->isVisible())
                need += metrics.horizontalAdvance(marker->label()) + 2 * metrics.height();
        EXPECT_LE(need, legend->geometry().width());
    }
    for (const QTableWidget* table : window.findChildren<QTableWidget*>()) {
        if (hidden(table)) continue;
        for (int c = 0; c < table->columnCount(); ++c) {
            const QHeaderView* header = table->horizontalHeader();
            if (!header->isHidden() && !header->model()->headerData(c, Qt::Horizontal).isNull()) {
                EXPECT_GE(table->columnWidth(c), header->sectionSizeHint(c))
                    << header->model()->headerData(c, Qt::Horizontal).toString().toStdString();
            }
            for (int r = 0; r < std::min(table->rowCount(), 2); ++r) {
                const QTableWidgetItem* item = table->item(r, c);
                if (!item) continue;
                EXPECT_GT(table->columnWidth(c),
                          table->fontMetrics().horizontalAdvance(item->text()) + 4)
                    << item->text().toStdString();
            }
        }
    }
}

class TranslatedFormTest : public TFormFixture {};

TEST_F(TranslatedFormTest, MainWindowShowsGermanMenus) {
    TGerman german;
    ASSERT_TRUE(german.Install());
    Open();
    EXPECT_EQ(Child<QMenu>("MenuFile")->title(), "&Datei");
    EXPECT_EQ(Act("FileNew")->text(), "&Neu");
    EXPECT_EQ(Act("FileNew")->statusTip(), "Neue Datei anlegen");
    EXPECT_EQ(Form->PanelText(TPanel::Result), "OK");
    EXPECT_EQ(Form->PanelText(TPanel::File), "<unbenannt>");
}

// Every window and dialog in every language, at the smallest window size.
TEST_F(TranslatedFormTest, EveryWindowFitsItsTextsInEveryLanguage) {
    auto expectFit = [this](const char* shown) {
        SCOPED_TRACE(shown);
        QCoreApplication::processEvents();
        EXPECT_EQ(Form->size(), QSize(800, 600)) << "the window could not shrink";
        ExpectTextsFit(*Form);
    };
    QStringList languages{QString()};
    for (const char* code : Codes)
        languages << QString::fromLatin1(code);
    for (const QString& code : languages) {
        TTranslation language(code);
        ASSERT_TRUE(language.Install());
        SCOPED_TRACE(code.isEmpty() ? "source texts" : qPrintable(code));
        ExpectTextsFit(TAboutBox());
        ExpectTextsFit(TPropertiesDialog());
        TArchive archive(ArchiveFolder());
        Answers.Window([](QWidget* window) {
            ExpectTextsFit(*window);
            window->close();
        });
        TArchiveWindow(archive).Execute();
        Open();
        Answers.Window([](QWidget* window) {
            ExpectTextsFit(*window);
            window->close();
        });
        Act("FileCompare")->trigger();
        Form->resize(800, 600);
        Act("ViewLog")->trigger();
        expectFit("Log");
        Child<QToolButton>("LogShowPlot")->click();
        expectFit("Log plot");
        Child<QToolButton>("LogShowTable")->click();
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
    Workplace->SetModified(true);
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
    QStringList languages{QString()};
    for (const char* code : Codes)
        languages << QString::fromLatin1(code);
    for (const QString& code : languages) {
        SCOPED_TRACE(code.toStdString());
        TTranslation language(code);
        ASSERT_TRUE(language.Install());
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

// The toolkit's standard buttons speak every language: in Qt's words where Debian ships
// them, in ours where it does not.
TEST(TranslationTest, InstallBringsTheToolkitTexts) {
    int shipped = 0;
    for (const char* code : Codes) {
        SCOPED_TRACE(code);
        TInstalledLanguage installed;
        ASSERT_TRUE(TLanguages::Install(*QCoreApplication::instance(), code));
        QTranslator qt;
        const bool loaded =
            qt.load(QLocale(TLanguages::LanguageOf(code)), QStringLiteral("qtbase"),
                    QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        shipped += loaded && !qt.translate("QPlatformTheme", "Cancel").isEmpty();
        for (const char* button : {"OK", "Cancel", "&Yes", "&No", "Close"}) {
            const QString ours = QCoreApplication::translate("QPlatformTheme", button);
            const QString theirs = loaded ? qt.translate("QPlatformTheme", button) : QString();
            EXPECT_EQ(ours, theirs.isEmpty() ? ours : theirs) << button;
            if (QLatin1String(button) == QLatin1String("Cancel")) {
                EXPECT_EQ(ours == QLatin1String(button),
                          QLatin1String(code) == QLatin1String("enu"));
            }
        }
    }
    EXPECT_GE(shipped, 6) << "qt6-translations-l10n is missing";
}

TEST(TranslationTest, InstallFindsTheBuiltInGermanSet) {
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
