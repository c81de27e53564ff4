#include "Workplace.h"

#include "ConnectorCalendar.h"
#include "HistoryWindow.h"
#include "ImageLayout.h"
#include "InternalError.h"
#include "KelbDevice.h"
#include "Languages.h"
#include "LittleEndian.h"
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
const QString KeyTop = QStringLiteral("MainForm/MainTop");
const QString KeyLeft = QStringLiteral("MainForm/MainLeft");
const QString KeyWidth = QStringLiteral("MainForm/MainWidth");
const QString KeyHeight = QStringLiteral("MainForm/MainHeight");
const QString KeyState = QStringLiteral("MainForm/MainState");
const QString KeyLanguage = QStringLiteral("MainForm/LanguageId");
const QString KeyBackup = QStringLiteral("Properties/BackupBeforeWrite");
const QString KeyDatabase = QStringLiteral("Properties/HistoryDatabase");
const QString KeyCodePage = QStringLiteral("Properties/CodePage");

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
    : Device(std::make_unique<TKelbDevice>(std::move(options.Provider))),
      SettingsFileName(options.SettingsFileName.isEmpty() ? DefaultSettingsFileName()
                                                          : options.SettingsFileName),
      LanguageStoreFileName(options.LanguageStoreFileName),
      ExecutablePath(options.ExecutablePath.isEmpty() ? QCoreApplication::applicationFilePath()
                                                      : options.ExecutablePath),
      Archive(options.ArchiveFolder.isEmpty() ? TArchive::DefaultFolder() : options.ArchiveFolder) {
    SetDaylightRuleSource([this] { return DaylightRule; });
}

TWorkplace::~TWorkplace() {
    SetDaylightRuleSource({});
}

bool TWorkplace::LoadSettings() {
    Settings = std::make_unique<QSettings>(SettingsFileName, QSettings::IniFormat);
    Version = ReadInt(*Settings, KeyVersion);
    if (Version == SettingsVersion) {
        MainTop = ReadInt(*Settings, KeyTop);
        MainLeft = ReadInt(*Settings, KeyLeft);
        MainWidth = ReadInt(*Settings, KeyWidth);
        MainHeight = ReadInt(*Settings, KeyHeight);
        MainState = ReadInt(*Settings, KeyState) != 0;
        LanguageId = ReadInt(*Settings, KeyLanguage);
        // Files from before the option back up, as a fresh one does.
        BackupBeforeWrite = Settings->value(KeyBackup, 1).toInt() != 0;
        CodePageChoice = ReadInt(*Settings, KeyCodePage);
        if (!TAnsiText::CodePageOfNumber(CodePageChoice)) CodePageChoice = 0;
        HistoryDatabase = Settings->value(KeyDatabase).toString();
        SetHistoryPlace(HistoryDatabase);
        ApplyCodePage();
        return true;
    }
    Settings.reset();
    QFile::remove(SettingsFileName);
    Settings = std::make_unique<QSettings>(SettingsFileName, QSettings::IniFormat);
    Settings->clear(); // forget what a cached copy of the old file still holds
    Version = SettingsVersion;
    MainTop = 0;
    MainLeft = 0;
    MainWidth = 800;
    MainHeight = 600;
    MainState = false;
    LanguageId = 0;
    BackupBeforeWrite = true;
    CodePageChoice = 0;
    HistoryDatabase.clear();
    ApplyCodePage();
    return SaveSettings();
}

bool TWorkplace::SaveSettings() {
    if (!Settings) Settings = std::make_unique<QSettings>(SettingsFileName, QSettings::IniFormat);
    Version = SettingsVersion;
    Settings->setValue(KeyVersion, Version);
    Settings->setValue(KeyTop, MainTop);
    Settings->setValue(KeyLeft, MainLeft);
    Settings->setValue(KeyWidth, MainWidth);
    Settings->setValue(KeyHeight, MainHeight);
    Settings->setValue(KeyState, MainState ? 1 : 0);
    Settings->setValue(KeyLanguage, LanguageId);
    Settings->setValue(KeyBackup, BackupBeforeWrite ? 1 : 0);
    Settings->setValue(KeyCodePage, CodePageChoice);
    Settings->setValue(KeyDatabase, HistoryDatabase);
    SetHistoryPlace(HistoryDatabase);
    Settings->sync();
    return Settings->status() == QSettings::NoError;
}

void TWorkplace::NewDocument() {
    RecreateRecord();
    FileName.clear();
    Modified = false;
}

bool TWorkplace::OpenFile(const QString& name) {
    RecreateRecord();
    if (!Record->LoadFromFile(name)) return false;
    FileName = name;
    Modified = false;
    return true;
}

bool TWorkplace::SaveFile(const QString& name) {
    if (!Record->SaveToFile(name)) return false;
    FileName = name;
    Modified = false;
    return true;
}

bool TWorkplace::ReadConnector() {
    NewDocument();
    ForgetConnector();
    const bool ok = Record->ReadFromConnector();
    ReadNotArchived = TArchive::Keeps(*Record) && !Remember(*Record);
    return ok;
}

bool TWorkplace::WriteConnector() {
    // Whatever the write reached, the archived content is no longer what the Connector holds.
    ForgetConnector();
    return Record->WriteToConnector();
}

TCodePage TWorkplace::CodePage() const {
    return TAnsiText::CodePageOfNumber(CodePageChoice).value_or(TAnsiText::CodePageFor(UiLanguage));
}

void TWorkplace::ApplyCodePage() const {
    TAnsiText::SetCodePage(CodePage());
}

TBackup TWorkplace::BackUpConnector() {
    if (LastRead && SameConnector()) return TBackup::Known;
    ForgetConnector();
    if (!BackupBeforeWrite) return TBackup::Skipped;
    TR7200 read;
    read.Device = Device.get();
    read.ReadFromConnector();
    if (!read.ReadComplete) return TBackup::ReadFailed;
    if (!TArchive::Keeps(read)) return TBackup::Unreadable;
    return Remember(read) ? TBackup::Kept : TBackup::ArchiveFailed;
}

bool TWorkplace::Remember(const TR7200& read) {
    TArchiveEntry entry;
    const QString path = Archive.Keep(read);
    if (path.isEmpty() || !TArchive::Describe(path, entry)) return false;
    KeepReadInHistory(path);
    LastRead = entry;
    return true;
}

bool TWorkplace::SameConnector() {
    uint8_t serial[4] = {};
    return Device->ReadBlock(TImageLayout::SerialNumber, serial, 4) &&
           le::Get32(serial) == LastRead->SerialNumber;
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
    Record->Device = Device.get();
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
    const QString tree = QDir(buildDir).canonicalPath();
    const QString folder = exe.absolutePath();
    const bool inTree =
        !tree.isEmpty() &&
        (QDir(folder).canonicalPath() + QLatin1Char('/')).startsWith(tree + QLatin1Char('/'));
    if (inTree && QFileInfo(folder).isWritable()) return folder + QLatin1Char('/') + name;
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
