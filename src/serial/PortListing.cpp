#include "PortListing.h"

#include "SysfsTty.h"

#include <QFile>
#include <QSerialPortInfo>
#include <algorithm>
#include <sys/stat.h>

TPortListing::TPortListing(QStringList watched, TLister lister, int maxAgeMs)
    : Watched(std::move(watched)), Lister(std::move(lister)), MaxAgeMs(maxAgeMs) {}

TPortListing& TPortListing::Shared() {
    static TPortListing listing;
    return listing;
}

QList<TPortEntry> TPortListing::SystemPorts() {
    QList<TPortEntry> entries;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        QString text = info.description();
        if (text.isEmpty()) text = TSysfsTty().UsbProduct(info.portName());
        entries.append({info.systemLocation(), text, info.serialNumber()});
    }
    return entries;
}

std::vector<timespec> TPortListing::Stamps() const {
    std::vector<timespec> stamps;
    for (const QString& folder : Watched) {
        struct stat info = {};
        // A folder that is missing counts as a stamp of its own, so that its coming is seen.
        if (::stat(QFile::encodeName(folder).constData(), &info) != 0) info.st_mtim = {-1, 0};
        stamps.push_back(info.st_mtim);
    }
    return stamps;
}

const QList<TPortEntry>& TPortListing::Ports() {
    // Stamped before listing: a device that comes while the listing runs is listed next time.
    std::vector<timespec> stamps = Stamps();
    const bool same = Age.isValid() && !Age.hasExpired(MaxAgeMs) &&
                      std::equal(stamps.begin(), stamps.end(), Seen.begin(), Seen.end(),
                                 [](const timespec& a, const timespec& b) {
                                     return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
                                 });
    if (!same) {
        Entries = Lister();
        Seen = std::move(stamps);
        Age.start();
    }
    return Entries;
}
