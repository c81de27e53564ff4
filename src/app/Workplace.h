#pragma once

#include "AnsiText.h"
#include "Archive.h"

#include <QLocale>
#include <QString>
#include <memory>
#include <optional>

class QSettings;
class QWidget;
class TKelbDevice;
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

// What the backup before a write found.
enum class TBackup {
    Known,         // the Connector has stayed in the adapter since its read was archived
    Kept,          // read and archived now
    Skipped,       // switched off in Properties
    Unreadable,    // every byte arrived but they hold no program: nothing to keep
    ReadFailed,    // nothing may be written
    ArchiveFailed, // read, but not stored: nothing may be written
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

    QString FileName;
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
    // The history database named in Properties; "" for the file beside the archive.
    QString HistoryDatabase;
    // 0 follows the language; else the number of the code page chosen in Properties.
    int CodePageChoice = 0;
    // The language this run's texts are in, which picks the code page under choice 0.
    QLocale::Language UiLanguage = QLocale::system().language();
    std::unique_ptr<QSettings> Settings;
    std::unique_ptr<TR7200> Record;
    std::unique_ptr<TKelbDevice> Device;

    QString SettingsFileName;
    QString LanguageStoreFileName;
    QString ExecutablePath;
    TArchive Archive;
    // The archived read of the Connector still in the adapter; the status monitor forgets
    // it when it sees the Connector or the adapter gone.
    std::optional<TArchiveEntry> LastRead;
    // The last Data Read was whole but could not be archived.
    bool ReadNotArchived = false;

    // Reads the settings file, or replaces an absent or invalid one by the factory values.
    // False when that fresh file could not be written.
    bool LoadSettings();
    // False when the file could not be written.
    bool SaveSettings();
    void NewDocument();
    bool OpenFile(const QString& name);
    bool SaveFile(const QString& name);
    bool ReadConnector();
    bool WriteConnector();
    // Reads and archives the Connector before a write, unless its content is known.
    TBackup BackUpConnector();
    void ForgetConnector() { LastRead.reset(); }
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
    bool Remember(const TR7200& read);
    // The Connector in the adapter still carries the serial number of the last read.
    bool SameConnector();
    std::unique_ptr<QSettings> OpenLanguageStore() const;
    static std::unique_ptr<QSettings> OpenLanguageStore(const QString& storeFileName);
};
