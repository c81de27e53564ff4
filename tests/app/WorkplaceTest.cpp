#include "Workplace.h"
#include "AppTestSupport.h"
#include "ConnectorCalendar.h"
#include "InternalError.h"
#include "KelbDevice.h"
#include "Languages.h"
#include "MsgTemplate.h"
#include "R7200.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

namespace {

class WorkplaceTest : public TFormFixture {
protected:
    std::unique_ptr<TWorkplace> Make() { return std::make_unique<TWorkplace>(Options()); }

    void WriteSettings(const QString& text) { WriteFileBytes(SettingsFile(), text.toLatin1()); }

    int Stored(const QString& key) {
        QSettings file(SettingsFile(), QSettings::IniFormat);
        return file.value(key, -1).toInt();
    }

    void ExpectStored(const std::vector<std::pair<const char*, int>>& values) {
        for (const auto& [key, value] : values)
            EXPECT_EQ(Stored(key), value) << key;
    }
    void ExpectFactoryFile() {
        ExpectStored({{"Properties/Version", 256},
                      {"MainForm/MainTop", 0},
                      {"MainForm/MainLeft", 0},
                      {"MainForm/MainWidth", 800},
                      {"MainForm/MainHeight", 600},
                      {"MainForm/MainState", 0},
                      {"MainForm/LanguageId", 0}});
    }
};

TEST_F(WorkplaceTest, AbsentSettingsFileIsCreatedWithFactoryValues) {
    auto workplace = Make();
    EXPECT_TRUE(workplace->LoadSettings());
    EXPECT_EQ(workplace->Placement().Width, 800);
    EXPECT_EQ(workplace->Placement().Height, 600);
    EXPECT_FALSE(workplace->Placement().Maximized);
    ExpectFactoryFile();
    // The language value is not touched at start.
    EXPECT_FALSE(QFile::exists(StoreFile()));
}

TEST_F(WorkplaceTest, WrongVersionResetsEverything) {
    for (int version : {255, 257}) {
        WriteSettings(QString("[Properties]\nVersion=%1\n[MainForm]\nMainTop=33\nMainWidth=1000\n"
                              "MainState=1\nLanguageId=5\nOther=7\n")
                          .arg(version));
        auto workplace = Make();
        EXPECT_TRUE(workplace->LoadSettings());
        EXPECT_EQ(workplace->Placement().Top, 0) << version;
        EXPECT_EQ(workplace->Placement().Width, 800) << version;
        EXPECT_EQ(workplace->Properties().LanguageId, 0) << version;
        ExpectFactoryFile();
        EXPECT_EQ(Stored("MainForm/Other"), -1) << "the old file is replaced, not patched";
    }
}

TEST_F(WorkplaceTest, ValidFileIsUsedAsItIs) {
    WriteSettings("[Properties]\nVersion=256\n[MainForm]\nMainTop=40\nMainLeft=50\n"
                  "MainHeight=480\nMainState=1\nLanguageId=13\n");
    auto workplace = Make();
    EXPECT_TRUE(workplace->LoadSettings());
    EXPECT_EQ(workplace->Placement().Top, 40);
    EXPECT_EQ(workplace->Placement().Left, 50);
    EXPECT_EQ(workplace->Placement().Width, 0) << "a missing key reads as 0 and is not repaired";
    EXPECT_EQ(workplace->Placement().Height, 480);
    EXPECT_TRUE(workplace->Placement().Maximized);
    EXPECT_EQ(workplace->Properties().LanguageId, 13);
}

TEST_F(WorkplaceTest, SaveSettingsWritesAllKeysWithBooleanAsDigit) {
    auto workplace = Make();
    workplace->LoadSettings();
    workplace->SetPlacement({11, 12, 1013, 714, true});
    SetChoice(*workplace, &TProperties::LanguageId, 5);
    EXPECT_TRUE(workplace->SaveSettings());
    const QByteArray text = FileBytes(SettingsFile());
    EXPECT_TRUE(text.contains("MainState=1")) << text.toStdString();
    EXPECT_TRUE(text.contains("[Properties]")) << text.toStdString();
    ExpectStored({{"MainForm/MainTop", 11},
                  {"MainForm/MainLeft", 12},
                  {"MainForm/MainWidth", 1013},
                  {"MainForm/MainHeight", 714},
                  {"MainForm/LanguageId", 5}});
}

TEST_F(WorkplaceTest, UnwritableSettingsFileIsReportedNotThrown) {
    TWorkplaceOptions options = Options();
    options.SettingsFileName = UnwritablePath("limnaset.INI");
    TWorkplace workplace(options);
    EXPECT_FALSE(workplace.LoadSettings());
    EXPECT_EQ(workplace.Placement().Width, 800) << "the factory values are in use all the same";
    EXPECT_FALSE(workplace.SaveSettings());
}

TEST_F(WorkplaceTest, DocumentOperationsKeepNameAndMark) {
    auto workplace = Make();
    workplace->NewDocument();
    workplace->Document().ConnectorName = "Saved";
    workplace->SetModified(true);
    const QString path = FilePath("saved.r72");
    ASSERT_TRUE(workplace->SaveFile(path));
    EXPECT_EQ(workplace->FileName(), path);
    EXPECT_FALSE(workplace->IsModified());

    workplace->SetModified(true);
    EXPECT_FALSE(workplace->OpenFile(FilePath("missing.r72")));
    EXPECT_EQ(workplace->Document().Status, StatusFileError);
    EXPECT_EQ(workplace->FileName(), path) << "a failed open keeps the old name";
    EXPECT_TRUE(workplace->IsModified());

    ASSERT_TRUE(workplace->OpenFile(path));
    EXPECT_EQ(workplace->Document().ConnectorName, "Saved");
    EXPECT_FALSE(workplace->IsModified());

    workplace->SetModified(true);
    EXPECT_FALSE(workplace->SaveFile(Dir.path()));
    EXPECT_EQ(workplace->FileName(), path);
    EXPECT_TRUE(workplace->IsModified());
}

TEST_F(WorkplaceTest, FailedConnectorReadLeavesNewUnnamedDocument) {
    auto workplace = Make();
    workplace->NewDocument();
    const QTemporaryDir dir;
    ASSERT_TRUE(workplace->SaveFile(dir.filePath("old.r72")));
    workplace->SetModified(true);
    // The fresh simulated Connector holds erased memory: the checksum cannot match.
    EXPECT_FALSE(workplace->ReadConnector().Ok());
    EXPECT_EQ(workplace->Document().Status, StatusCommError);
    EXPECT_TRUE(workplace->FileName().isEmpty());
    EXPECT_FALSE(workplace->IsModified());
}

TEST_F(WorkplaceTest, CalendarFollowsTheDaylightRuleWhileTheWorkplaceLives) {
    {
        auto workplace = Make();
        EXPECT_EQ(DaylightRule(), 1);
        workplace->SetDaylightRule(2);
        EXPECT_EQ(DaylightRule(), 2);
    }
    EXPECT_EQ(DaylightRule(), 1);
}

TEST_F(WorkplaceTest, ApplyLanguageWritesCodeAndTellsTheUser) {
    auto workplace = Make();
    SetChoice(*workplace, &TProperties::LanguageId, 5);
    Answers.Box(QMessageBox::Ok);
    workplace->ApplyLanguage();
    EXPECT_EQ(Answers.Boxes(),
              QStringList{"Warning: New language will be set after program restart"});
    EXPECT_EQ(workplace->StoredLanguageCode(), "deu");
    EXPECT_EQ(TWorkplace::StoredLanguageCode("/opt/limnaset/bin/limnaset", StoreFile()), "deu");
    EXPECT_EQ(TWorkplace::StoredLanguageCode("/opt/other/limnaset", StoreFile()), "")
        << "the value belongs to one executable path";
    QFile store(StoreFile());
    ASSERT_TRUE(store.open(QIODevice::ReadOnly));
    EXPECT_EQ(store.readAll(), "/opt/limnaset/bin/limnaset=deu\n") << "the store is plain text";

    SetChoice(*workplace, &TProperties::LanguageId, 0);
    Answers.Box(QMessageBox::Ok);
    workplace->ApplyLanguage();
    EXPECT_EQ(workplace->StoredLanguageCode(), "") << "<Default> deletes the value";
    EXPECT_EQ(Answers.Boxes(),
              QStringList(2, "Warning: New language will be set after program restart"));

    // Deleting a value that is not there is no error either.
    Answers.Box(QMessageBox::Ok);
    workplace->ApplyLanguage();
    EXPECT_EQ(Answers.Seen.size(), 3u);
}

TEST_F(WorkplaceTest, EveryListEntryHasItsCode) {
    const char* codes[] = {"",    "bgr", "csy", "enu", "fra", "deu", "ita",
                           "lth", "plk", "rom", "rus", "sky", "esp"};
    auto workplace = Make();
    for (int id = 0; id < TLanguages::Count; ++id) {
        SetChoice(*workplace, &TProperties::LanguageId, id);
        Answers.Box(QMessageBox::Ok);
        workplace->ApplyLanguage();
        EXPECT_EQ(workplace->StoredLanguageCode(), codes[id]) << id;
        if (id > 0) {
            EXPECT_EQ(TLanguages::IdOfCode(codes[id]), id);
        }
    }
    EXPECT_EQ(TLanguages::CodeForLocale(QLocale(QLocale::German, QLocale::Austria)), "deu");
    EXPECT_EQ(TLanguages::CodeForLocale(QLocale(QLocale::Japanese)), "");
}

TEST_F(WorkplaceTest, OnlyABuildTreeKeepsItsSettingsBesideTheProgram) {
    const TEnvironmentGuard config("XDG_CONFIG_HOME", FilePath("config"));
    const QString build = FilePath("build");
    ASSERT_TRUE(QDir().mkpath(build + "/src/app"));
    const QString perUser = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    struct TRow {
        QString Executable;
        QString Settings;
    };
    const TRow rows[] = {
        {build + "/src/app/limnaset", build + "/src/app/limnaset.INI"},
        {"/usr/bin/limnaset", perUser + "/limnaset.INI"},
        {FilePath("build-other/limnaset"), perUser + "/limnaset.INI"},
    };
    for (const TRow& row : rows)
        EXPECT_EQ(TWorkplace::DefaultSettingsFileName(row.Executable, build), row.Settings)
            << row.Executable.toStdString();
}

TEST_F(WorkplaceTest, UncoveredLanguageRaisesBeforeTheStoreIsTouched) {
    auto workplace = Make();
    SetChoice(*workplace, &TProperties::LanguageId, 13);
    EXPECT_EQ(InternalErrorOf([&] { workplace->ApplyLanguage(); }),
              "Error switch file Workplace line 237");
    EXPECT_FALSE(QFile::exists(StoreFile()));
}

TEST_F(WorkplaceTest, UnwritableLanguageStoreShowsRegistryError) {
    TWorkplaceOptions options = Options();
    options.LanguageStoreFileName = UnwritablePath("locales.ini");
    TWorkplace workplace(options);
    SetChoice(workplace, &TProperties::LanguageId, 5);
    Answers.Box(QMessageBox::Ok);
    workplace.ApplyLanguage();
    EXPECT_EQ(Answers.Boxes(), QStringList{"Error: Windows Registry error"});
    EXPECT_EQ(workplace.Properties().LanguageId, 5) << "the choice is kept for the settings file";
}

TEST(MsgTemplateTest, TextsAreFoundByNameInTheirOrder) {
    EXPECT_EQ(TMsgTemplate::Find("MsgConfirmation"), MsgConfirmation);
    EXPECT_EQ(TMsgTemplate::Find("MsgWrongVersion"), MsgWrongVersion);
    EXPECT_EQ(TMsgTemplate::Find("MsgNothing"), MsgCount);
    EXPECT_EQ(int(MsgCount), 55);
    for (int i = 0; i < MsgCount; ++i) {
        const auto id = TMsgId(i);
        EXPECT_EQ(TMsgTemplate::Find(TMsgTemplate::Name(id)), id) << i;
        EXPECT_FALSE(Msg(id).isEmpty()) << i;
    }
    EXPECT_EQ(Msg(MsgNoname), "<noname>");
    EXPECT_EQ(Msg(MsgFileExistsQ), "File already exists. Do You want to overwrite it ?");
    EXPECT_EQ(Msg(MsgSampleTemperature), "External T");
    EXPECT_EQ(Msg(MsgEnvironmentTemperature), "Box T");
    EXPECT_EQ(Msg(MsgAnalog2Range), "EVENT/AUX analog input disabled");
}

} // namespace
