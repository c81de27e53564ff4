#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// Why the adapter is not found, and what to do about it, in a sentence or two for the
// status bar's tool tip and the command-line tool.
class TAdapterDiagnosis {
    Q_DECLARE_TR_FUNCTIONS(TAdapterDiagnosis)

public:
    explicit TAdapterDiagnosis(QString procRoot = QStringLiteral("/proc"));

    // Looks at LIMNASET_PORT, else at the serial devices with this description.
    QString Explain(const QString& description) const;
    // What keeps this one device from being the adapter.
    QString ExplainDevice(const QString& path) const;

    // The other processes that hold the device open, as "name (pid N)".
    QStringList Holders(const QString& path) const;

private:
    // Whether the process has the device (its canonical path) open.
    bool Holds(const QString& pid, const QString& target) const;

    QString ProcRoot;
};
