#pragma once

#include "AnsiText.h"
#include "Archive.h"
#include "ConnectorSession.h"

#include <QLocale>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

class QSettings;
class QWidget;
class TPortProvider;
class TR7200;

// Where the workplace keeps its files and finds its adapter. Empty values take the
// program's defaults; tests point them at temporary places and a simulated adapter.
struct TWorkplaceOptions {
    std::shared_ptr<TPortProvider> Provider;
    QString SettingsFileName;      // default: DefaultSettingsFileName()
    QString LanguageStoreFileName; // default: the per-user store (organisation "Limnaset")
    QString ExecutablePath;        // names the language value; default: the running program
    QString ArchiveFolder;         // default: TArchive::DefaultFolder()
};

// The main window's place on the screen, kept in the settings file.
struct TWindowPlacement {
    int Top = 0;
    int Left = 0;
    int Width = 0;
    int Height = 0;
    bool Maximized = false;
};

// What File, Properties chooses.
struct TProperties {
    int LanguageId = 0;
    bool BackupBeforeWrite = true;
    // 0 follows the language; else the number of the code page chosen.
    int CodePageChoice = 0;
    // The history database: "" for the file beside the archive, a file or a postgresql:// URL.
    QString HistoryDatabase;

    bool operator==(const TProperties&) const = default;
};

// The application-wide context: settings file, language choice, the current document
// with its file name and modified mark, and the one Connector command object.
class TWorkplace {
public:
    static constexpr int SettingsVersion = 256;

    explicit TWorkplace(TWorkplaceOptions options = {});
    ~TWorkplace();
    TWorkplace(const TWorkplace&) = delete;
    TWorkplace& operator=(const TWorkplace&) = delete;

    // Reads the settings file, or replaces an absent or invalid one by the factory values.
    // False when that fresh file could not be written.
    bool LoadSettings();
    // False when the file could not be written.
    bool SaveSettings();
    // The document, its file ("" for a new one) and whether it changed since.
    TR7200& Document() { return *Record; }
    const TR7200& Document() const { return *Record; }
    const QString& FileName() const { return DocumentFile; }
    bool IsModified() const { return Modified; }
    void SetModified(bool modified) { Modified = modified; }

    TWindowPlacement Placement() const;
    void SetPlacement(const TWindowPlacement& placement);
    TProperties Properties() const;
    void SetProperties(const TProperties& properties);
    // The language this run's texts are in, which picks the code page under choice 0.
    QLocale::Language UiLanguage() const { return Language; }
    void SetUiLanguage(QLocale::Language language) { Language = language; }
    const QString& SettingsFileName() const { return SettingsFile; }
    // The summer-time rule the calendar follows while this workplace lives.
    void SetDaylightRule(int rule) { DaylightRule = rule; }

    void NewDocument();
    bool OpenFile(const QString& name);
    // Opens a file as a new, unnamed document, so that a save never replaces it.
    bool OpenAsNew(const QString& name);
    bool SaveFile(const QString& name);
    // Reads the Connector into a new document; what the read brought, its bytes archived.
    const TReadResult& ReadConnector();
    // Writes the document to the Connector, backed up first as Properties say.
    TWriteReport WriteConnector(const TConnectorSession::TConfirm& confirm);
    // The status monitor saw the Connector or the adapter gone.
    void ForgetConnector() { Session.Forget(); }
    TConnectorSession& Connector() { return Session; }
    TKelbDevice& Device() { return Session.Device(); }
    const TArchive& Archive() const { return Session.Archive(); }
    std::optional<TArchiveEntry> LastRead() const { return Session.LastRead(); }
    const TReadResult& LastReadResult() const { return ReadResult; }
    // Records the language for the next start and tells the user so.
    void ApplyLanguage(QWidget* parent = nullptr);
    void RecreateRecord();
    TCodePage CodePage() const;
    // Puts CodePage() in effect for every text read or written from now on.
    void ApplyCodePage() const;

    // The stored language code for this executable; "" when there is none.
    QString StoredLanguageCode() const;

    // The executable's name with ".INI": beside it when it runs from the build tree and
    // that folder is writable, else in the per-user configuration folder.
    static QString DefaultSettingsFileName();
    static QString DefaultSettingsFileName(const QString& executablePath, const QString& buildDir);
    // The language store's key for an executable path (the store's "/" separates groups).
    static QString LanguageKey(const QString& executablePath);
    static QString StoredLanguageCode(const QString& executablePath,
                                      const QString& storeFileName = {});

private:
    QString DocumentFile;
    bool Modified = false;
    int Version = SettingsVersion;
    int LanguageId = 0;
    int MainTop = 0;
    int MainLeft = 0;
    int MainWidth = 0;
    int MainHeight = 0;
    bool MainState = false;
    int DaylightRule = 1;
    bool BackupBeforeWrite = true;
    int CodePageChoice = 0;
    // "" for the history file beside the archive; else a file or a server.
    QString HistoryDatabase;
    QLocale::Language Language = QLocale::system().language();
    std::unique_ptr<QSettings> Settings;
    std::unique_ptr<TR7200> Record = std::make_unique<TR7200>();
    QString SettingsFile;
    QString LanguageStoreFileName;
    QString ExecutablePath;

    // One stored setting: its key, the member it fills, its factory value, the value a
    // current file stands for without it, and which values it may take (all when empty).
    struct TSettingRow {
        QString Key;
        std::variant<int TWorkplace::*, bool TWorkplace::*, QString TWorkplace::*> Member;
        QVariant Factory;
        QVariant Fallback;
        std::function<bool(const QVariant&)> Valid = {};
    };
    static const std::vector<TSettingRow>& SettingRows();
    // False when the stored value is not of the setting's type.
    bool SetSetting(const TSettingRow& row, const QVariant& value);
    QVariant Setting(const TSettingRow& row) const;
    // Puts the settings in effect where others read them: the code page, the history.
    void ApplySettings() const;

    TConnectorSession Session;
    TReadResult ReadResult;
    std::unique_ptr<QSettings> OpenLanguageStore() const;
    static std::unique_ptr<QSettings> OpenLanguageStore(const QString& storeFileName);
};
