#include "SysfsTty.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

// A small copy of the sysfs layout: class/tty/<name>/device links into devices/.
class FakeSysfs : public ::testing::Test {
protected:
    void Write(const QString& path, const QByteArray& text) {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(Root.filePath(path)).path()));
        WriteFileBytes(Root.filePath(path), text);
    }
    void Tty(const QString& name, const QString& deviceDir) {
        ASSERT_TRUE(QDir().mkpath(Root.filePath(deviceDir)));
        ASSERT_TRUE(QDir().mkpath(Root.filePath("class/tty/" + name)));
        ASSERT_TRUE(
            QFile::link(Root.filePath(deviceDir), Root.filePath("class/tty/" + name + "/device")));
    }

    QTemporaryDir Root;
};

} // namespace

TEST_F(FakeSysfs, ProductOfTheUsbDeviceBehindABridge) {
    // usb-serial: tty below the interface, below the device that holds the product.
    Write("devices/pci0/usb1/1-1/product", "USB LIMNASET Adapter\n");
    Write("devices/pci0/usb1/1-1/idVendor", "0403\n");
    Write("devices/pci0/usb1/product", "xHCI Host Controller\n");
    Tty("ttyUSB0", "devices/pci0/usb1/1-1/1-1:1.0/ttyUSB0");
    // An ACM device: the tty's device is the interface itself.
    Write("devices/pci0/usb1/1-2/product", "Modem 2\n");
    Tty("ttyACM0", "devices/pci0/usb1/1-2/1-2:1.0");

    TSysfsTty sysfs(Root.path());
    EXPECT_EQ(sysfs.UsbProduct("ttyUSB0"), QStringLiteral("USB LIMNASET Adapter"));
    EXPECT_EQ(sysfs.UsbProduct("ttyACM0"), QStringLiteral("Modem 2"));
}

TEST_F(FakeSysfs, NoProductFromAHubOrANonUsbPort) {
    // The device has no product text: the hub above must not lend it one.
    Write("devices/pci0/usb1/product", "USB2.0 Hub\n");
    Write("devices/pci0/usb1/1-3/idVendor", "1a86\n");
    Tty("ttyUSB1", "devices/pci0/usb1/1-3/1-3:1.0/ttyUSB1");
    Tty("ttyS0", "devices/platform/serial8250/tty/ttyS0");

    TSysfsTty sysfs(Root.path());
    EXPECT_EQ(sysfs.UsbProduct("ttyUSB1"), QString());
    EXPECT_EQ(sysfs.UsbProduct("ttyS0"), QString());
    EXPECT_EQ(sysfs.UsbProduct("ttyUSB7"), QString());
}

TEST_F(FakeSysfs, LatencyTimerOnlyWhereTheDriverHasOne) {
    Write("devices/pci0/usb1/1-1/1-1:1.0/ttyUSB0/latency_timer", "1\n");
    Tty("ttyUSB0", "devices/pci0/usb1/1-1/1-1:1.0/ttyUSB0");
    Tty("ttyACM0", "devices/pci0/usb1/1-2/1-2:1.0");

    TSysfsTty sysfs(Root.path());
    EXPECT_TRUE(sysfs.SetLatencyTimer("ttyUSB0", 16));
    const QString timer = Root.filePath("devices/pci0/usb1/1-1/1-1:1.0/ttyUSB0/latency_timer");
    EXPECT_EQ(FileBytes(timer).trimmed(), QByteArray("16"));
    EXPECT_FALSE(sysfs.SetLatencyTimer("ttyACM0", 16));
    EXPECT_FALSE(QFile::exists(Root.filePath("devices/pci0/usb1/1-2/1-2:1.0/latency_timer")));
}
