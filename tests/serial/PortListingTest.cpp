#include "PortListing.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

// The listing asks the lister again exactly when a watched folder's time changed, or when a
// watched folder came or went; the folders' times are set, since the clock of real changes
// is coarser than the steps of a test.
TEST(PortListing, ListsAgainOnlyWhenAWatchedFolderChanged) {
    QTemporaryDir root;
    const QString dev = root.filePath("dev");
    const QString udev = root.filePath("udev");
    ASSERT_TRUE(QDir().mkpath(dev));
    int listings = 0;
    TPortListing listing({dev, udev}, [&listings] {
        ++listings;
        return QList<TPortEntry>{
            {"/dev/ttyUSB0", "USB LIMNASET Adapter", QString::number(listings)}};
    });
    const auto stamp = [](const QString& folder, int seconds) {
        const timespec times[2] = {{0, UTIME_OMIT}, {1700000000 + seconds, 0}};
        return ::utimensat(AT_FDCWD, QFile::encodeName(folder).constData(), times, 0) == 0;
    };
    struct TStep {
        const char* What;
        std::function<bool()> Change;
        int Listings;
    } steps[] = {
        {"first look", [] { return true; }, 1},
        {"nothing changed", [] { return true; }, 1},
        {"a node came", [&] { return stamp(dev, 1); }, 2},
        {"looked again", [] { return true; }, 2},
        {"a node went", [&] { return stamp(dev, 2); }, 3},
        {"udev's database appeared", [&] { return QDir().mkpath(udev); }, 4},
        {"udev wrote a device", [&] { return stamp(udev, 3); }, 5},
        {"udev's database went", [&] { return QDir(udev).removeRecursively(); }, 6},
        {"still gone", [] { return true; }, 6},
    };
    for (const TStep& step : steps) {
        ASSERT_TRUE(step.Change()) << step.What;
        const QList<TPortEntry>& ports = listing.Ports();
        EXPECT_EQ(listings, step.Listings) << step.What;
        ASSERT_EQ(ports.size(), 1) << step.What;
        EXPECT_EQ(ports.first().SerialNumber, QString::number(listings))
            << step.What << ": the newest listing";
    }
}

} // namespace
