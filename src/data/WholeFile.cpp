#include "WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Renaming over the file would split a hard link from its twin, and needs a folder the user
// may write; in a sticky folder only an owner may rename over another's file.
bool MayReplace(const QString& target, const struct stat& file) {
    if (file.st_nlink > 1) return false;
    const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());
    struct stat dir {};
    if (::stat(folder.constData(), &dir) != 0 || ::access(folder.constData(), W_OK | X_OK) != 0)
        return false;
    const uid_t user = ::geteuid();
    return !(dir.st_mode & S_ISVTX) || user == 0 || file.st_uid == user || dir.st_uid == user;
}

TWholeFileWrite Replace(const QString& target, const QByteArray& bytes) {
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) return TWholeFileWrite::CannotOpen;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        file.commit();
        return TWholeFileWrite::Incomplete;
    }
    return file.commit() ? TWholeFileWrite::Ok : TWholeFileWrite::Incomplete;
}

TWholeFileWrite InPlace(const QByteArray& path, const QByteArray& bytes) {
    // A FIFO nobody reads would block the open for ever; without blocking it fails (ENXIO).
    const int fd = ::open(path.constData(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return TWholeFileWrite::CannotOpen;
    // Once open, a reader that is slower than the writes is waited for.
    if (const int flags = ::fcntl(fd, F_GETFL);
        flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return TWholeFileWrite::CannotOpen;
    }
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += n;
    }
    const bool closed = ::close(fd) == 0;
    return done == bytes.size() && closed ? TWholeFileWrite::Ok : TWholeFileWrite::Incomplete;
}

} // namespace

TWholeFileWrite WriteWholeFile(const QString& path, const QByteArray& bytes) {
    if (path.isEmpty()) return TWholeFileWrite::CannotOpen;
    const QByteArray native = QFile::encodeName(path);
    struct stat file {};
    if (::stat(native.constData(), &file) != 0) {
        if (errno != ENOENT) return TWholeFileWrite::CannotOpen;
        // A new file; through a dangling link it is made where the link points.
        const QFileInfo info(path);
        return Replace(info.isSymLink() ? info.symLinkTarget() : path, bytes);
    }
    if (S_ISDIR(file.st_mode) || ::access(native.constData(), W_OK) != 0)
        return TWholeFileWrite::CannotOpen;
    if (S_ISREG(file.st_mode)) {
        const QString target = QFileInfo(path).canonicalFilePath();
        if (!target.isEmpty() && MayReplace(target, file)) return Replace(target, bytes);
    }
    return InPlace(native, bytes);
}

bool IsRegularFile(const QString& path) {
    struct stat file {};
    return ::stat(QFile::encodeName(path).constData(), &file) == 0 && S_ISREG(file.st_mode);
}
