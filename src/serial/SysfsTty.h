#pragma once

#include <QString>

// What the kernel tells about a tty device in sysfs: the product text of the USB device
// behind it, and the bridge driver's latency timer.
class TSysfsTty {
public:
    explicit TSysfsTty(QString root = QStringLiteral("/sys"));

    // The USB product text of the device behind the tty (such as "ttyUSB0"); empty when
    // the tty is not on USB or the device has no product text.
    QString UsbProduct(const QString& ttyName) const;
    // Writes the latency timer where the driver has one and we may write it.
    bool SetLatencyTimer(const QString& ttyName, int ms) const;

private:
    QString Root;
};
