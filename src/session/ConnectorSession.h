#pragma once

#include "Archive.h"
#include "DateTime.h"
#include "KelbDevice.h"
#include "R7200.h"

#include <QByteArray>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class TPortProvider;

// The passes of the transfers, as the progress display names them.
enum class TPass { Read, Backup, Check, Write, Verify };

// Hears how a transfer goes; every call comes from the thread that runs it.
class TSessionObserver {
public:
    virtual ~TSessionObserver() = default;
    virtual void Progress(TPass pass, int percent) = 0;
    // The exchanges sent again since the transfer began.
    virtual void Retried(TPass pass, int retries) = 0;
};

// What a whole image holds, told from its raw bytes without repairing anything.
struct TImageHolding {
    enum THeader { Intact, Damaged, OtherVersion };
    THeader Header = Damaged;
    int LogRecords = 0;

    static TImageHolding Of(const uint8_t* image);
};

struct TReadResult {
    std::vector<uint8_t> Raw; // the image as it arrived; beyond Arrived bytes it is 0xFF
    bool Whole = false;       // all 32768 bytes arrived
    bool Cancelled = false;
    TImageHolding Holding;      // meaningful when Whole
    TR7200 Document;            // Status tells whether it is whole
    QString ArchivePath;        // "" when not archived
    bool ArchiveFailed = false; // whole, but the archive could not store it

    bool Ok() const { return Document.Status == StatusOk; }
};

// What the backup before a write found.
enum class TBackup {
    Known,         // the archived read still matches the Connector's log: nothing read again
    Kept,          // read and archived now
    Skipped,       // switched off by the caller
    Unreadable,    // the bytes did not all arrive: nothing could be kept
    ArchiveFailed, // read, but not stored: nothing may be written
    Cancelled,     // stopped by the user: nothing written
};

struct TBackupReport {
    TBackup Outcome = TBackup::Skipped;
    QString Path;          // the archived file that holds the Connector's bytes, if any
    TImageHolding Holding; // what those bytes hold
};

struct TWriteReport {
    TBackupReport Backup;
    bool Confirmed = false; // the caller agreed to write after hearing of the backup
    bool Cancelled = false; // stopped during the write or its read-back
    bool Written = false;   // every block was written and the read-back equals them
    TVerifyResult Verify;
};

// One Connector in one adapter, as the window and the tool work with it: reads keep their
// bytes in the archive before anything interprets them, a write backs up first.
class TConnectorSession {
public:
    explicit TConnectorSession(std::shared_ptr<TPortProvider> provider = {},
                               TArchive archive = TArchive());

    TKelbDevice& Device() { return Link; }
    const TKelbDevice& Device() const { return Link; }
    const TArchive& Archive() const { return Store; }

    void SetObserver(TSessionObserver* observer) { Observer = observer; }
    // Every image kept in the archive, by a read or a backup, is told here with its bytes.
    void SetArchivedListener(std::function<void(const QString& path, const QByteArray& bytes)> f) {
        OnArchived = std::move(f);
    }
    // Safe from a signal handler: the transfer under way stops after its current block.
    std::atomic<bool>& CancelFlag() { return Link.CancelFlag(); }
    void RequestCancel() { Link.CancelFlag() = true; }
    // Exchanges sent again since the current read or write began.
    int Retries() const { return Link.Retries(); }

    TConnectorProbe Probe() { return Link.Probe(); }
    TConnectorState ProbeConnector() { return Link.ProbeConnector(); }

    TReadResult Read();
    // Called with the backup's outcome before anything is written; false writes nothing.
    using TConfirm = std::function<bool(const TBackupReport&)>;
    // Backs up (unless `backup` is false or the archived read is still what the Connector
    // holds), asks, then writes the document's program with a new log and verifies it. On
    // success the document holds what the Connector holds; otherwise its log stays.
    TWriteReport Write(TR7200& document, bool backup, const TConfirm& confirm);

    bool SetClock(TDateTime t);
    // 0 when the clock does not answer or holds no valid time (unset: 2000-01-01 00:00:00);
    // `answered` tells the two apart.
    TDateTime ReadClock(bool* answered = nullptr);

    // The archived read of the Connector in the adapter, if it is known.
    std::optional<TArchiveEntry> LastRead() const;
    // The Connector may have left the adapter: its archived read no longer tells its content.
    void Forget() { Known.reset(); }

private:
    struct TKnownRead {
        TArchiveEntry Entry;
        std::vector<uint8_t> Raw;
    };

    // The one place where a whole read enters the archive.
    QString KeepInArchive(const std::vector<uint8_t>& raw);
    TReadResult Transfer(TPass pass);
    TBackupReport BackUp();
    // The Connector still ends its log where the known read ends it: a few blocks only.
    bool StillAsKnown();
    bool WriteImage(const TR7200& image, TWriteReport& report);
    // A read or a write starts: no cancel or retry of an earlier one counts.
    void Begin();
    // Runs one pass with progress and retries told to the observer, exceptions included.
    template <class F> bool InPass(TPass pass, F transfer);

    TKelbDevice Link;
    TArchive Store;
    TSessionObserver* Observer = nullptr;
    std::function<void(const QString&, const QByteArray&)> OnArchived;
    std::optional<TKnownRead> Known;
};
