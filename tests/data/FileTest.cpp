#include "LittleEndian.h"
#include "R7200.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

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
    EXPECT_FALSE(r.LoadFromFile(Dir.path()));
    EXPECT_EQ(r.Status, 2);
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
