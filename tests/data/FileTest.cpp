#include "LittleEndian.h"
#include "R7200.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

class File : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(Dir.isValid()); }

    QString Path(const char* name) const { return Dir.filePath(QString::fromLatin1(name)); }

    // A saved record's bytes, changed by the caller, written as a file.
    QString Write(const char* name, const std::function<void(QByteArray&)>& change) {
        TR7200 r;
        r.ConnectorName = QStringLiteral("Source");
        r.Pack();
        QByteArray bytes(reinterpret_cast<const char*>(r.Image.data()), TR7200::ImageSize);
        change(bytes);
        WriteFileBytes(Path(name), bytes);
        return Path(name);
    }

    static void FixChecksum(QByteArray& b) {
        TR7200 r;
        std::copy(b.begin(), b.begin() + TR7200::ImageSize, r.Image.begin());
        le::Put16(reinterpret_cast<uint8_t*>(b.data()) + 1022, r.HeaderChecksum());
    }

    TFixedClock Clock{40725.5};
    QTemporaryDir Dir;
};

} // namespace

TEST_F(File, SaveAndLoadKeepTheDocument) {
    TR7200 a;
    a.SamplerMode = 2;
    a.ConnectorComment = QStringLiteral("pond 4");
    ASSERT_TRUE(a.SaveToFile(Path("a.r72")));
    EXPECT_EQ(a.Status, 0);
    EXPECT_EQ(QFileInfo(Path("a.r72")).size(), 32768);
    TR7200 b;
    b.Status = TRecordStatus(9);
    ASSERT_TRUE(b.LoadFromFile(Path("a.r72")));
    EXPECT_EQ(b.Status, 0);
    EXPECT_EQ(static_cast<TProgramBlock&>(b), static_cast<TProgramBlock&>(a));
    EXPECT_EQ(b.ConnectorComment, a.ConnectorComment);
    EXPECT_EQ(b.LogCount, 1);
    EXPECT_EQ(b.LogRecordAt(0).Code, 11);
    EXPECT_EQ(b.Image, a.Image);
}

TEST_F(File, LoadChecksSizeChecksumAndMarker) {
    const struct {
        const char* Name;
        std::function<void(QByteArray&)> Change;
        int Status;
    } cases[] = {
        {"short", [](QByteArray& b) { b.chop(1); }, 3},
        {"long", [](QByteArray& b) { b.append(40000 - 32768, 'z'); }, 0},
        {"header", [](QByteArray& b) { b[600] = char(b[600] + 1); }, 3},
        {"name", [](QByteArray& b) { b[10] = 'X'; }, 0},
        {"version",
         [](QByteArray& b) {
             b[512] = '$';
             FixChecksum(b);
         },
         4},
        {"format",
         [](QByteArray& b) {
             b[513] = 7;
             FixChecksum(b);
         },
         0},
    };
    for (const auto& c : cases) {
        TR7200 r;
        EXPECT_EQ(r.LoadFromFile(Write(c.Name, c.Change)), c.Status == 0) << c.Name;
        EXPECT_EQ(r.Status, c.Status) << c.Name;
    }
    TR7200 r;
    ASSERT_TRUE(r.LoadFromFile(Path("name")));
    EXPECT_EQ(r.ConnectorName, QStringLiteral("SourceX"));
    EXPECT_FALSE(r.LoadFromFile(Path("missing.r72")));
    EXPECT_EQ(r.Status, 2);
    // Not regular files: a FIFO would wait for a writer for ever, so none is opened.
    const QString fifo = Path("fifo");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& other : {Dir.path(), fifo, QStringLiteral("/dev/zero")}) {
        r.Status = StatusOk;
        EXPECT_FALSE(r.LoadFromFile(other));
        EXPECT_EQ(r.Status, 2) << other.toStdString();
    }
}

TEST_F(File, SaveIntoAFolderPathFails) {
    TR7200 r;
    EXPECT_FALSE(r.SaveToFile(Dir.path()));
    EXPECT_EQ(r.Status, 2);
    EXPECT_TRUE(QFileInfo(Dir.path()).isDir());
}

TEST_F(File, FailedSaveLeavesTheOldFileWhole) {
    const QString sub = Path("locked");
    ASSERT_TRUE(QDir().mkdir(sub));
    const QString path = sub + QStringLiteral("/keep.r72");
    TR7200 r;
    ASSERT_TRUE(r.SaveToFile(path));
    const QByteArray before = FileBytes(path);
    QFile::setPermissions(sub, QFile::ReadOwner | QFile::ExeOwner);
    QFile probe(sub + QStringLiteral("/probe"));
    if (probe.open(QIODevice::WriteOnly)) { // privileged user: permission bits do not stop us
        probe.remove();
        QFile::setPermissions(sub, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        GTEST_SKIP() << "permission bits are not enforced for this user";
    }
    r.ConnectorName = QStringLiteral("Changed");
    EXPECT_FALSE(r.SaveToFile(path));
    EXPECT_EQ(r.Status, 2);
    EXPECT_EQ(FileBytes(path), before);
    QFile::setPermissions(sub, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(path, QFile::ReadOwner);
    EXPECT_FALSE(r.SaveToFile(path));
    EXPECT_EQ(r.Status, 2);
    EXPECT_EQ(FileBytes(path), before);
}

TEST_F(File, ShortWriteLeavesTheOldFileWhole) {
    const QString path = Path("keep.r72");
    TR7200 r;
    ASSERT_TRUE(r.SaveToFile(path));
    const QByteArray before = FileBytes(path);
    r.ConnectorName = QStringLiteral("Changed");
    EXPECT_FALSE(WithFileSizeLimit(16384, [&] { return r.SaveToFile(path); }));
    EXPECT_EQ(r.Status, 3);
    EXPECT_EQ(FileBytes(path), before);
    EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("keep.r72")});
}

TEST_F(File, SaveKeepsThePumpReportOfTheImage) {
    const QString path = Write("pumped.r72", [](QByteArray& b) {
        le::Put16(reinterpret_cast<uint8_t*>(b.data()) + 1995, 1234);
        le::Put16(reinterpret_cast<uint8_t*>(b.data()) + 1997, uint16_t(~1234));
    });
    TR7200 r;
    ASSERT_TRUE(r.LoadFromFile(path));
    ASSERT_TRUE(r.SaveToFile(Path("again.r72")));
    TR7200 again;
    ASSERT_TRUE(again.LoadFromFile(Path("again.r72")));
    EXPECT_EQ(again.PumpPulses, 1234);
}

// What a rename may not replace is written in place and stays what it was; links are followed.
TEST_F(File, SaveWritesInPlaceWhatItMayNotReplace) {
    TR7200 r;
    const QString file = Path("file.r72"), twin = Path("twin.r72"), link = Path("link.r72");
    ASSERT_TRUE(r.SaveToFile(file));
    ASSERT_EQ(::link(QFile::encodeName(file).constData(), QFile::encodeName(twin).constData()), 0);
    ASSERT_TRUE(QFile::link(file, link));
    ASSERT_TRUE(QFile::link(Path("made.r72"), Path("dangling.r72")));
    const QByteArray fifo = QFile::encodeName(Path("fifo"));
    ASSERT_EQ(mkfifo(fifo.constData(), 0600), 0);
    r.ConnectorName = QStringLiteral("Changed");
    for (const QString& path : {twin, link, Path("dangling.r72")})
        EXPECT_TRUE(r.SaveToFile(path)) << path.toStdString();
    EXPECT_FALSE(r.SaveToFile(Path("fifo"))) << "no reader: refused, not waited for";
    EXPECT_EQ(r.Status, 2);
    const int readEnd = ::open(fifo.constData(), O_RDONLY | O_NONBLOCK);
    EXPECT_TRUE(r.SaveToFile(Path("fifo"))); // the image fits in the pipe's buffer
    QByteArray read(2 * TR7200::ImageSize, '\0');
    read.truncate(std::max<ssize_t>(0, ::read(readEnd, read.data(), size_t(read.size()))));
    ::close(readEnd);
    const QByteArray saved(reinterpret_cast<const char*>(r.Image.data()), TR7200::ImageSize);
    for (const QByteArray& bytes : {FileBytes(file), FileBytes(Path("made.r72")), read})
        EXPECT_EQ(bytes, saved);
    EXPECT_TRUE(QFileInfo(link).isSymLink() && QFileInfo(Path("dangling.r72")).isSymLink());
    struct stat node {};
    EXPECT_TRUE(stat(fifo.constData(), &node) == 0 && S_ISFIFO(node.st_mode));

    // Own nodes of the null and full devices, so that a fault cannot replace those in /dev.
    const QByteArray null = QFile::encodeName(Path("null")), full = QFile::encodeName(Path("full"));
    if (mknod(null.constData(), S_IFCHR | 0666, makedev(1, 3)) != 0 ||
        mknod(full.constData(), S_IFCHR | 0666, makedev(1, 7)) != 0)
        GTEST_SKIP() << "device nodes can be made by root only";
    EXPECT_TRUE(r.SaveToFile(Path("null")));
    EXPECT_FALSE(r.SaveToFile(Path("full")));
    EXPECT_EQ(r.Status, 3);
    for (const QByteArray& device : {null, full})
        EXPECT_TRUE(stat(device.constData(), &node) == 0 && S_ISCHR(node.st_mode));
}
