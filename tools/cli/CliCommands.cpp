#include "CliCommands.h"
#include "CliDiff.h"

#include "AnsiText.h"

#include "Archive.h"
#include "CliHistory.h"
#include "CliOutcome.h"
#include "CliPlan.h"
#include "CliProgram.h"
#include "CliReport.h"
#include "ConnectorCalendar.h"
#include "ConnectorSession.h"
#include "LogExport.h"
#include "MsgTemplate.h"
#include "ProgramCompare.h"
#include "ProgressBar.h"
#include "R7200.h"
#include "RecordReport.h"
#include "Version.h"
#include "WholeFile.h"

#include <QCommandLineParser>
#include <QLocale>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <functional>
#include <optional>

namespace {

void Write(std::FILE* stream, const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

void Out(const QString& line) {
    Write(stdout, (line + u'\n').toUtf8());
}

// What a Connector command did, told again on standard error when standard output fails:
// the Connector is changed, and where its old bytes went must not be lost.
QStringList& Outcome() {
    static QStringList lines;
    return lines;
}

// A line of the outcome, on standard output.
void Report(const QString& line) {
    Out(line);
    Outcome().append(line);
}

struct TArguments {
    const QCommandLineParser& Parser;
    QStringList Files;
};

constexpr int AnyNumber = 1 << 20;

struct TCommand {
    QString Name;
    QString Synopsis;
    QString Description;
    // Positional arguments the command takes, from MinFiles to MaxFiles.
    int MinFiles;
    int MaxFiles;
    QList<QCommandLineOption> Options;
    std::function<int(const TArguments&)> Run;
};

// The options every command takes, last in each help text.
const QString CommonOptionsHelp = QStringLiteral(
    "  --port PATH          use the serial device PATH as the adapter (sets LIMNASET_PORT)\n"
    "  --codepage N         Connector texts in code page N: 1250, 1251, 1252 or 1257\n"
    "                       (default: the one of the locale's language)\n"
    "  --help               show this help\n\n");

QString CommandHelp(const TCommand& command) {
    QString help =
        QStringLiteral("Usage: limnaset-cli [--port PATH] [--codepage N] %1\n\n%2\n\nOptions:\n")
            .arg(command.Synopsis, command.Description);
    for (const QCommandLineOption& option : command.Options) {
        QStringList names;
        for (const QString& name : option.names())
            names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        QString left = names.join(QStringLiteral(", "));
        if (!option.valueName().isEmpty()) left += u' ' + option.valueName();
        help += QStringLiteral("  %1 %2\n").arg(left, -20).arg(option.description());
    }
    return help + CommonOptionsHelp + OutcomeTable();
}

TCliOutcome Load(TR7200& record, const QString& path) {
    return record.LoadFromFile(path) ? TCliOutcome::Ok : OutcomeOfStatus(record.Status);
}

// Only the large kind is usable.
TCliOutcome Probe(TConnectorSession& session) {
    return OutcomeOfProbe(session.Probe());
}

std::atomic<std::atomic<bool>*> CancelFlag{nullptr};

extern "C" void RequestCancel(int) {
    if (std::atomic<bool>* flag = CancelFlag.load()) flag->store(true);
}

// While it lives, Ctrl+C stops the session's transfer after its current block.
class TInterruptible {
public:
    explicit TInterruptible(TConnectorSession& session) {
        CancelFlag = &session.CancelFlag();
        Previous = std::signal(SIGINT, RequestCancel);
    }
    ~TInterruptible() {
        std::signal(SIGINT, Previous);
        CancelFlag = nullptr;
    }
    TInterruptible(const TInterruptible&) = delete;
    TInterruptible& operator=(const TInterruptible&) = delete;

private:
    void (*Previous)(int) = SIG_DFL;
};

int Interrupted(const QString& text) {
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    return int(TCliOutcome::Interrupted);
}

// A progress bar for each pass of a transfer.
class TProgress : public TSessionObserver {
public:
    explicit TProgress(TConnectorSession& session) : Session(session) { Session.SetObserver(this); }
    ~TProgress() override {
        Done();
        Session.SetObserver(nullptr);
    }
    TProgress(const TProgress&) = delete;
    TProgress& operator=(const TProgress&) = delete;

    void Progress(TPass pass, int percent) override {
        if (!Bar || pass != Pass) {
            Done();
            Bar.emplace(stderr);
            Pass = pass;
        }
        Bar->Show(percent);
    }
    void Retried(TPass, int) override {}
    // Ends the bar's line before anything else is printed.
    void Done() {
        if (Bar) Bar->Finish();
        Bar.reset();
    }

private:
    TConnectorSession& Session;
    std::optional<TProgressBar> Bar;
    TPass Pass = TPass::Read;
};

// What the archived bytes hold, when it is not a whole program.
QString HoldingNote(const TImageHolding& holding) {
    switch (holding.Header) {
    case TImageHolding::Intact:
        break;
    case TImageHolding::Damaged:
        return QStringLiteral(" (the program header is damaged)");
    case TImageHolding::OtherVersion:
        return QStringLiteral(" (the program is of another version)");
    }
    return {};
}

void ReportNotArchived(const TConnectorSession& session) {
    std::fprintf(stderr, "%s\n",
                 TMsgTemplate::SourceText(MsgReadNotArchived)
                     .arg(session.Archive().Folder())
                     .toUtf8()
                     .constData());
}

int RunNew(const TArguments& a) {
    TR7200 record;
    record.SamplerMode = TR7200::NewDocumentSamplerMode;
    if (!record.SaveToFile(a.Files[0])) return Finish(OutcomeOfStatus(record.Status));
    return 0;
}

int RunInfo(const TArguments& a) {
    TR7200 record;
    if (const TCliOutcome loaded = Load(record, a.Files[0]); loaded != TCliOutcome::Ok)
        return Finish(loaded);
    if (a.Parser.isSet(QStringLiteral("json")))
        Write(stdout, RecordJson(record));
    else
        Write(stdout, RecordText(record, a.Parser.isSet(QStringLiteral("raw"))).toUtf8());
    return 0;
}

int RunDump(const TArguments& a) {
    TR7200 record;
    if (const TCliOutcome loaded = Load(record, a.Files[0]); loaded != TCliOutcome::Ok)
        return Finish(loaded);
    Write(stdout, RecordDump(record).toUtf8());
    return 0;
}

int RunLog(const TArguments& a) {
    TR7200 record;
    if (const TCliOutcome loaded = Load(record, a.Files[0]); loaded != TCliOutcome::Ok)
        return Finish(loaded);
    const TCsvEncoding encoding =
        a.Parser.isSet(QStringLiteral("utf8")) ? TCsvEncoding::Utf8 : TCsvEncoding::CodePage;
    if (a.Parser.isSet(QStringLiteral("output"))) {
        return ExportLogCsv(record, a.Parser.value(QStringLiteral("output")), {}, encoding)
                   ? 0
                   : Finish(TCliOutcome::FileError);
    }
    // The file is data; a terminal gets the units' control characters shown, as info does.
    record.Analog1.Units = VisibleText(record.Analog1.Units);
    record.Analog2.Units = VisibleText(record.Analog2.Units);
    Write(stdout, LogCsvBytes(record, {}, encoding));
    return 0;
}

int RunDiffOf(const TArguments& a) {
    return RunDiff(a.Parser, a.Files);
}

int RunPlanOf(const TArguments& a) {
    return RunPlan(a.Parser, a.Files[0]);
}

int RunStatus(const TArguments&) {
    TConnectorSession session;
    const TConnectorProbe probe = session.Probe();
    if (!probe.Adapter) {
        const int code = Finish(TCliOutcome::NoAdapter);
        if (const QString why = session.Device().WhyNoAdapter(); !why.isEmpty())
            std::fprintf(stderr, "%s\n", why.toUtf8().constData());
        return code;
    }
    QString adapter = session.Device().AdapterText();
    if (adapter.endsWith(u'\n')) adapter.chop(1);
    Out(QStringLiteral("Adapter: ") + adapter);
    const TCliOutcome outcome = OutcomeOfProbe(probe);
    if (outcome == TCliOutcome::CommError) return Finish(outcome);
    QString connector = OutcomeText(outcome);
    QString clock = QStringLiteral("?");
    if (outcome == TCliOutcome::Ok) {
        connector = TMsgTemplate::SourceText(MsgConnectorOk);
        bool answered = false;
        const TDateTime value = session.ReadClock(&answered);
        if (answered)
            clock = value != 0 ? DateTimeText(value) : OutcomeText(TCliOutcome::ClockNotSet);
    }
    Out(QStringLiteral("Connector: ") + connector);
    Out(QStringLiteral("Connector clock: ") + clock);
    Out(QStringLiteral("PC clock: ") + DateTimeText(TClock::Now()));
    return 0;
}

// Reads the Connector through a session, its bytes archived; 0, or the exit code with its
// message printed.
int ReadThroughSession(TReadResult& read) {
    TConnectorSession session;
    const TInterruptible interruptible(session);
    if (const TCliOutcome probe = Probe(session); probe != TCliOutcome::Ok) return Finish(probe);
    {
        const TProgress progress(session);
        read = session.Read();
    }
    if (read.Cancelled) return Interrupted(TMsgTemplate::SourceText(MsgReadCancelled));
    if (read.ArchiveFailed) ReportNotArchived(session);
    return 0;
}

} // namespace

int ReadAndArchive(TR7200& record, QString* archived) {
    TReadResult read;
    if (const int code = ReadThroughSession(read); code != 0) return code;
    if (archived) *archived = read.ArchivePath;
    record = read.Document;
    return read.Ok() ? 0 : Finish(OutcomeOfStatus(read.Document.Status));
}

namespace {

int RunRead(const TArguments& a) {
    TReadResult read;
    if (const int code = ReadThroughSession(read); code != 0) return code;
    const bool raw = a.Parser.isSet(QStringLiteral("raw"));
    if (read.Whole && raw) {
        const QByteArray bytes(reinterpret_cast<const char*>(read.Raw.data()),
                               qsizetype(read.Raw.size()));
        if (WriteWholeFile(a.Files[0], bytes) != TWholeFileWrite::Ok)
            return Finish(TCliOutcome::FileError);
    }
    if (!read.Ok()) {
        const int code = Finish(OutcomeOfStatus(read.Document.Status));
        // The document cannot be made, but the Connector's bytes are safe: say where.
        if (!read.ArchivePath.isEmpty())
            std::fprintf(stderr, "%s\n",
                         QStringLiteral("The bytes as read are archived: %1, log records: %2%3")
                             .arg(read.ArchivePath)
                             .arg(read.Holding.LogRecords)
                             .arg(HoldingNote(read.Holding))
                             .toUtf8()
                             .constData());
        return code;
    }
    if (!raw && !read.Document.SaveToFile(a.Files[0]))
        return Finish(OutcomeOfStatus(read.Document.Status));
    return 0;
}

// What the write changes against the Connector's bytes the backup archived; no read of its own.
void ReportChanges(const QString& backup, const TR7200& next) {
    for (const QString& line : ChangesOverBackup(backup, next, true))
        Report(VisibleText(line));
}

int RunWrite(const TArguments& a) {
    TR7200 record;
    if (const TCliOutcome loaded = Load(record, a.Files[0]); loaded != TCliOutcome::Ok)
        return Finish(loaded);
    if (const int refused = RefuseInvalidProgram(record)) return refused;
    TConnectorSession session;
    const TInterruptible interruptible(session);
    if (const TCliOutcome probe = Probe(session); probe != TCliOutcome::Ok) return Finish(probe);
    const bool force = a.Parser.isSet(QStringLiteral("force"));
    TWriteReport report;
    {
        TProgress progress(session);
        const bool backup = !a.Parser.isSet(QStringLiteral("no-backup"));
        report = session.Write(record, backup, [&](const TBackupReport& b) {
            progress.Done();
            switch (b.Outcome) {
            case TBackup::Known:
            case TBackup::Kept:
                Report(QStringLiteral("Backup: %1, log records: %2%3")
                           .arg(b.Path)
                           .arg(b.Holding.LogRecords)
                           .arg(HoldingNote(b.Holding)));
                ReportChanges(b.Path, record);
                return true;
            case TBackup::Unreadable:
                if (force) {
                    Report(QStringLiteral("Backup: none, the Connector could not be read whole"));
                    ReportChanges({}, record);
                }
                return force;
            case TBackup::Skipped:
                ReportChanges({}, record);
                return true;
            case TBackup::ArchiveFailed:
            case TBackup::Cancelled:
                break;
            }
            return false;
        });
    }
    switch (report.Backup.Outcome) {
    case TBackup::Cancelled:
        return Interrupted(TMsgTemplate::SourceText(MsgBackupCancelled));
    case TBackup::ArchiveFailed:
        std::fprintf(stderr, "%s\n",
                     TMsgTemplate::SourceText(MsgBackupArchiveFailed)
                         .arg(session.Archive().Folder())
                         .toUtf8()
                         .constData());
        return int(TCliOutcome::BackupFailed);
    case TBackup::Unreadable:
        if (!report.Confirmed) return Finish(TCliOutcome::BackupUnreadable);
        break;
    default:
        break;
    }
    if (report.Written) {
        Outcome().append(QStringLiteral("The Connector is written and verified"));
        return 0;
    }
    const TVerifyResult& verify = report.Verify;
    const QString partly = TMsgTemplate::SourceText(MsgPartlyWritten);
    if (report.Cancelled)
        return Interrupted(TMsgTemplate::SourceText(MsgWriteCancelled) + u'\n' + partly);
    if (verify.Outcome == TVerifyResult::Mismatch)
        std::fprintf(stderr, "verification failed at 0x%04X: %d %s\n", verify.FirstAddress,
                     verify.DifferingBytes,
                     verify.DifferingBytes == 1 ? "byte differs" : "bytes differ");
    const int code = Finish(OutcomeOfStatus(record.Status));
    // Stopped before the read-back: some blocks hold the new program, some the old.
    if (verify.Outcome == TVerifyResult::NotRun)
        std::fprintf(stderr, "%s\n", partly.toUtf8().constData());
    return code;
}

int RunArchive(const TArguments& a) {
    const TArchive archive;
    const QList<TArchiveEntry> entries = archive.List(a.Parser.value(QStringLiteral("serial")));
    if (a.Parser.isSet(QStringLiteral("newest"))) {
        if (entries.isEmpty()) {
            std::fprintf(stderr, "no archived image\n");
            return int(TCliOutcome::FileError);
        }
        Out(entries.constFirst().Path);
        return 0;
    }
    Out(QStringLiteral("Serial\tName\tRead\tRecords\tNewest record\tFile"));
    for (const TArchiveEntry& e : entries)
        Out(QStringList{TArchive::SerialText(e.SerialNumber), VisibleText(e.ConnectorName),
                        DateTimeText(ToDateTime(e.ReadAt)), QString::number(e.LogCount),
                        e.NewestRecord ? DateTimeText(e.NewestRecord) : QStringLiteral("-"), e.Path}
                .join(u'\t'));
    return 0;
}

int RunClock(const TArguments& a) {
    TConnectorSession session;
    if (const TCliOutcome probe = Probe(session); probe != TCliOutcome::Ok) return Finish(probe);
    if (a.Parser.isSet(QStringLiteral("set")) && !session.SetClock(TClock::Now()))
        return Finish(TCliOutcome::CommError);
    bool answered = false;
    const TDateTime clock = session.ReadClock(&answered);
    if (!answered) return Finish(TCliOutcome::CommError);
    if (clock == 0) return Finish(TCliOutcome::ClockNotSet);
    Out(DateTimeText(clock));
    return 0;
}

QList<TCommand> Commands() {
    using O = QCommandLineOption;
    return {
        {QStringLiteral("new"),
         QStringLiteral("new FILE"),
         QStringLiteral("Saves a new document (periodical sampling, default program) as FILE."),
         1,
         1,
         {},
         RunNew},
        {QStringLiteral("info"),
         QStringLiteral("info FILE [--json] [--raw]"),
         QStringLiteral("Prints the Connector data, the program as its pages show it and as raw\n"
                        "fields, and a summary of the event log of FILE."),
         1,
         1,
         {O(QStringLiteral("json"), QStringLiteral("one JSON object keyed by field names")),
          O(QStringLiteral("raw"), QStringLiteral("the raw fields only, not the pages' texts"))},
         RunInfo},
        {QStringLiteral("dump"),
         QStringLiteral("dump FILE"),
         QStringLiteral("Prints every field of the image map of FILE with its offset, width and\n"
                        "raw bytes."),
         1,
         1,
         {},
         RunDump},
        {QStringLiteral("log"),
         QStringLiteral("log FILE [-o OUT.csv] [--utf8]"),
         QStringLiteral("Exports the event log of FILE as CSV, to OUT.csv or standard output."),
         1,
         1,
         {O(QStringList{QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("CSV file"),
            QStringLiteral("OUT.csv")),
          O(QStringLiteral("utf8"),
            QStringLiteral("UTF-8 with a byte-order mark instead of the code page"))},
         RunLog},
        {QStringLiteral("diff"),
         QStringLiteral("diff A (B | --connector | --archive SERIAL) [--json]"),
         QStringLiteral("Prints each program field whose value differs between the documents A\n"
                        "and B, one a line: field, its text in A and in B, tabs between. B may\n"
                        "be the Connector (read and archived, nothing written) or the newest\n"
                        "archived read of the Connector SERIAL. Exits 0 when no program field\n"
                        "differs, 1 when any does; the serial number and the log are no program\n"
                        "field and are told on standard error."),
         1, 2, DiffOptions(), RunDiffOf},
        {QStringLiteral("plan"),
         QStringLiteral("plan FILE [--connector] [--from YYYY-MM-DDTHH:MM:SS] [--days N] "
                        "[--pulses-per-hour N] [--flow PERCENT] [--capacity N] "
                        "[--json | --csv | --ics]"),
         QStringLiteral("Plans what the program of FILE will do: its starts, samples, bottle\n"
                        "changes, the full distributor and the day the event log is full, with\n"
                        "a summary and warnings."),
         1, 1, PlanOptions(), RunPlanOf},
        {QStringLiteral("status"),
         QStringLiteral("status"),
         QStringLiteral("Probes the adapter and the Connector once and prints the adapter,\n"
                        "the Connector, its clock and the PC clock."),
         0,
         0,
         {},
         RunStatus},
        {QStringLiteral("read"),
         QStringLiteral("read FILE [--raw]"),
         QStringLiteral("Reads the Connector into a document and saves it as FILE; the bytes as\n"
                        "read are also kept in the archive, whatever they hold. A damaged\n"
                        "program leaves FILE unwritten and names the archived file."),
         1,
         1,
         {O(QStringLiteral("raw"),
            QStringLiteral("save the bytes as read, even of a damaged program"))},
         RunRead},
        {QStringLiteral("write"),
         QStringLiteral("write FILE [--no-backup] [--force]"),
         QStringLiteral("Reads and archives the Connector, then writes the program of FILE to\n"
                        "it, starting a new event log, and verifies the write. A Connector\n"
                        "that cannot be read whole is not written without --force."),
         1,
         1,
         {O(QStringLiteral("no-backup"),
            QStringLiteral("write without reading the Connector first")),
          O(QStringLiteral("force"),
            QStringLiteral("write even when the Connector cannot be read for its backup"))},
         RunWrite},
        {QStringLiteral("get"),
         QStringLiteral("get FILE [FIELD...] [--json]"),
         QStringLiteral("Prints the program's fields of FILE as the pages and dialogs show them,\n"
                        "one FIELD<TAB>TEXT a line; all of them without FIELD."),
         1,
         AnyNumber,
         {O(QStringLiteral("json"), QStringLiteral("every field in one JSON object"))},
         [](const TArguments& a) {
             return RunGetProgram(a.Files, a.Parser.isSet(QStringLiteral("json")));
         }},
        {QStringLiteral("set"),
         QStringLiteral("set FILE FIELD=TEXT... [-o OUT]"),
         QStringLiteral("Sets fields of the program of FILE, each TEXT read as its editor reads\n"
                        "it; when any is refused, nothing is written."),
         2,
         AnyNumber,
         {O(QStringList{QStringLiteral("o"), QStringLiteral("output")},
            QStringLiteral("save to OUT, not FILE"), QStringLiteral("OUT"))},
         [](const TArguments& a) {
             return RunSetProgram(a.Files, a.Parser.value(QStringLiteral("output")));
         }},
        {QStringLiteral("apply"),
         QStringLiteral("apply FILE PROGRAM.json [-o OUT]"),
         QStringLiteral("Sets the fields of a get --json object in the program of FILE, as set\n"
                        "does."),
         2,
         2,
         {O(QStringList{QStringLiteral("o"), QStringLiteral("output")},
            QStringLiteral("save to OUT, not FILE"), QStringLiteral("OUT"))},
         [](const TArguments& a) {
             return RunApplyProgram(a.Files, a.Parser.value(QStringLiteral("output")));
         }},
        {QStringLiteral("schema"),
         QStringLiteral("schema"),
         QStringLiteral("Prints the JSON Schema of the get --json object."),
         0,
         0,
         {},
         [](const TArguments&) { return RunProgramSchema(); }},
        {QStringLiteral("archive"),
         QStringLiteral("archive [--serial SERIAL] [--newest]"),
         QStringLiteral("Lists the archived Connector images, newest first, one a line with tabs\n"
                        "between serial number, name, time of the read, log records, newest\n"
                        "record and file; --newest prints only the newest file's path."),
         0,
         0,
         {O(QStringLiteral("serial"), QStringLiteral("only serial numbers containing SERIAL"),
            QStringLiteral("SERIAL")),
          O(QStringLiteral("newest"), QStringLiteral("print the newest file's path only"))},
         RunArchive},
        {QStringLiteral("clock"),
         QStringLiteral("clock [--set]"),
         QStringLiteral("Prints the Connector clock; with --set, sets it from the PC clock first."),
         0,
         0,
         {O(QStringLiteral("set"), QStringLiteral("set the Connector clock to the PC clock"))},
         RunClock},
        {QStringLiteral("history"),
         QStringLiteral("history SERIAL [--csv] [--utf8] [--from DATE] [--to DATE] | --rebuild"),
         QStringLiteral("Prints every record of every read of the Connector SERIAL once, in time\n"
                        "order, in the columns of 'log'; --rebuild makes the history database\n"
                        "again from the archive."),
         0,
         1,
         {O(QStringLiteral("csv"), QStringLiteral("CSV, byte for byte as 'log' writes it")),
          O(QStringLiteral("utf8"), QStringLiteral("CSV in UTF-8 with a byte-order mark")),
          O(QStringLiteral("from"), QStringLiteral("records from this day on"),
            QStringLiteral("DATE")),
          O(QStringLiteral("to"), QStringLiteral("records up to this day"), QStringLiteral("DATE")),
          O(QStringLiteral("rebuild"), QStringLiteral("rebuild the database from the archive"))},
         [](const TArguments& a) { return RunHistory(a.Parser, a.Files); }},
        {QStringLiteral("site"),
         QStringLiteral("site [SERIAL NAME [--from DATE]]"),
         QStringLiteral("Names the site of the Connector SERIAL from today (or DATE) on; without\n"
                        "arguments lists serial, site, reads, first and last record."),
         0,
         2,
         {O(QStringLiteral("from"), QStringLiteral("the day the name holds from"),
            QStringLiteral("DATE"))},
         [](const TArguments& a) { return RunSite(a.Parser, a.Files); }},
        {QStringLiteral("report"), ReportSynopsis(), ReportDescription(),
         0, // FILE, or none with --connector
         1, ReportOptions(), [](const TArguments& a) { return RunReport(a.Parser, a.Files); }},
    };
}

QString GeneralHelp() {
    QString help =
        QStringLiteral("Usage: limnaset-cli [--port PATH] [--codepage N] COMMAND [ARGS]\n\n"
                       "Commands (COMMAND --help for more):\n");
    for (const TCommand& c : Commands())
        help += QStringLiteral("  %1\n").arg(c.Synopsis);
    return help + QStringLiteral("\nOptions:\n") + CommonOptionsHelp.chopped(1) +
           QStringLiteral("  --version            show the version\n\n") + OutcomeTable();
}

int UsageError(const QString& message) {
    std::fprintf(stderr, "limnaset-cli: %s\nTry 'limnaset-cli --help'.\n",
                 message.toUtf8().constData());
    return int(TCliOutcome::Usage);
}

// Takes every "--NAME VALUE" and "--NAME=VALUE" out of the arguments, wherever it stands,
// and hands each value to take, which may refuse it with an error.
bool TakeOption(QStringList& arguments, const QString& name, const QString& missing,
                const std::function<bool(const QString&, QString&)>& take, QString& error) {
    const QString flag = QStringLiteral("--") + name;
    for (qsizetype i = 0; i < arguments.size();) {
        QString value;
        if (arguments[i] == flag) {
            if (i + 1 >= arguments.size()) {
                error = missing;
                return false;
            }
            value = arguments[i + 1];
            arguments.remove(i, 2);
        } else if (arguments[i].startsWith(flag + u'=')) {
            value = arguments[i].mid(flag.size() + 1);
            arguments.remove(i);
        } else {
            ++i;
            continue;
        }
        if (!take(value, error)) return false;
    }
    return true;
}

// --port hands its device to the port search.
bool TakePort(QStringList& arguments, QString& error) {
    const QString missing = QStringLiteral("--port needs a PATH");
    return TakeOption(
        arguments, QStringLiteral("port"), missing,
        [&missing](const QString& path, QString& refused) {
            if (path.isEmpty())
                refused = missing;
            else
                qputenv("LIMNASET_PORT", path.toLocal8Bit());
            return !path.isEmpty();
        },
        error);
}

// Without --codepage the locale's language picks the code page, as the window's language
// does in the program.
bool TakeCodePage(QStringList& arguments, QString& error) {
    TAnsiText::SetCodePage(TAnsiText::CodePageFor(QLocale::system().language()));
    return TakeOption(
        arguments, QStringLiteral("codepage"), QStringLiteral("--codepage needs a number"),
        [](const QString& value, QString& refused) {
            bool number = false;
            const std::optional<TCodePage> page = TAnsiText::CodePageOfNumber(value.toInt(&number));
            if (!number || !page) {
                refused = QStringLiteral("--codepage takes 1250, 1251, 1252 or 1257, not '%1'")
                              .arg(value);
                return false;
            }
            TAnsiText::SetCodePage(*page);
            return true;
        },
        error);
}

// What a command printed must have reached standard output, or the run did not succeed;
// then what it did to the Connector is told first.
int Flushed(int code) {
    const bool written = std::fflush(stdout) == 0 && !std::ferror(stdout);
    if (written) return code;
    for (const QString& line : Outcome())
        std::fprintf(stderr, "%s\n", line.toUtf8().constData());
    return code != 0 ? code : Finish(TCliOutcome::FileError);
}

int RunCommand(QStringList arguments) {
    QString error;
    if (!TakePort(arguments, error) || !TakeCodePage(arguments, error)) return UsageError(error);
    if (arguments.isEmpty()) return UsageError(QStringLiteral("no command given"));
    const QString name = arguments.takeFirst();
    if (name == QStringLiteral("--help") || name == QStringLiteral("-h") ||
        name == QStringLiteral("help")) {
        Write(stdout, GeneralHelp().toUtf8());
        return 0;
    }
    if (name == QStringLiteral("--version")) {
        Out(QStringLiteral("limnaset-cli ") + QStringLiteral(LIMNASET_VERSION));
        return 0;
    }
    for (const TCommand& command : Commands()) {
        if (command.Name != name) continue;
        QCommandLineParser parser;
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOptions(command.Options);
        parser.addOption(
            QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
        if (!parser.parse(QStringList{QStringLiteral("limnaset-cli")} + arguments))
            return UsageError(parser.errorText());
        if (parser.isSet(QStringLiteral("help"))) {
            Write(stdout, CommandHelp(command).toUtf8());
            return 0;
        }
        const QStringList files = parser.positionalArguments();
        if (files.size() < command.MinFiles || files.size() > command.MaxFiles)
            return UsageError(QStringLiteral("usage: limnaset-cli %1").arg(command.Synopsis));
        return command.Run({parser, files});
    }
    return UsageError(QStringLiteral("unknown command '%1'").arg(name));
}

} // namespace

int RunCli(QStringList arguments) {
    return GuardInternalErrors([&arguments] {
        const int code = RunCommand(std::move(arguments));
        TellHistoryTrouble();
        return Flushed(code);
    });
}
