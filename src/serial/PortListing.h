#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <QStringList>
#include <ctime>
#include <functional>
#include <vector>

// One serial port of the system as the adapter search sees it.
struct TPortEntry {
    QString Location;    // the device node, such as /dev/ttyUSB0
    QString Description; // udev's model text, else the USB product text from sysfs
    QString SerialNumber;
};

// The system's serial ports, listed again only when a device may have come or gone: when a
// watched folder (the device nodes, udev's database) changed since the last listing. A
// listing reads every tty in sysfs, some ten milliseconds or more, and the window looks for
// the adapter once a second. Folder times are coarse, so it also lists again after a while.
class TPortListing {
public:
    using TLister = std::function<QList<TPortEntry>()>;

    explicit TPortListing(QStringList watched = {QStringLiteral("/dev"),
                                                 QStringLiteral("/run/udev/data")},
                          TLister lister = SystemPorts, int maxAgeMs = 10000);

    const QList<TPortEntry>& Ports();

    // The listing the adapter search and its diagnosis share.
    static TPortListing& Shared();
    static QList<TPortEntry> SystemPorts();

private:
    std::vector<timespec> Stamps() const;

    QStringList Watched;
    TLister Lister;
    int MaxAgeMs;
    QElapsedTimer Age; // since the last listing; invalid before the first
    std::vector<timespec> Seen;
    QList<TPortEntry> Entries;
};
