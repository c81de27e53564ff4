#pragma once

#include <QString>
#include <memory>

class QTemporaryDir;

// A throw-away PostgreSQL server in a temporary folder, listening on a Unix socket there and
// on no TCP port; run as nobody when the tests run as root. Stopped and removed with the
// object.
class TPostgresServer {
public:
    TPostgresServer();
    ~TPostgresServer();
    TPostgresServer(const TPostgresServer&) = delete;
    TPostgresServer& operator=(const TPostgresServer&) = delete;

    // "" when it runs, else why not (without its binaries: the package to install).
    const QString& Failure() const { return Why; }
    // A fresh, empty database on the server, as a LIMNASET_DATABASE value.
    QString NewDatabase();

private:
    bool Run(const QString& program, const QStringList& arguments);

    std::unique_ptr<QTemporaryDir> Folder;
    QString Bin;
    QString Why;
    bool Started = false;
    int Databases = 0;
};
