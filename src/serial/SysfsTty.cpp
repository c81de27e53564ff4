#include "SysfsTty.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TSysfsTty::TSysfsTty(QString root) : Root(std::move(root)) {}

QString TSysfsTty::UsbProduct(const QString& ttyName) const {
    const QString devices = QFileInfo(Root + QStringLiteral("/devices")).canonicalFilePath();
    QString dir =
        QFileInfo(Root + QStringLiteral("/class/tty/") + ttyName + QStringLiteral("/device"))
            .canonicalFilePath();
    if (dir.isEmpty() || devices.isEmpty()) return {};
    // The tty hangs below a USB interface, which hangs below the USB device. Stop at the
    // first USB device: a hub further up must not lend us its product text.
    for (int level = 0; level < 4 && dir.startsWith(devices + QLatin1Char('/')); ++level) {
        QFile product(dir + QStringLiteral("/product"));
        if (product.open(QIODevice::ReadOnly)) {
            QByteArray text = product.readAll();
            if (text.endsWith('\n')) text.chop(1);
            return QString::fromUtf8(text);
        }
        if (QFileInfo::exists(dir + QStringLiteral("/idVendor"))) return {};
        dir = QFileInfo(dir).path();
    }
    return {};
}

bool TSysfsTty::SetLatencyTimer(const QString& ttyName, int ms) const {
    QFile timer(Root + QStringLiteral("/class/tty/") + ttyName +
                QStringLiteral("/device/latency_timer"));
    if (!timer.exists() || !timer.open(QIODevice::WriteOnly)) return false;
    return timer.write(QByteArray::number(ms)) > 0;
}
