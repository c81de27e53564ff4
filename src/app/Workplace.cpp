#include "Workplace.h"

#include "BuildTree.h"
#include "ConnectorCalendar.h"
#include "History.h"
#include "HistoryWindow.h"
#include "InternalError.h"
#include "Languages.h"
#include "MessageBox.h"
#include "MsgTemplate.h"
#include "R7200.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString KeyVersion = QStringLiteral("Properties/Version");

int ReadInt(QSettings& settings, const QString& key) {
    bool ok = false;
    const int value = settings.value(key).toInt(&ok);
    return ok ? value : 0;
}

// The language store is a text of "executable path=code" lines. Its keys are stored as
// the paths themselves, not in the INI format's escapes of the escapes.
QString UnescapedKey(QString key) {
    key.replace(QStringLiteral("%5C"), QStringLiteral("\\"));
    key.replace(QStringLiteral("%2F"), QStringLiteral("/"));
    key.replace(QStringLiteral("%25"), QStringLiteral("%"));
    return key;
}

bool ReadLanguageStore(QIODevice& device, QSettings::SettingsMap& map) {
    const QStringList lines = QString::fromUtf8(device.readAll()).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const qsizetype equals = line.lastIndexOf(QLatin1Char('='));
        if (equals <= 0 || line.startsWith(QLatin1Char('#'))) continue;
        map.insert(TWorkplace::LanguageKey(line.left(equals)), line.mid(equals + 1).trimmed());
    }
    return true;
}

bool WriteLanguageStore(QIODevice& device, const QSettings::SettingsMap& map) {
    QByteArray text;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        text +=
            (UnescapedKey(it.key()) + QLatin1Char('=') + it.value().toString() + QLatin1Char('\n'))
                .toUtf8();
    return device.write(text) == text.size();
}

} // namespace

TWorkplace::TWorkplace(TWorkplaceOptions options)
    : SettingsFile(options.SettingsFileName.isEmpty() ? DefaultSettingsFileName()
                                                      : options.SettingsFileName),
      LanguageStoreFileName(options.LanguageStoreFileName),
      ExecutablePath(options.ExecutablePath.isEmpty() ? QCoreApplication::applicationFilePath()
                                                      : options.ExecutablePath),
      Session(std::move(options.Provider),
              TArchive(options.ArchiveFolder.isEmpty() ? TArchive::DefaultFolder()
                                                       : options.ArchiveFolder)) {
    SetDaylightRuleSource([this] { return DaylightRule; });
    Session.SetArchivedListener([](const QString&, const QByteArray&) { TellHistoryTrouble(); });
}

TWorkplace::~TWorkplace() {
    SetDaylightRuleSource({});
}

// A file of this version is read value by value; a missing or unreadable value reads as
// Fallback. Any other file is replaced by the factory values.
const std::vector<TWorkplace::TSettingRow>& TWorkplace::SettingRows() {
    static const std::vector<TSettingRow> rows = {
        {QStringLiteral("MainForm/MainTop"), &TWorkplace::MainTop, 0, 0},
        {QStringLiteral("MainForm/MainLeft"), &TWorkplace::MainLeft, 0, 0},
        {QStringLiteral("MainForm/MainWidth"), &TWorkplace::MainWidth, 800, 0},
        {QStringLiteral("MainForm/MainHeight"), &TWorkplace::MainHeight, 600, 0},
        {QStringLiteral("MainForm/MainState"), &TWorkplace::MainState, 0, 0},
        {QStringLiteral("MainForm/LanguageId"), &TWorkplace::LanguageId, 0, 0},
        // Files from before the option back up, as a fresh one does.
        {QStringLiteral("Properties/BackupBeforeWrite"), &TWorkplace::BackupBeforeWrite, 1, 1},
        {QStringLiteral("Properties/CodePage"), &TWorkplace::CodePageChoice, 0, 0,
         [](const QVariant& number) {
             return TAnsiText::CodePageOfNumber(number.toInt()).has_value();
         }},
        {QStringLiteral("Properties/HistoryDatabase"), &TWorkplace::HistoryDatabase, QString(),
         QString()},
    };
    return rows;
}

bool TWorkplace::SetSetting(const TSettingRow& row, const QVariant& value) {
    bool ok = true;
    std::visit(
        [this, &row, &value, &ok](auto member) {
            using TValue = std::remove_cvref_t<decltype(this->*member)>;
            if constexpr (std::is_same_v<TValue, QString>) {
                this->*member = value.toString();
            } else {
                const int number = value.toInt(&ok);
                const QVariant accepted =
                    ok && (!row.Valid || row.Valid(number)) ? QVariant(number) : row.Factory;
                this->*member = TValue(accepted.toInt());
            }
        },
        row.Member);
    return ok;
}

QVariant TWorkplace::Setting(const TSettingRow& row) const {
    return std::visit(
        [this](auto member) -> QVariant {
            using TValue = std::remove_cvref_t<decltype(this->*member)>;
            if constexpr (std::is_same_v<TValue, QString>)
                return this->*member;
            else
                return int(this->*member);
        },
        row.Member);
}

void TWorkplace::ApplySettings() const {
    ApplyCodePage();
    SetHistoryPlace(HistoryDatabase);
}

TWindowPlacement TWorkplace::Placement() const {
    return {MainTop, MainLeft, MainWidth, MainHeight, MainState};
}

void TWorkplace::SetPlacement(const TWindowPlacement& placement) {
    MainTop = placement.Top;
    MainLeft = placement.Left;
    MainWidth = placement.Width;
    MainHeight = placement.Height;
    MainState = placement.Maximized;
}

TProperties TWorkplace::Properties() const {
    return {LanguageId, BackupBeforeWrite, CodePageChoice, HistoryDatabase};
}

void TWorkplace::SetProperties(const TProperties& properties) {
    LanguageId = properties.LanguageId;
    BackupBeforeWrite = properties.BackupBeforeWrite;
    CodePageChoice = properties.CodePageChoice;
    HistoryDatabase = properties.HistoryDatabase.trimmed();
}

bool TWorkplace::LoadSettings() {
    Settings = std::make_unique<QSettings>(SettingsFile, QSettings::IniFormat);
    Version = ReadInt(*Settings, KeyVersion);
    if (Version == SettingsVersion) {
        for (const TSettingRow& row : SettingRows()) {
            const QVariant value = Settings->value(row.Key, row.Fallback);
            if (!SetSetting(row, value)) SetSetting(row, row.Fallback);
        }
        ApplySettings();
        return true;
    }
    Settings.reset();
    QFile::remove(SettingsFile);
    Settings = std::make_unique<QSettings>(SettingsFile, QSettings::IniFormat);
    Settings->clear(); // forget what a cached copy of the old file still holds
    Version = SettingsVersion;
    for (const TSettingRow& row : SettingRows())
        SetSetting(row, row.Factory);
    ApplySettings();
    return SaveSettings();
}

bool TWorkplace::SaveSettings() {
    if (!Settings) Settings = std::make_unique<QSettings>(SettingsFile, QSettings::IniFormat);
    Version = SettingsVersion;
    Settings->setValue(KeyVersion, Version);
    for (const TSettingRow& row : SettingRows())
        Settings->setValue(row.Key, Setting(row));
    SetHistoryPlace(HistoryDatabase);
    Settings->sync();
    return Settings->status() == QSettings::NoError;
}

void TWorkplace::NewDocument() {
    RecreateRecord();
    DocumentFile.clear();
    Modified = false;
}

bool TWorkplace::OpenFile(const QString& name) {
    RecreateRecord();
    if (!Record->LoadFromFile(name)) return false;
    DocumentFile = name;
    Modified = false;
    return true;
}

bool TWorkplace::OpenAsNew(const QString& name) {
    const bool ok = OpenFile(name);
    DocumentFile.clear();
    return ok;
}

bool TWorkplace::SaveFile(const QString& name) {
    if (!Record->SaveToFile(name)) return false;
    DocumentFile = name;
    Modified = false;
    return true;
}

const TReadResult& TWorkplace::ReadConnector() {
    NewDocument();
    ReadResult = Session.Read();
    *Record = ReadResult.Document;
    return ReadResult;
}

TWriteReport TWorkplace::WriteConnector(const TConnectorSession::TConfirm& confirm) {
    return Session.Write(*Record, BackupBeforeWrite, confirm);
}

TCodePage TWorkplace::CodePage() const {
    return TAnsiText::CodePageOfNumber(CodePageChoice).value_or(TAnsiText::CodePageFor(Language));
}

void TWorkplace::ApplyCodePage() const {
    TAnsiText::SetCodePage(CodePage());
}

void TWorkplace::ApplyLanguage(QWidget* parent) {
    if (LanguageId < 0 || LanguageId >= TLanguages::Count)
        throw TInternalError::Switch("Workplace", 237);
    const QString code = TLanguages::Code(LanguageId);
    auto store = OpenLanguageStore();
    if (!store->isWritable()) {
        TMessageBox::Show(QStringLiteral("Windows Registry error"), Msg(MsgError), TMessageBox::Ok,
                          parent);
        return;
    }
    const QString key = LanguageKey(ExecutablePath);
    if (code.isEmpty())
        store->remove(key);
    else
        store->setValue(key, code);
    store->sync();
    store.reset();
    TMessageBox::Show(Msg(MsgNewLanguage), Msg(MsgWarning), TMessageBox::Ok, parent);
}

void TWorkplace::RecreateRecord() {
    Record.reset();
    Record = std::make_unique<TR7200>();
}

QString TWorkplace::StoredLanguageCode() const {
    return StoredLanguageCode(ExecutablePath, LanguageStoreFileName);
}

QString TWorkplace::DefaultSettingsFileName() {
    return DefaultSettingsFileName(QCoreApplication::applicationFilePath(),
                                   QStringLiteral(LIMNASET_BUILD_DIR));
}

QString TWorkplace::DefaultSettingsFileName(const QString& executablePath,
                                            const QString& buildDir) {
    const QFileInfo exe(executablePath);
    const QString name = exe.completeBaseName() + QStringLiteral(".INI");
    // Only a program run from its build tree keeps the file beside it: an installed one
    // lies in a system folder, which root could write to but must not.
    const QString folder = exe.absolutePath();
    if (InBuildTree(folder, buildDir) && QFileInfo(folder).isWritable())
        return folder + QLatin1Char('/') + name;
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);
    return config + QLatin1Char('/') + name;
}

QString TWorkplace::LanguageKey(const QString& executablePath) {
    QString key = executablePath;
    key.replace(QLatin1Char('%'), QStringLiteral("%25"));
    key.replace(QLatin1Char('/'), QStringLiteral("%2F"));
    key.replace(QLatin1Char('\\'), QStringLiteral("%5C"));
    return key;
}

QString TWorkplace::StoredLanguageCode(const QString& executablePath,
                                       const QString& storeFileName) {
    return OpenLanguageStore(storeFileName)->value(LanguageKey(executablePath)).toString();
}

std::unique_ptr<QSettings> TWorkplace::OpenLanguageStore() const {
    return OpenLanguageStore(LanguageStoreFileName);
}

std::unique_ptr<QSettings> TWorkplace::OpenLanguageStore(const QString& storeFileName) {
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("conf"), ReadLanguageStore, WriteLanguageStore);
    if (!storeFileName.isEmpty()) return std::make_unique<QSettings>(storeFileName, format);
    return std::make_unique<QSettings>(format, QSettings::UserScope, QStringLiteral("Limnaset"),
                                       QStringLiteral("Locales"));
}
