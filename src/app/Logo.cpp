#include "Logo.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

QPixmap TLogo::Pixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    QPainterPath drop;
    drop.moveTo(s * 0.5, s * 0.05);
    drop.cubicTo(s * 0.62, s * 0.25, s * 0.82, s * 0.42, s * 0.82, s * 0.58);
    drop.arcTo(QRectF(s * 0.18, s * 0.26, s * 0.64, s * 0.64), 0, -180);
    drop.cubicTo(s * 0.18, s * 0.42, s * 0.38, s * 0.25, s * 0.5, s * 0.05);
    QLinearGradient water(0, 0, 0, s);
    water.setColorAt(0, QColor(120, 190, 240));
    water.setColorAt(1, QColor(20, 90, 170));
    p.setPen(Qt::NoPen);
    p.setBrush(water);
    p.drawPath(drop);
    if (size >= 96) {
        QFont font;
        font.setBold(true);
        font.setPixelSize(size / 8);
        p.setFont(font);
        p.setPen(QColor(20, 60, 120));
        p.drawText(QRectF(0, s * 0.86, s, s * 0.14), Qt::AlignCenter, QStringLiteral("LIMNASET"));
    }
    return pixmap;
}
