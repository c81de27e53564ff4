#include "AdapterDiagnosis.h"

#include "PortListing.h"
#include "UsbUart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString Quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// Daemons known to claim USB serial bridges, and how to make them let go.
QString AdviceFor(const QString& process) {
    if (process == QLatin1String("brltty"))
        return QCoreApplication::translate(
            "TAdapterDiagnosis", "brltty is a braille display daemon that claims USB serial "
                                 "bridges; without a braille display, remove it "
                                 "(sudo apt remove brltty) and plug the adapter in again.");
    if (process == QLatin1String("ModemManager"))
        return QCoreApplication::translate(
            "TAdapterDiagnosis", "ModemManager probes it as a modem; install the udev rule of the "
                                 "Limnaset package, which tells it to leave the adapter alone, "
                                 "and plug the adapter in again.");
    return QCoreApplication::translate(
        "TAdapterDiagnosis", "Close that program, or name another device with LIMNASET_PORT.");
}

QString GroupName(gid_t gid) {
    if (const group* entry = getgrgid(gid)) return QString::fromLocal8Bit(entry->gr_name);
    return QString::number(gid);
}

} // namespace

TAdapterDiagnosis::TAdapterDiagnosis(QString procRoot) : ProcRoot(std::move(procRoot)) {}

QString TAdapterDiagnosis::Explain(const QString& description) const {
    const QString named = qEnvironmentVariable(TUsbUart::PortVariable);
    if (!named.isEmpty()) {
        if (!QFileInfo::exists(named))
            return tr("LIMNASET_PORT names %1, which does not exist. Name the "
                      "adapter's device, or unset LIMNASET_PORT to search by "
                      "the description.")
                .arg(named);
        return ExplainDevice(named);
    }
    QStringList matching;
    for (const TPortEntry& port : TPortListing::Shared().Ports())
        if (port.Description == description) matching << port.Location;
    if (matching.isEmpty())
        return tr("No serial device has the description %1. Plug the adapter in; "
                  "if it is plugged in, try another USB socket or cable.")
            .arg(Quoted(description));
    if (matching.size() > 1)
        return tr("%1 serial devices have the description %2 (%3). Unplug all but "
                  "one, or name one with LIMNASET_PORT.")
            .arg(matching.size())
            .arg(Quoted(description), matching.join(QStringLiteral(", ")));
    return ExplainDevice(matching.first());
}

QString TAdapterDiagnosis::ExplainDevice(const QString& path) const {
    const QStringList holders = Holders(path);
    const QByteArray local = QFile::encodeName(path);
    const int fd = ::open(local.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    const int error = errno;
    if (fd >= 0) ::close(fd);
    if (fd < 0 && (error == EACCES || error == EPERM)) {
        struct stat info = {};
        const QString group =
            ::stat(local.constData(), &info) == 0 ? GroupName(info.st_gid) : QString();
        return tr("You may not open %1 (group %2). Join the group (sudo adduser "
                  "$USER %2, then log in again), or install the udev rule of the "
                  "Limnaset package and plug the adapter in again.")
            .arg(path, group);
    }
    if (!holders.isEmpty()) {
        const QString first = holders.first();
        return tr("%1 is held by %2. %3")
            .arg(path, holders.join(QStringLiteral(", ")),
                 AdviceFor(first.left(first.lastIndexOf(QStringLiteral(" (pid")))));
    }
    // Our own open port keeps others out, us included.
    const bool ours = Holds(QString::number(getpid()), QFileInfo(path).canonicalFilePath());
    if (fd < 0 && error == EBUSY && !ours)
        return tr("%1 is held by another process. Close it, or name another device "
                  "with LIMNASET_PORT.")
            .arg(path);
    if (fd < 0 && !ours)
        return tr("%1 cannot be opened: %2.").arg(path, QString::fromLocal8Bit(strerror(error)));
    return tr("%1 opens, but no adapter answers on it.").arg(path);
}

bool TAdapterDiagnosis::Holds(const QString& pid, const QString& target) const {
    // Other users' descriptors are not ours to see; root sees them all.
    const QDir fds(ProcRoot + QLatin1Char('/') + pid + QStringLiteral("/fd"));
    for (const QFileInfo& fd : fds.entryInfoList(QDir::System | QDir::NoDotAndDotDot))
        if (fd.symLinkTarget() == target) return true;
    return false;
}

QStringList TAdapterDiagnosis::Holders(const QString& path) const {
    const QString target = QFileInfo(path).canonicalFilePath();
    if (target.isEmpty()) return {};
    const QString self = QString::number(getpid());
    QStringList found;
    for (const QString& pid : QDir(ProcRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool number = false;
        pid.toInt(&number);
        if (!number || pid == self || !Holds(pid, target)) continue;
        QFile comm(ProcRoot + QLatin1Char('/') + pid + QStringLiteral("/comm"));
        const QString name = comm.open(QIODevice::ReadOnly)
                                 ? QString::fromLocal8Bit(comm.readAll()).trimmed()
                                 : QStringLiteral("?");
        found << QStringLiteral("%1 (pid %2)").arg(name, pid);
    }
    return found;
}
