#include "History.h"

#include "Archive.h"
#include "ImageLayout.h"
#include "LittleEndian.h"
#include "R7200.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>
#include <algorithm>
#include <atomic>
#include <map>
#include <set>

namespace {

// Each step takes the schema from its index to the next version. %KEY% and %BYTES% are the
// engine's words for a generated key and for raw bytes.
const QList<QStringList> Migrations = {
    {
        QStringLiteral("CREATE TABLE reads (id %KEY%, serial BIGINT NOT NULL, read_at TEXT NOT "
                       "NULL, name TEXT NOT NULL, archive_file TEXT NOT NULL, record_count "
                       "INTEGER NOT NULL, digest TEXT NOT NULL, program %BYTES% NOT NULL, "
                       "UNIQUE (serial, digest))"),
        QStringLiteral("CREATE TABLE records (serial BIGINT NOT NULL, stamp BIGINT NOT NULL, "
                       "raw %BYTES% NOT NULL, read_id BIGINT NOT NULL REFERENCES reads (id), "
                       "slot INTEGER NOT NULL, PRIMARY KEY (serial, stamp, raw))"),
        QStringLiteral("CREATE TABLE damaged_records (read_id BIGINT NOT NULL REFERENCES reads "
                       "(id), slot INTEGER NOT NULL, raw %BYTES% NOT NULL, PRIMARY KEY (read_id, "
                       "slot))"),
        QStringLiteral("CREATE TABLE sites (serial BIGINT NOT NULL, since TEXT NOT NULL, name "
                       "TEXT NOT NULL, PRIMARY KEY (serial, since))"),
    },
};

// The bytes before the log: identity and program, enough to show a record as its read did.
constexpr int ProgramBytes = TImageLayout::LogArea;
// Rows a statement inserts at once: few round trips to a server, few bound values.
constexpr int RowsPerInsert = 64;
const QString ReadTimeFormat = QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz");

std::atomic<int> Connections{0};

QString Decoded(const QString& text) {
    return QUrl::fromPercentEncoding(text.toUtf8());
}

TR7200 ProgramOf(const QByteArray& bytes) {
    TR7200 read;
    std::copy_n(bytes.constData(), std::min<qsizetype>(bytes.size(), ProgramBytes),
                reinterpret_cast<char*>(read.Image.data()));
    read.Unpack();
    return read;
}

} // namespace

const TProgramBlock& THistoryLog::Newest() const {
    static const TProgramBlock none;
    return Programs.empty() ? none : *Programs.back();
}

QList<TLogRecord> THistoryLog::Records() const {
    QList<TLogRecord> records;
    records.reserve(Entries.size());
    for (const TLogEntry& e : Entries)
        records.append(e.Record);
    return records;
}

std::optional<THistoryPlace> THistoryPlace::Parse(const QString& text) {
    THistoryPlace place;
    const QString t = text.trimmed();
    if (t.isEmpty()) return std::nullopt;
    QString rest;
    for (const QString& scheme : {QStringLiteral("postgresql://"), QStringLiteral("postgres://")})
        if (t.startsWith(scheme, Qt::CaseInsensitive)) rest = t.mid(scheme.size());
    if (rest.isEmpty()) {
        place.File = t.startsWith(QStringLiteral("sqlite:")) ? t.mid(7) : t;
        return place.File.isEmpty() ? std::nullopt : std::optional(place);
    }
    place.Server = true;
    QString query;
    if (const qsizetype q = rest.indexOf(u'?'); q >= 0) {
        query = rest.mid(q + 1);
        rest.truncate(q);
    }
    // The socket folder may stand percent-encoded in the host part.
    const qsizetype slash = rest.indexOf(u'/');
    QString authority = slash < 0 ? rest : rest.left(slash);
    place.Database = slash < 0 ? QString() : Decoded(rest.mid(slash + 1));
    if (const qsizetype at = authority.lastIndexOf(u'@'); at >= 0) {
        const QString user = authority.left(at);
        authority = authority.mid(at + 1);
        const qsizetype colon = user.indexOf(u':');
        place.User = Decoded(colon < 0 ? user : user.left(colon));
        if (colon >= 0) place.Password = Decoded(user.mid(colon + 1));
    }
    if (const qsizetype colon = authority.lastIndexOf(u':'); colon >= 0) {
        bool number = false;
        place.Port = authority.mid(colon + 1).toInt(&number);
        if (!number || place.Port <= 0 || place.Port > 65535) return std::nullopt;
        authority.truncate(colon);
    }
    place.Host = Decoded(authority);
    for (const QString& pair : query.split(u'&', Qt::SkipEmptyParts)) {
        const QString key = pair.section(u'=', 0, 0);
        const QString value = Decoded(pair.section(u'=', 1));
        if (key == QStringLiteral("host"))
            place.Host = value;
        else if (key == QStringLiteral("port"))
            place.Port = value.toInt();
    }
    if (place.Database.isEmpty()) return std::nullopt;
    return place;
}

QString THistoryPlace::Text() const {
    if (!Server) return File;
    QString text = QStringLiteral("postgresql://");
    if (!User.isEmpty()) text += User + u'@';
    text += Host.startsWith(u'/') ? QString() : Host;
    if (Port > 0) text += u':' + QString::number(Port);
    text += u'/' + Database;
    if (Host.startsWith(u'/')) text += QStringLiteral("?host=") + Host;
    return text;
}

THistory::THistory(QString place, QString archiveFolder)
    : ArchiveFolder(std::move(archiveFolder)),
      ConnectionName(QStringLiteral("limnaset-history-%1").arg(++Connections)) {
    if (const auto parsed = THistoryPlace::Parse(place))
        Place = *parsed;
    else
        LastError = QStringLiteral("'%1' names no database").arg(place);
}

THistory::~THistory() {
    if (QSqlDatabase::contains(ConnectionName)) {
        QSqlDatabase::database(ConnectionName, false).close();
        QSqlDatabase::removeDatabase(ConnectionName);
    }
}

QString THistory::DefaultPlace(const QString& archiveFolder) {
    const QString named = qEnvironmentVariable("LIMNASET_DATABASE");
    if (!named.trimmed().isEmpty()) return named;
    return QDir::cleanPath(archiveFolder + QStringLiteral("/../history.sqlite"));
}

bool THistory::Fail(const QString& what) {
    LastError = what;
    return false;
}

bool THistory::IsOpen() const {
    return Opened;
}

QString THistory::Sql(QString text) const {
    text.replace(QStringLiteral("%KEY%"), Place.Server ? QStringLiteral("BIGSERIAL PRIMARY KEY")
                                                       : QStringLiteral("INTEGER PRIMARY KEY"));
    text.replace(QStringLiteral("%BYTES%"),
                 Place.Server ? QStringLiteral("BYTEA") : QStringLiteral("BLOB"));
    return text;
}

bool THistory::Exec(const QString& sql) {
    QSqlQuery query(QSqlDatabase::database(ConnectionName, false));
    if (query.exec(Sql(sql))) return true;
    return Fail(query.lastError().text());
}

// An SQLite writer takes its lock at the start, so that two writers wait for each other
// instead of failing halfway.
bool THistory::Begin() {
    return Exec(Place.Server ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE"));
}

bool THistory::Commit() {
    return Exec(QStringLiteral("COMMIT"));
}

void THistory::Rollback() {
    QSqlQuery(QSqlDatabase::database(ConnectionName, false)).exec(QStringLiteral("ROLLBACK"));
}

bool THistory::Connect() {
    const QString driver = Place.Server ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE");
    if (!QSqlDatabase::isDriverAvailable(driver))
        return Fail(QStringLiteral("the Qt SQL driver %1 is missing (Debian package %2)")
                        .arg(driver, Place.Server ? QStringLiteral("libqt6sql6-psql")
                                                  : QStringLiteral("libqt6sql6-sqlite")));
    QSqlDatabase db = QSqlDatabase::contains(ConnectionName)
                          ? QSqlDatabase::database(ConnectionName, false)
                          : QSqlDatabase::addDatabase(driver, ConnectionName);
    if (Place.Server) {
        db.setHostName(Place.Host);
        if (Place.Port > 0) db.setPort(Place.Port);
        db.setUserName(Place.User);
        db.setPassword(Place.Password);
        db.setDatabaseName(Place.Database);
        db.setConnectOptions(QStringLiteral("connect_timeout=5"));
    } else {
        if (!QDir().mkpath(QFileInfo(Place.File).absolutePath()))
            return Fail(QStringLiteral("cannot create the folder of %1").arg(Place.File));
        db.setDatabaseName(Place.File);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    }
    if (!db.open()) return Fail(db.lastError().text());
    // The server's notices ("already exists, skipping") would reach the user's terminal.
    if (Place.Server) return Exec(QStringLiteral("SET client_min_messages = WARNING"));
    QSqlQuery check(db);
    if (!check.exec(QStringLiteral("PRAGMA quick_check")) || !check.next() ||
        check.value(0).toString() != QStringLiteral("ok")) {
        Damaged = true;
        return Fail(QStringLiteral("%1 is damaged").arg(Place.File));
    }
    return Exec(QStringLiteral("PRAGMA foreign_keys = ON"));
}

bool THistory::Migrate() {
    if (!Begin()) return false;
    QSqlDatabase db = QSqlDatabase::database(ConnectionName, false);
    QSqlQuery query(db);
    // Two programs creating the schema of a new server at once: the second waits.
    if (Place.Server && !query.exec(QStringLiteral("SELECT pg_advisory_xact_lock(7200)"))) {
        Fail(query.lastError().text());
        Rollback();
        return false;
    }
    int version = 0;
    bool ok = Exec(QStringLiteral("CREATE TABLE IF NOT EXISTS schema_version (version INTEGER "
                                  "NOT NULL)")) &&
              query.exec(QStringLiteral("SELECT MAX(version) FROM schema_version"));
    if (ok && query.next()) version = query.value(0).toInt();
    if (!ok) Fail(query.lastError().text());
    if (ok && version > SchemaVersion) {
        ok = Fail(QStringLiteral("the history database has schema version %1, newer than this "
                                 "program's %2")
                      .arg(version)
                      .arg(SchemaVersion));
    }
    for (int step = version; ok && step < SchemaVersion; ++step)
        for (const QString& statement : Migrations[step])
            if (!(ok = Exec(statement))) break;
    if (ok && version < SchemaVersion) {
        ok = Exec(QStringLiteral("DELETE FROM schema_version")) &&
             Exec(QStringLiteral("INSERT INTO schema_version (version) VALUES (%1)")
                      .arg(SchemaVersion));
    }
    if (ok && Commit()) return true;
    Rollback();
    return false;
}

bool THistory::Open() {
    if (Opened) return true;
    if (!Place.Server && Place.File.isEmpty()) return false;
    const bool existed = Place.Server || QFileInfo::exists(Place.File);
    Damaged = false;
    if (!Connect()) {
        if (!Damaged) return false;
        // The archive holds every read: the index is made again rather than lost.
        QSqlDatabase::database(ConnectionName, false).close();
        const QString aside =
            Place.File + QStringLiteral(".damaged-") +
            QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        if (!QFile::rename(Place.File, aside)) return Fail(LastError);
        if (!Connect() || !Migrate()) return false;
        Opened = true;
        if (Rebuild() < 0) return false;
        LastNotice = QStringLiteral("The history database was damaged: it was moved aside to %1 "
                                    "and built again from the archive.")
                         .arg(aside);
        return true;
    }
    if (!Migrate()) return false;
    Opened = true;
    return existed || Rebuild() >= 0;
}

bool THistory::Import(const QString& archivePath) {
    if (!Open()) return false;
    TArchiveEntry entry;
    TR7200 read;
    QFile file(archivePath);
    if (!TArchive::Describe(archivePath, entry) || !file.open(QIODevice::ReadOnly))
        return Fail(QStringLiteral("%1 is no Connector image").arg(archivePath));
    const QByteArray bytes = file.readAll();
    if (bytes.size() != TR7200::ImageSize)
        return Fail(QStringLiteral("%1 is no Connector image").arg(archivePath));
    // The window of the log as the file gives it; the records themselves come from the raw
    // bytes, before any repair.
    if (!read.LoadFromFile(archivePath)) {
        read.Unpack();
        read.ScanLog();
    }
    const auto* raw = reinterpret_cast<const uint8_t*>(bytes.constData());
    QSqlDatabase db = QSqlDatabase::database(ConnectionName, false);
    if (!Begin()) return false;
    QSqlQuery query(db);
    auto failed = [this, &query] {
        Fail(query.lastError().text());
        Rollback();
        return false;
    };
    const QString digest =
        QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
    query.prepare(QStringLiteral("INSERT INTO reads (serial, read_at, name, archive_file, "
                                 "record_count, digest, program) VALUES (?, ?, ?, ?, ?, ?, ?) "
                                 "ON CONFLICT DO NOTHING"));
    query.addBindValue(qint64(entry.SerialNumber));
    query.addBindValue(entry.ReadAt.toString(ReadTimeFormat));
    query.addBindValue(entry.ConnectorName);
    query.addBindValue(QFileInfo(archivePath).absoluteFilePath());
    query.addBindValue(entry.LogCount);
    query.addBindValue(digest);
    query.addBindValue(bytes.left(ProgramBytes));
    if (!query.exec()) return failed();
    if (query.numRowsAffected() == 0) return Commit() || failed(); // known already
    query.prepare(QStringLiteral("SELECT id FROM reads WHERE serial = ? AND digest = ?"));
    query.addBindValue(qint64(entry.SerialNumber));
    query.addBindValue(digest);
    if (!query.exec() || !query.next()) return failed();
    const qint64 readId = query.value(0).toLongLong();

    struct TRow {
        int Slot;
        QByteArray Raw;
    };
    QList<TRow> valid;
    QList<TRow> damaged;
    for (int i = 0; i < read.LogCount; ++i) {
        const uint8_t* r = raw + read.LogSlotOffset(i);
        const uint32_t time = le::Get32(r);
        // Blank slots and the write marker are the ring's bookkeeping, not events.
        if (time == TLogRecord::NeverWritten || time == TLogRecord::WriteMarker) continue;
        TRow row{i, QByteArray(reinterpret_cast<const char*>(r), TLogRecord::Size)};
        (Crc8Maxim(r, TLogRecord::Size - 1) == r[TLogRecord::Size - 1] ? valid : damaged)
            .append(std::move(row));
    }
    auto insert = [&](const QList<TRow>& rows, const QString& head, const QString& values,
                      auto bind) {
        for (qsizetype first = 0; first < rows.size(); first += RowsPerInsert) {
            const qsizetype n = std::min<qsizetype>(RowsPerInsert, rows.size() - first);
            QStringList tuples(n, values);
            query.prepare(head + tuples.join(u',') + QStringLiteral(" ON CONFLICT DO NOTHING"));
            for (qsizetype k = first; k < first + n; ++k)
                bind(rows[k]);
            if (!query.exec()) return false;
        }
        return true;
    };
    const bool stored =
        insert(valid,
               QStringLiteral("INSERT INTO records (serial, stamp, raw, read_id, slot) VALUES "),
               QStringLiteral("(?, ?, ?, ?, ?)"),
               [&](const TRow& row) {
                   query.addBindValue(qint64(entry.SerialNumber));
                   query.addBindValue(
                       qint64(le::Get32(reinterpret_cast<const uint8_t*>(row.Raw.constData()))));
                   query.addBindValue(row.Raw);
                   query.addBindValue(readId);
                   query.addBindValue(row.Slot);
               }) &&
        insert(damaged, QStringLiteral("INSERT INTO damaged_records (read_id, slot, raw) VALUES "),
               QStringLiteral("(?, ?, ?)"), [&](const TRow& row) {
                   query.addBindValue(readId);
                   query.addBindValue(row.Slot);
                   query.addBindValue(row.Raw);
               });
    if (!stored) return failed();
    return Commit() || failed();
}

int THistory::Rebuild() {
    if (!Open()) return -1;
    // A shared server also holds the reads of other PCs' archives: this one's only joins them.
    if (!Place.Server && !Begin()) return -1;
    if (!Place.Server && (!Exec(QStringLiteral("DELETE FROM damaged_records")) ||
                          !Exec(QStringLiteral("DELETE FROM records")) ||
                          !Exec(QStringLiteral("DELETE FROM reads")) || !Commit())) {
        Rollback();
        return -1;
    }
    QList<TArchiveEntry> entries = TArchive(ArchiveFolder).List();
    std::reverse(entries.begin(), entries.end());
    int count = 0;
    for (const TArchiveEntry& e : entries) {
        if (!Import(e.Path)) return -1;
        ++count;
    }
    return count;
}

std::optional<THistoryLog> THistory::Log(uint32_t serial, uint32_t from, uint32_t to) {
    if (!Open()) return std::nullopt;
    QSqlQuery query(QSqlDatabase::database(ConnectionName, false));
    query.setForwardOnly(true);
    THistoryLog log;
    log.SerialNumber = serial;
    std::map<qint64, const TProgramBlock*> programs;
    query.prepare(QStringLiteral("SELECT id, program FROM reads WHERE serial = ? ORDER BY "
                                 "read_at, id"));
    query.addBindValue(qint64(serial));
    if (!query.exec()) {
        Fail(query.lastError().text());
        return std::nullopt;
    }
    while (query.next()) {
        log.Programs.push_back(std::make_unique<TProgramBlock>(
            static_cast<const TProgramBlock&>(ProgramOf(query.value(1).toByteArray()))));
        programs[query.value(0).toLongLong()] = log.Programs.back().get();
    }
    QString sql = QStringLiteral("SELECT raw, read_id FROM records WHERE serial = ?");
    if (from) sql += QStringLiteral(" AND stamp >= ?");
    if (to) sql += QStringLiteral(" AND stamp <= ?");
    query.prepare(sql + QStringLiteral(" ORDER BY stamp, read_id, slot"));
    query.addBindValue(qint64(serial));
    if (from) query.addBindValue(qint64(from));
    if (to) query.addBindValue(qint64(to));
    if (!query.exec()) {
        Fail(query.lastError().text());
        return std::nullopt;
    }
    while (query.next()) {
        const QByteArray raw = query.value(0).toByteArray();
        const auto program = programs.find(query.value(1).toLongLong());
        if (raw.size() != TLogRecord::Size || program == programs.end()) continue;
        log.Entries.append({TLogRecord::Decode(reinterpret_cast<const uint8_t*>(raw.constData())),
                            program->second});
    }
    return log;
}

QList<THistorySite> THistory::Sites() {
    QList<THistorySite> sites;
    if (!Open()) return sites;
    QSqlQuery query(QSqlDatabase::database(ConnectionName, false));
    std::map<uint32_t, THistorySite> bySerial;
    bool ok = query.exec(QStringLiteral("SELECT serial, COUNT(*) FROM reads GROUP BY serial"));
    while (ok && query.next()) {
        THistorySite& site = bySerial[uint32_t(query.value(0).toLongLong())];
        site.SerialNumber = uint32_t(query.value(0).toLongLong());
        site.Reads = query.value(1).toInt();
    }
    ok = ok && query.exec(QStringLiteral("SELECT DISTINCT serial FROM sites"));
    while (ok && query.next()) {
        const auto serial = uint32_t(query.value(0).toLongLong());
        bySerial[serial].SerialNumber = serial;
    }
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    for (auto& entry : bySerial) {
        // Named copies: clang 14 cannot capture a structured binding in a lambda.
        const uint32_t serial = entry.first;
        THistorySite& site = entry.second;
        auto first = [&](const QString& sql, const QVariant& second = {}) {
            query.prepare(sql);
            query.addBindValue(qint64(serial));
            if (second.isValid()) query.addBindValue(second);
            ok = ok && query.exec();
            return ok && query.next();
        };
        if (first(QStringLiteral("SELECT name FROM reads WHERE serial = ? ORDER BY read_at DESC, "
                                 "id DESC LIMIT 1")))
            site.ConnectorName = query.value(0).toString();
        if (first(QStringLiteral("SELECT name FROM sites WHERE serial = ? AND since <= ? ORDER BY "
                                 "since DESC LIMIT 1"),
                  today))
            site.Site = query.value(0).toString();
        if (first(QStringLiteral("SELECT MIN(stamp), MAX(stamp) FROM records WHERE serial = ? AND "
                                 "stamp > 0"))) {
            site.FirstRecord = uint32_t(query.value(0).toLongLong());
            site.LastRecord = uint32_t(query.value(1).toLongLong());
        }
        sites.append(site);
    }
    if (!ok) {
        Fail(query.lastError().text());
        return {};
    }
    return sites;
}

bool THistory::SetSite(uint32_t serial, const QString& name, const QDate& from) {
    if (!Open()) return false;
    QSqlQuery query(QSqlDatabase::database(ConnectionName, false));
    query.prepare(QStringLiteral("INSERT INTO sites (serial, since, name) VALUES (?, ?, ?) ON "
                                 "CONFLICT (serial, since) DO UPDATE SET name = excluded.name"));
    query.addBindValue(qint64(serial));
    query.addBindValue(from.toString(Qt::ISODate));
    query.addBindValue(name);
    return query.exec() || Fail(query.lastError().text());
}

int THistory::DamagedRecords(uint32_t serial) {
    if (!Open()) return -1;
    QSqlQuery query(QSqlDatabase::database(ConnectionName, false));
    query.prepare(QStringLiteral("SELECT COUNT(*) FROM damaged_records d JOIN reads r ON r.id = "
                                 "d.read_id WHERE r.serial = ?"));
    query.addBindValue(qint64(serial));
    if (query.exec() && query.next()) return query.value(0).toInt();
    Fail(query.lastError().text());
    return -1;
}

// ---- The history of this run ----

namespace {

std::unique_ptr<THistory> RunHistory;
QString RunPlace;
QString ChosenPlace;
QString Pending;
bool PendingFailure = false;
bool Told = false;

// The connection must close while Qt's SQL plugins are still loaded, before statics go.
void CloseRunHistory() {
    RunHistory.reset();
    RunPlace.clear();
}

} // namespace

void SetHistoryPlace(const QString& place) {
    ChosenPlace = place.trimmed();
}

QString HistoryPlaceFor(const QString& archiveFolder) {
    if (!qEnvironmentVariable("LIMNASET_DATABASE").trimmed().isEmpty() || ChosenPlace.isEmpty())
        return THistory::DefaultPlace(archiveFolder);
    return ChosenPlace;
}

bool ImportIntoHistory(const QString& archivePath) {
    // The archive's folder is two levels up: ROOT/SERIAL/FILE.
    const QString root = QFileInfo(QFileInfo(archivePath).absolutePath()).absolutePath();
    const QString place = HistoryPlaceFor(root);
    if (!RunHistory || place != RunPlace) {
        if (!RunHistory) qAddPostRoutine(CloseRunHistory);
        RunHistory.reset();
        RunHistory = std::make_unique<THistory>(place, root);
        RunPlace = place;
    }
    const bool wasOpen = RunHistory->IsOpen();
    const bool ok = RunHistory->Import(archivePath);
    if (!wasOpen && !RunHistory->Notice().isEmpty()) Pending = RunHistory->Notice();
    if (!ok && !Told) {
        Told = true;
        Pending = place + QStringLiteral(": ") + RunHistory->Error().simplified();
        PendingFailure = true;
    }
    return ok;
}

QString HistoryTrouble(bool* failed) {
    if (failed) *failed = std::exchange(PendingFailure, false);
    return std::exchange(Pending, QString());
}
