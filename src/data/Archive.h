#pragma once

#include "DateTime.h"
#include "R7200.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <cstdint>
#include <span>

// One Connector image kept in the archive.
struct TArchiveEntry {
    QString Path;
    uint32_t SerialNumber = 0;
    QString ConnectorName;
    QDateTime ReadAt; // local time of the read
    int LogCount = 0;
    TDateTime NewestRecord = 0; // 0 when no record carries a time
};

// Every whole image read from a Connector, kept as the read brought it, one folder per
// serial number. Files are only ever added: never replaced, never removed.
class TArchive {
public:
    explicit TArchive(QString folder = DefaultFolder());

    // The per-user data folder of the window program, whichever program asks.
    static QString DefaultFolder();
    const QString& Folder() const { return Root; }

    // Stores the bytes of a whole read, whatever they hold, under the serial number they
    // carry and the read's time; the path, "" on failure. The file and its folder are
    // synced, so the file survives a power cut under its name.
    QString Keep(std::span<const uint8_t> image,
                 const QDateTime& readAt = QDateTime::currentDateTime()) const;
    // Newest first. A filter keeps the serial numbers whose hexadecimal or decimal text
    // contains it.
    QList<TArchiveEntry> List(const QString& serialFilter = {}) const;

    // What an archived file holds; false when it is no Connector image. A damaged header
    // still tells its serial number, name and log.
    static bool Describe(const QString& path, TArchiveEntry& entry);
    static QString SerialText(uint32_t serial);

private:
    QString Root;
};
