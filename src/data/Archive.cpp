#include "Archive.h"

#include "AnsiText.h"
#include "ImageLayout.h"
#include "LittleEndian.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

const QString StampFormat = QStringLiteral("yyyyMMdd-HHmmss-zzz");
constexpr int StampLength = 19;

// A rename is only durable once the folder that holds the new name is on the disk.
bool SyncFolder(const QString& folder) {
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
#else
    Q_UNUSED(folder);
    return true;
#endif
}

} // namespace

bool TArchive::Describe(const QString& path, TArchiveEntry& entry) {
    TR7200 record;
    if (!record.LoadFromFile(path)) {
        if (record.Status != StatusWrongVersion && record.Status != StatusCorruptedFile)
            return false;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly) || file.size() != TR7200::ImageSize) return false;
        const QByteArray bytes = file.readAll();
        if (bytes.size() != TR7200::ImageSize) return false;
        std::copy(bytes.begin(), bytes.end(), record.Image.begin());
        // Kept for its bytes: the identity and the log still tell what the Connector held.
        record.SerialNumber = le::Get32(record.Image.data() + TImageLayout::SerialNumber);
        record.ConnectorName =
            TAnsiText::Load(record.Image.data() + TImageLayout::Name, TImageLayout::NameSize - 1);
        record.ScanLog();
    }
    entry.Path = path;
    entry.SerialNumber = record.SerialNumber;
    entry.ConnectorName = record.ConnectorName;
    entry.ReadAt =
        QDateTime::fromString(QFileInfo(path).completeBaseName().left(StampLength), StampFormat);
    if (!entry.ReadAt.isValid()) entry.ReadAt = QFileInfo(path).lastModified();
    entry.LogCount = record.LogCount;
    uint32_t newest = 0;
    for (int i = 0; i < record.LogCount; ++i)
        newest = std::max(newest, record.LogRecordAt(i).Time);
    entry.NewestRecord = newest ? TR7200::FromConnectorTimestamp(newest) : 0;
    return true;
}

TArchive::TArchive(QString folder) : Root(std::move(folder)) {}

QString TArchive::DefaultFolder() {
    // The tool has an application name of its own; both keep to the window program's folder.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Limnaset/Limnaset/archive");
}

QString TArchive::SerialText(uint32_t serial) {
    return QString::asprintf("%08X", serial);
}

QString TArchive::Keep(std::span<const uint8_t> image, const QDateTime& readAt) const {
    if (image.size() != size_t(TR7200::ImageSize)) return {};
    const QString folder =
        Root + u'/' + SerialText(le::Get32(image.data() + TImageLayout::SerialNumber));
    if (!QDir().mkpath(folder)) return {};
    // Written under a temporary name and renamed, so a file in the archive is always whole.
    QTemporaryFile file(folder + QStringLiteral("/.XXXXXX.part"));
    if (!file.open()) return {};
    const auto size = qint64(image.size());
    if (file.write(reinterpret_cast<const char*>(image.data()), size) != size || !file.flush())
        return {};
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) != 0) return {};
#endif
    file.close();
    const QString stem = folder + u'/' + readAt.toString(StampFormat);
    for (int n = 1; n < 1000; ++n) {
        const QString name =
            stem + (n > 1 ? QStringLiteral("-%1").arg(n) : QString()) + QStringLiteral(".r72");
        // Rename never replaces an existing file.
        if (QFile::rename(file.fileName(), name)) {
            file.setAutoRemove(false);
            return SyncFolder(folder) ? name : QString();
        }
        if (!QFileInfo::exists(name)) return {};
    }
    return {};
}

QList<TArchiveEntry> TArchive::List(const QString& serialFilter) const {
    QList<TArchiveEntry> entries;
    const QString filter = serialFilter.trimmed();
    const QDir root(Root);
    for (const QString& serial : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QDir folder(root.filePath(serial));
        for (const QString& name : folder.entryList({QStringLiteral("*.r72")}, QDir::Files)) {
            TArchiveEntry entry;
            if (!Describe(folder.filePath(name), entry)) continue;
            if (!filter.isEmpty() &&
                !SerialText(entry.SerialNumber).contains(filter, Qt::CaseInsensitive) &&
                !QString::number(entry.SerialNumber).contains(filter))
                continue;
            entries.append(entry);
        }
    }
    // Reads of the same moment carry a count after the time: the higher one came later.
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        if (a.ReadAt != b.ReadAt) return a.ReadAt > b.ReadAt;
        if (a.Path.size() != b.Path.size()) return a.Path.size() > b.Path.size();
        return a.Path > b.Path;
    });
    return entries;
}
