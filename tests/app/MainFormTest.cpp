#include "AboutBox.h"
#include "AppTestSupport.h"
#include "Application.h"
#include "CodePageGuard.h"
#include "DateTime.h"
#include "InternalError.h"
#include "PropertiesDialog.h"
#include "R7200.h"
#include "StatusPage.h"

#include <QComboBox>
#include <QFileDialog>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSettings>
#include <QStackedWidget>
#include <QStyle>
#include <QToolButton>

namespace {

class MainFormTest : public TFormFixture {
protected:
    // Saves the current document to a file so it has a name.
    QString SaveAs(const QString& name) {
        const QString path = FilePath(name);
        Form->FileSaveDialog = [path](const QString&, const QString&) { return path; };
        Form->FileSaveAsExecute();
        return path;
    }
    QString Name() const { return Workplace->Document().ConnectorName; }
    static QString SavedName(const QString& path) {
        TR7200 saved;
        return saved.LoadFromFile(path) ? saved.ConnectorName : QStringLiteral("<unreadable>");
    }
    void Edit(const QString& name) {
        Workplace->Document().ConnectorName = name;
        Workplace->SetModified(true);
    }
    // A file dialog that notes the folder and name it was offered and answers with a path.
    struct TDialogSpy {
        QString Folder = QStringLiteral("unset");
        QString Proposed;
        TMainForm::TFileDialog Answering(const QString& path) {
            return [this, path](const QString& folder, const QString& proposed) {
                Folder = folder;
                Proposed = proposed;
                return path;
            };
        }
    };
};

TEST_F(MainFormTest, StartShowsAFreshDocument) {
    Open();
    EXPECT_EQ(Form->windowTitle(), "Limnaset");
    EXPECT_EQ(Form->PanelText(TPanel::Result), "OK");
    EXPECT_EQ(Form->PanelText(TPanel::File), "<noname>");
    EXPECT_EQ(Form->ShownPage(), TPage::Status);
    EXPECT_EQ(Child<QStackedWidget>("PageControl")->currentWidget(), Child<QWidget>("StatusTab"));
    EXPECT_TRUE(Child<QStackedWidget>("PageControl")->isVisible());
    EXPECT_TRUE(Act("ViewStatus")->isChecked());
    EXPECT_TRUE(Form->ToolButton("ToolStatus")->isChecked());
    EXPECT_FALSE(Form->ToolButton("ToolLog")->isChecked());
    EXPECT_EQ(Workplace->Document().SamplerMode, 1);
    EXPECT_FALSE(Workplace->IsModified());
    EXPECT_TRUE(Form->MonitorRunning());
    // The connector commands wait for the monitor.
    EXPECT_FALSE(Act("DataRead")->isEnabled());
    EXPECT_FALSE(Act("DataWrite")->isEnabled());
    EXPECT_FALSE(Form->ToolButton("ToolDataRead")->isEnabled());
    EXPECT_FALSE(Child<QPushButton>("BtnSetClock")->isEnabled());
    EXPECT_EQ(Child<QLabel>("LblConnectorName")->text(), "Limnaset");
    EXPECT_FALSE(Child<QProgressBar>("ProgressBar")->isVisible());
}

TEST_F(MainFormTest, CommandsCarryTheirCaptionsHintsAndShortcuts) {
    Open();
    struct TRow {
        const char* Name;
        const char* Caption;
        const char* Hint;
        const char* Shortcut;
    };
    const TRow rows[] = {
        {"FileNew", "&New", "Create new file", "Ctrl+N"},
        {"FileOpen", "&Open", "Open File", "Ctrl+O"},
        {"FileSave", "&Save", "Save File", "Ctrl+S"},
        {"FileSaveAs", "Save &As", "Save File with new name", ""},
        {"FileExport", "&Export", "Export File as text", ""},
        {"FileProperties", "P&roperties...", "Program Properties", ""},
        {"FileExit", "E&xit", "Exit Program", ""},
        {"DataRead", "&Read", "Read data from adapter", ""},
        {"DataWrite", "&Write", "Write data to adapter", ""},
        {"ViewStatus", "Status", "View Status panel", ""},
        {"ViewSampler", "Thermostat", "View Sampler panel", ""},
        {"ViewLog", "Log", "View Event Log", ""},
        {"HelpAbout", "&About...", "Informations about program", ""},
    };
    for (const TRow& row : rows) {
        auto action = Form->findChild<QAction*>(row.Name);
        ASSERT_TRUE(action) << row.Name;
        EXPECT_EQ(action->text(), row.Caption) << row.Name;
        EXPECT_EQ(action->statusTip(), row.Hint) << row.Name;
        EXPECT_EQ(action->shortcut(), QKeySequence(row.Shortcut)) << row.Name;
    }
    const char* tools[] = {"ToolOpen",      "ToolSave",   "ToolExport",  "ToolDataRead",
                           "ToolDataWrite", "ToolStatus", "ToolSampler", "ToolLog"};
    for (const char* name : tools)
        EXPECT_TRUE(Form->ToolButton(name)) << name;
    EXPECT_EQ(Form->ToolButton("ToolDataRead")->toolTip(), "Read data from connector");
    EXPECT_EQ(Form->ToolButton("ToolDataWrite")->toolTip(), "Write data to connector");
    EXPECT_EQ(Act("MenuViewSampler")->text(), "Sampler");
    EXPECT_EQ(Act("MenuViewLog")->text(), "Event Log");
    EXPECT_EQ(Child<QMenu>("MenuFile")->title(), "&File");
    EXPECT_EQ(Child<QMenu>("MenuHelp")->title(), "&Help");
}

// The start leaves out the icon theme search where the desktop has no theme and reads the
// style's pictures only at the sizes shown: the menus' and the tool bar's pictures must still
// be the style's own, and the search must be back for everything after the start.
TEST_F(MainFormTest, ToolBarShowsTheStylesPicturesAndLeavesTheIconSearchAsItWas) {
    const QStringList searched = QIcon::themeSearchPaths();
    Open();
    EXPECT_EQ(QIcon::themeSearchPaths(), searched);
    const struct {
        const char* Action;
        QStyle::StandardPixmap Picture;
    } rows[] = {{"FileNew", QStyle::SP_FileIcon},
                {"FileOpen", QStyle::SP_DialogOpenButton},
                {"FileSave", QStyle::SP_DialogSaveButton},
                {"FileExport", QStyle::SP_FileDialogDetailedView},
                {"DataRead", QStyle::SP_ArrowDown},
                {"DataWrite", QStyle::SP_ArrowUp},
                {"ViewStatus", QStyle::SP_ComputerIcon},
                {"ViewSampler", QStyle::SP_DriveHDIcon},
                {"ViewLog", QStyle::SP_FileDialogContentsView},
                {"ViewPlan", QStyle::SP_FileDialogInfoView},
                {"HelpAbout", QStyle::SP_MessageBoxInformation}};
    const int bar = Form->style()->pixelMetric(QStyle::PM_ToolBarIconSize);
    for (const auto& row : rows)
        for (const int size : {16, bar}) {
            const QImage shown = Act(row.Action)->icon().pixmap(size).toImage();
            ASSERT_FALSE(shown.isNull()) << row.Action;
            EXPECT_EQ(shown, Form->style()->standardIcon(row.Picture).pixmap(size).toImage())
                << row.Action << " at " << size;
        }
}

TEST_F(MainFormTest, LogoIsDrawnWhenTheEmptyPageIsFirstShown) {
    Open();
    auto logo = Child<QLabel>("Logo");
    EXPECT_TRUE(logo->pixmap().isNull()) << "the start shows the Status page only";
    Child<QStackedWidget>("PageControl")->setCurrentWidget(Child<QWidget>("EmptyTab"));
    EXPECT_FALSE(logo->pixmap().isNull());
}

TEST_F(MainFormTest, WindowPlacementComesFromTheSettingsFile) {
    WriteFileBytes(SettingsFile(),
                   "[Properties]\nVersion=256\n[MainForm]\nMainTop=30\nMainLeft=20\n"
                   "MainWidth=900\nMainHeight=650\nMainState=0\n");
    Open();
    EXPECT_EQ(Form->width(), 900);
    EXPECT_EQ(Form->height(), 650);
    EXPECT_FALSE(Form->isMaximized());
}

TEST_F(MainFormTest, NewOnModifiedDocumentAsksAndObeys) {
    Open();
    Edit("Mine");

    Answers.Box(QMessageBox::Cancel);
    Act("FileNew")->trigger();
    EXPECT_EQ(Answers.Boxes(),
              QStringList{"Confirmation: File modified, do You want to save it ?"});
    EXPECT_EQ(Name(), "Mine");
    EXPECT_TRUE(Workplace->IsModified());

    // Yes, but the Save As dialog is cancelled: the document stays, still marked.
    bool offered = false;
    Form->FileSaveDialog = [&](const QString&, const QString&) {
        offered = true;
        return QString();
    };
    Answers.Box(QMessageBox::Yes);
    Act("FileNew")->trigger();
    EXPECT_TRUE(offered);
    EXPECT_EQ(Name(), "Mine");
    EXPECT_TRUE(Workplace->IsModified());

    Answers.Box(QMessageBox::No);
    Act("FileNew")->trigger();
    EXPECT_EQ(Name(), "Limnaset");
    EXPECT_FALSE(Workplace->IsModified());
    EXPECT_EQ(Answers.Seen.size(), 3u);
}

TEST_F(MainFormTest, YesSavesAndThenGoesOn) {
    Open();
    Edit("Kept");
    const QString path = FilePath("kept.r72");
    Form->FileSaveDialog = [path](const QString&, const QString&) { return path; };
    Answers.Box(QMessageBox::Yes);
    Act("FileNew")->trigger();
    EXPECT_EQ(Name(), "Limnaset");
    EXPECT_EQ(Form->PanelText(TPanel::File), "<noname>");
    EXPECT_EQ(SavedName(path), "Kept");
}

TEST_F(MainFormTest, YesWithFailedSaveKeepsTheDocument) {
    Open();
    const QString path = SaveAs("named.r72");
    ASSERT_EQ(Workplace->FileName(), path);
    Edit("Unsaved");
    // The file's place becomes a folder: the save fails.
    QFile::remove(path);
    ASSERT_TRUE(QDir().mkpath(path));
    Answers.Box(QMessageBox::Yes);
    Answers.Box(QMessageBox::Ok);
    Act("FileNew")->trigger();
    EXPECT_EQ(Answers.Boxes(), QStringList({"Confirmation: File modified, do You want to save it ?",
                                            "Error: File access error"}));
    EXPECT_EQ(Name(), "Unsaved");
    EXPECT_TRUE(Workplace->IsModified());
    EXPECT_EQ(Form->PanelText(TPanel::Result), "Error");
}

TEST_F(MainFormTest, NoKeepsTheMarkWhenOpenIsCancelled) {
    Open();
    Edit("Edited");
    Form->FileOpenDialog = [](const QString&, const QString&) { return QString(); };
    Answers.Box(QMessageBox::No);
    Act("FileOpen")->trigger();
    EXPECT_EQ(Name(), "Edited");
    EXPECT_TRUE(Workplace->IsModified()) << "closing later must still ask";

    Answers.Box(QMessageBox::Cancel);
    Form->close();
    EXPECT_TRUE(Form->isVisible());
}

TEST_F(MainFormTest, OpenShowsTheFileOrReportsWhyNot) {
    Open();
    Edit("On disk");
    const QString path = SaveAs("disk.r72");
    Act("FileNew")->trigger();

    Form->FileOpenDialog = [path](const QString& folder, const QString& proposed) {
        EXPECT_TRUE(folder.isEmpty());
        EXPECT_TRUE(proposed.isEmpty());
        return path;
    };
    Act("FileOpen")->trigger();
    EXPECT_EQ(Name(), "On disk");
    EXPECT_EQ(Form->PanelText(TPanel::File), path);
    EXPECT_EQ(Form->PanelText(TPanel::Result), "OK");
    EXPECT_FALSE(Workplace->IsModified());

    const QString shortFile = FilePath("short.r72");
    WriteFileBytes(shortFile, QByteArray(32767, '\0'));
    Form->FileOpenDialog = [shortFile](const QString&, const QString&) { return shortFile; };
    Answers.Box(QMessageBox::Ok);
    Act("FileOpen")->trigger();
    EXPECT_EQ(Answers.Boxes(), QStringList{"Error: Corrupted file"});
    EXPECT_EQ(Name(), "Limnaset");
    EXPECT_TRUE(Workplace->FileName().isEmpty());
    EXPECT_EQ(Form->PanelText(TPanel::File), "<noname>");
    EXPECT_EQ(Form->PanelText(TPanel::Result), "OK");
    EXPECT_FALSE(Workplace->IsModified());
    ExpectMonitorRestarted(); // File New restarted it
}

TEST_F(MainFormTest, FailedOpenAfterNoAsksNothingMore) {
    Open();
    Edit("Dropped");
    const QString missing = FilePath("missing.r72");
    Form->FileOpenDialog = [missing](const QString&, const QString&) { return missing; };
    Answers.Box(QMessageBox::No);
    Answers.Box(QMessageBox::Ok);
    Act("FileOpen")->trigger();
    EXPECT_EQ(Answers.Boxes(), QStringList({"Confirmation: File modified, do You want to save it ?",
                                            "Error: File access error"}));
    EXPECT_EQ(Name(), "Limnaset");
    EXPECT_FALSE(Workplace->IsModified());
}

// "limnaset FILE" opens the file once the first File New has run, with File Open's boxes.
TEST_F(MainFormTest, FileNamedOnTheCommandLineOpensAsFileOpenDoes) {
    Open();
    Edit("Named");
    const QString good = SaveAs("named.r72");
    const QString wrong = FilePath("wrong.r72");
    WriteFileBytes(wrong, QByteArray(32767, '\0'));
    struct TRow {
        QString Path;
        QString Box;
        QString Name;
        QString Panel;
    };
    const TRow rows[] = {
        {good, "", "Named", good},
        {FilePath("missing.r72"), "Error: File access error", "Limnaset", "<noname>"},
        {wrong, "Error: Corrupted file", "Limnaset", "<noname>"},
    };
    for (const TRow& row : rows) {
        Discard();
        Open();
        Answers.Forget();
        if (!row.Box.isEmpty()) Answers.Box(QMessageBox::Ok);
        Form->OpenDocument(row.Path);
        EXPECT_EQ(Answers.Boxes(), row.Box.isEmpty() ? QStringList() : QStringList{row.Box});
        EXPECT_EQ(Name(), row.Name);
        EXPECT_EQ(Form->PanelText(TPanel::File), row.Panel);
        EXPECT_FALSE(Workplace->IsModified());
    }
}

TEST_F(MainFormTest, SaveAsProposesNamesAndAsksBeforeOverwriting) {
    Open();
    TDialogSpy dialog;
    const QString path = FilePath("first.r72");
    Form->FileSaveDialog = dialog.Answering(path);
    Act("FileSaveAs")->trigger();
    EXPECT_TRUE(dialog.Folder.isEmpty());
    EXPECT_EQ(dialog.Proposed, "noname");
    EXPECT_EQ(Form->PanelText(TPanel::File), path);
    const QByteArray before = FileBytes(path);

    Edit("Changed");
    Answers.Box(QMessageBox::Cancel);
    Act("FileSaveAs")->trigger();
    EXPECT_EQ(dialog.Folder, Dir.path());
    EXPECT_EQ(dialog.Proposed, path);
    EXPECT_EQ(Answers.Boxes(),
              QStringList{"Confirmation: File already exists. Do You want to overwrite it ?"});
    EXPECT_EQ(FileBytes(path), before) << "Cancel saves nothing";
    EXPECT_TRUE(Workplace->IsModified());

    Answers.Box(QMessageBox::Ok);
    Act("FileSaveAs")->trigger();
    EXPECT_FALSE(Workplace->IsModified());
    EXPECT_EQ(SavedName(path), "Changed");
}

TEST_F(MainFormTest, SaveWritesToTheNamedFile) {
    Open();
    const QString path = SaveAs("named.r72");
    Edit("Second");
    Form->FileSaveDialog = [](const QString&, const QString&) {
        ADD_FAILURE() << "a named document needs no dialog";
        return QString();
    };
    Act("FileSave")->trigger();
    EXPECT_FALSE(Workplace->IsModified());
    EXPECT_EQ(Form->PanelText(TPanel::Result), "OK");
    EXPECT_EQ(SavedName(path), "Second");
}

TEST_F(MainFormTest, ExportWritesTheLogOrSaysItCannot) {
    Open();
    TDialogSpy dialog;
    const QString csv = FilePath("log.csv");
    Form->FileExportDialog = dialog.Answering(csv);
    Act("FileExport")->trigger();
    EXPECT_TRUE(dialog.Folder.isEmpty());
    EXPECT_EQ(dialog.Proposed, "export");
    const QString text = FileBytes(csv);
    EXPECT_TRUE(text.startsWith("\"Time\",\"Status\",")) << text.toStdString();
    EXPECT_TRUE(text.contains("CLEAR")) << text.toStdString();

    SaveAs("named.r72");
    Answers.Box(QMessageBox::Cancel);
    Act("FileExport")->trigger();
    EXPECT_EQ(dialog.Folder, Dir.path());
    EXPECT_EQ(Answers.Boxes().last(),
              "Confirmation: File already exists. Do You want to overwrite it ?");

    Form->FileExportDialog = dialog.Answering(Dir.path());
    Answers.Box(QMessageBox::Ok); // the folder "exists": overwrite it
    Answers.Box(QMessageBox::Ok);
    Act("FileExport")->trigger();
    EXPECT_EQ(Answers.Boxes().last(), "Error: File access error");

    // The dialog's second file type writes UTF-8, and is offered again next time.
    Form->FileExportDialog = nullptr;
    const QString utf8 = FilePath("utf8.csv");
    for (const QString& path : {utf8, FilePath("again.csv")}) {
        Answers.Window([path](QWidget* window) {
            auto files = qobject_cast<QFileDialog*>(window);
            ASSERT_TRUE(files);
            if (path.endsWith("utf8.csv")) files->selectNameFilter(files->nameFilters().value(1));
            // A focused name field ignores selectFile.
            if (QWidget* focused = files->focusWidget()) focused->clearFocus();
            files->selectFile(path);
            QMetaObject::invokeMethod(files, "accept");
        });
        Act("FileExport")->trigger();
        EXPECT_TRUE(FileBytes(path).startsWith("\xEF\xBB\xBF\"Time\",")) << path.toStdString();
    }
    EXPECT_TRUE(FileBytes(utf8).contains("\" \xC2\xB0"
                                         "C\","));
}

TEST_F(MainFormTest, UnknownStatusIsAnInternalError) {
    Open();
    Workplace->Document().Status = TRecordStatus(6);
    EXPECT_EQ(InternalErrorOf([&] { Form->ShowResult(); }), "Error switch file Main line 612");
}

TEST_F(MainFormTest, CloseStoresThePlacementUnlessCancelled) {
    Open();
    Form->resize(900, 650);
    Edit("Pending");
    Answers.Box(QMessageBox::Cancel);
    EXPECT_FALSE(Form->close());
    EXPECT_TRUE(Form->isVisible());
    {
        QSettings file(SettingsFile(), QSettings::IniFormat);
        EXPECT_EQ(file.value("MainForm/MainWidth").toInt(), 800) << "nothing written";
    }
    Answers.Box(QMessageBox::No);
    EXPECT_TRUE(Form->close());
    QSettings file(SettingsFile(), QSettings::IniFormat);
    EXPECT_EQ(file.value("MainForm/MainWidth").toInt(), 900);
    EXPECT_EQ(file.value("MainForm/MainHeight").toInt(), 650);
    EXPECT_EQ(file.value("MainForm/MainState").toInt(), 0);
}

TEST_F(MainFormTest, MaximisedWindowReopensMaximised) {
    Open();
    Form->showMaximized();
    ASSERT_TRUE(Form->close());
    EXPECT_TRUE(Workplace->Placement().Maximized);
    EXPECT_TRUE(FileBytes(SettingsFile()).contains("MainState=1"));
    Form.reset();
    Open();
    EXPECT_TRUE(Form->isMaximized());
}

TEST_F(MainFormTest, UnwritableSettingsAreReportedAndTheWindowStillCloses) {
    TWorkplaceOptions options = Options();
    options.SettingsFileName = UnwritablePath("limnaset.INI");
    const QString expected = "Unable to write to " + options.SettingsFileName;
    Answers.Box(QMessageBox::Ok);
    Open(options);
    // The start-up report comes once the window is up.
    for (int i = 0; i < 200 && Answers.Seen.empty(); ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    ASSERT_EQ(Answers.Seen.size(), 1u);
    EXPECT_EQ(Answers.Seen[0].Text, expected);
    EXPECT_EQ(Workplace->Placement().Width, 800);
    EXPECT_FALSE(Act("DataRead")->isEnabled()) << "creation went on after the failure";

    Answers.Box(QMessageBox::Ok);
    EXPECT_TRUE(Form->close());
    ASSERT_EQ(Answers.Seen.size(), 2u);
    EXPECT_EQ(Answers.Seen[1].Text, expected);
}

TEST_F(MainFormTest, ViewCommandsSwitchPages) {
    Open();
    Act("ViewLog")->trigger();
    EXPECT_EQ(Form->ShownPage(), TPage::Log);
    EXPECT_EQ(Child<QStackedWidget>("PageControl")->currentWidget(), Child<QWidget>("LogTab"));
    EXPECT_TRUE(Form->ToolButton("ToolLog")->isChecked());
    EXPECT_FALSE(Form->ToolButton("ToolStatus")->isChecked());
    EXPECT_TRUE(Act("MenuViewLog")->isChecked());
    Act("MenuViewSampler")->trigger();
    EXPECT_EQ(Form->ShownPage(), TPage::Sampler);
    EXPECT_TRUE(Act("ViewSampler")->isChecked());
    EXPECT_FALSE(Act("ViewLog")->isChecked());
    // Pressing the button of the page already shown leaves it pressed.
    Form->ToolButton("ToolSampler")->click();
    EXPECT_TRUE(Form->ToolButton("ToolSampler")->isChecked());
    Act("ViewStatus")->trigger();
    EXPECT_EQ(Form->ShownPage(), TPage::Status);
}

TEST_F(MainFormTest, LogTableCutsNoTextOff) {
    TClock::SetFixed(Moment(2024, 12, 28, 23, 59,
                            58)); // the widest time of day: the new log's record carries it
    Open();
    auto table = Child<QTableWidget>("LogTable");
    ASSERT_EQ(table->rowCount(), 3);
    ASSERT_FALSE(table->item(2, 1)->text().isEmpty());
    for (int r = 0; r < table->rowCount(); ++r) {
        for (int c = 0; c < table->columnCount(); ++c) {
            const QTableWidgetItem* item = table->item(r, c);
            if (!item) continue;
            EXPECT_GT(table->columnWidth(c),
                      table->fontMetrics().horizontalAdvance(item->text()) + 4)
                << item->text().toStdString();
        }
    }
    Act("ViewLog")->trigger();
    Form->resize(1024, 700);
    QApplication::processEvents();
    EXPECT_EQ(table->columnWidth(0), 42) << "with room, narrow texts keep the designed width";
}

TEST_F(MainFormTest, PropertiesChangesTheLanguageOnlyOnOk) {
    Open();
    Answers.Window([](QWidget* window) {
        auto dialog = qobject_cast<TPropertiesDialog*>(window);
        ASSERT_TRUE(dialog);
        EXPECT_EQ(dialog->windowTitle(), "Program Properties");
        QComboBox* list = dialog->findChild<QComboBox*>("PropertiesLanguage");
        ASSERT_EQ(list->count(), 13);
        EXPECT_EQ(list->itemText(0), "<Default>");
        EXPECT_EQ(list->itemText(5), "German");
        EXPECT_EQ(list->itemText(12), "Spanish");
        EXPECT_EQ(list->currentIndex(), 0);
        list->setCurrentIndex(5);
        dialog->findChild<QPushButton*>("CancelBtn")->click();
    });
    Act("FileProperties")->trigger();
    EXPECT_EQ(Workplace->Properties().LanguageId, 0);
    EXPECT_TRUE(Answers.Seen.empty());

    Answers.Window([](QWidget* window) {
        auto dialog = qobject_cast<TPropertiesDialog*>(window);
        ASSERT_TRUE(dialog);
        dialog->findChild<QComboBox*>("PropertiesLanguage")->setCurrentIndex(5);
        dialog->findChild<QPushButton*>("OKBtn")->click();
    });
    Answers.Box(QMessageBox::Ok);
    Act("FileProperties")->trigger();
    EXPECT_EQ(Workplace->Properties().LanguageId, 5);
    EXPECT_EQ(Answers.Boxes(),
              QStringList{"Warning: New language will be set after program restart"});
    EXPECT_EQ(Workplace->StoredLanguageCode(), "deu");

    // OK without a change says nothing.
    Answers.Window([](QWidget* window) {
        auto dialog = qobject_cast<TPropertiesDialog*>(window);
        ASSERT_TRUE(dialog);
        EXPECT_EQ(dialog->findChild<QComboBox*>("PropertiesLanguage")->currentIndex(), 5);
        dialog->findChild<QPushButton*>("OKBtn")->click();
    });
    Act("FileProperties")->trigger();
    EXPECT_EQ(Answers.Seen.size(), 1u);
}

// A Connector read under the wrong code page shows the right letters once the right one is
// chosen; a value the pages refuse keeps the old code page until it is mended.
TEST_F(MainFormTest, PropertiesCodePageReadsTheDocumentTextsAgain) {
    TCodePageGuard restore(TAnsiText::CodePage());
    Open();
    Workplace->SetUiLanguage(QLocale::English);
    Workplace->ApplyCodePage();
    ASSERT_EQ(TAnsiText::CodePage(), TCodePage::Western);
    const QString czech = QStringLiteral("Čeňk Łódź");
    Workplace->Document().ConnectorName =
        TAnsiText::Recode(czech, TCodePage::CentralEuropean, TCodePage::Western);
    Form->RefreshControls();
    auto choose = [this](int index, bool refused) {
        Answers.Window([index](QWidget* window) {
            auto list = window->findChild<QComboBox*>("PropertiesCodePage");
            ASSERT_TRUE(list);
            list->setCurrentIndex(index);
            window->findChild<QPushButton*>("OKBtn")->click();
        });
        if (refused) Answers.Box(QMessageBox::Ok);
        Act("FileProperties")->trigger();
    };
    choose(1, false);
    EXPECT_EQ(Workplace->Properties().CodePageChoice, 1250);
    EXPECT_EQ(TAnsiText::CodePage(), TCodePage::CentralEuropean);
    EXPECT_EQ(Name(), czech);
    EXPECT_EQ(Child<QLabel>("LblConnectorName")->text(), czech);
    EXPECT_FALSE(Workplace->IsModified()) << "the bytes stay as they were";
    ASSERT_TRUE(Workplace->SaveSettings());
    EXPECT_EQ(QSettings(SettingsFile(), QSettings::IniFormat).value("Properties/CodePage"), 1250);

    Child<QLineEdit>("EdtSamplesPerBottle")->setText("x");
    choose(0, true);
    EXPECT_EQ(Answers.Boxes().last(), "Error: Invalid format of parameter");
    EXPECT_EQ(Workplace->Properties().CodePageChoice, 1250);
    EXPECT_EQ(Name(), czech);

    // Under "<Default>" the language of the texts decides.
    const std::pair<QLocale::Language, TCodePage> rules[] = {
        {QLocale::Russian, TCodePage::Cyrillic},   {QLocale::Slovak, TCodePage::CentralEuropean},
        {QLocale::Lithuanian, TCodePage::Baltic},  {QLocale::Romanian, TCodePage::CentralEuropean},
        {QLocale::Bulgarian, TCodePage::Cyrillic}, {QLocale::Spanish, TCodePage::Western}};
    SetChoice(*Workplace, &TProperties::CodePageChoice, 0);
    for (const auto& [language, page] : rules) {
        Workplace->SetUiLanguage(language);
        EXPECT_EQ(Workplace->CodePage(), page) << QLocale::languageToString(language).toStdString();
    }
    SetChoice(*Workplace, &TProperties::CodePageChoice, 1257);
    EXPECT_EQ(Workplace->CodePage(), TCodePage::Baltic);
}

TEST_F(MainFormTest, AboutShowsTheVersion) {
    Open();
    QString version;
    QString product;
    Answers.Window([&](QWidget* window) {
        auto box = qobject_cast<TAboutBox*>(window);
        ASSERT_TRUE(box);
        version = box->findChild<QLabel*>("Version")->text();
        product = box->findChild<QLabel*>("ProductName")->text();
        box->findChild<QPushButton*>("OKButton")->click();
    });
    Act("HelpAbout")->trigger();
    EXPECT_EQ(version, "Version : 2.30");
    EXPECT_EQ(product, "Limnaset - Connector programmer");
}

TEST_F(MainFormTest, ExceptionsEndInTheStandardBox) {
    Answers.Box(QMessageBox::Ok);
    const bool result =
        TApplication::Guarded([]() -> bool { throw TInternalError::OnFile("R7200", 102); });
    EXPECT_FALSE(result);
    ASSERT_EQ(Answers.Seen.size(), 1u);
    EXPECT_EQ(Answers.Seen[0].Text, "Error on file R7200 line 102");
    EXPECT_TRUE(TApplication::Guarded([] { return true; }));
}

} // namespace
