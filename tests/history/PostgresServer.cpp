#include "PostgresServer.h"

#include <QDir>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <unistd.h>

namespace {

constexpr int Port = 5432;
constexpr uid_t Nobody = 65534;

} // namespace

TPostgresServer::TPostgresServer() {
    const QStringList versions =
        QDir(QStringLiteral("/usr/lib/postgresql")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& v : versions)
        if (QFileInfo::exists(QStringLiteral("/usr/lib/postgresql/%1/bin/pg_ctl").arg(v)))
            Bin = QStringLiteral("/usr/lib/postgresql/%1/bin/").arg(v);
    if (Bin.isEmpty()) {
        Why =
            QStringLiteral("no PostgreSQL server binaries: install the Debian package postgresql");
        return;
    }
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        Why = QStringLiteral("no Qt driver QPSQL: install the Debian package libqt6sql6-psql");
        return;
    }
    // Outside the home folder, which the server's user may not enter.
    Folder = std::make_unique<QTemporaryDir>(QStringLiteral("/tmp/limnaset-pg-XXXXXX"));
    if (!Folder->isValid() || (geteuid() == 0 && ::chown(Folder->path().toLocal8Bit().constData(),
                                                         Nobody, Nobody) != 0)) {
        Why = QStringLiteral("cannot prepare a folder for the server");
        return;
    }
    const QString data = Folder->filePath(QStringLiteral("data"));
    if (!Run(QStringLiteral("initdb"),
             {QStringLiteral("-D"), data, QStringLiteral("-U"), QStringLiteral("limnaset"),
              QStringLiteral("-A"), QStringLiteral("trust"), QStringLiteral("--no-sync"),
              QStringLiteral("-E"), QStringLiteral("UTF8")}))
        return;
    Started = Run(QStringLiteral("pg_ctl"),
                  {QStringLiteral("-D"), data, QStringLiteral("-w"), QStringLiteral("-l"),
                   Folder->filePath(QStringLiteral("log")), QStringLiteral("-o"),
                   QStringLiteral("-c listen_addresses= -c fsync=off -k %1 -p %2")
                       .arg(Folder->path())
                       .arg(Port),
                   QStringLiteral("start")});
}

TPostgresServer::~TPostgresServer() {
    if (Started)
        Run(QStringLiteral("pg_ctl"),
            {QStringLiteral("-D"), Folder->filePath(QStringLiteral("data")), QStringLiteral("-w"),
             QStringLiteral("-m"), QStringLiteral("fast"), QStringLiteral("stop")});
}

bool TPostgresServer::Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setWorkingDirectory(Folder->path());
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (geteuid() == 0)
        process.start(QStringLiteral("setpriv"),
                      QStringList{QStringLiteral("--reuid=%1").arg(Nobody),
                                  QStringLiteral("--regid=%1").arg(Nobody),
                                  QStringLiteral("--clear-groups"), QStringLiteral("--"),
                                  Bin + program} +
                          arguments);
    else
        process.start(Bin + program, arguments);
    if (process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit &&
        process.exitCode() == 0)
        return true;
    Why = program + QStringLiteral(" failed: ") + QString::fromLocal8Bit(process.readAll());
    return false;
}

QString TPostgresServer::NewDatabase() {
    const QString name = QStringLiteral("history%1").arg(++Databases);
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("admin"));
        db.setHostName(Folder->path());
        db.setPort(Port);
        db.setUserName(QStringLiteral("limnaset"));
        db.setDatabaseName(QStringLiteral("postgres"));
        if (!db.open() || !QSqlQuery(db).exec(QStringLiteral("CREATE DATABASE ") + name))
            Why = db.lastError().text();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("admin"));
    return QStringLiteral("postgresql://limnaset@:%1/%2?host=").arg(Port).arg(name) +
           Folder->path();
}
