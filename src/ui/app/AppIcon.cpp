#include "ui/app/AppIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {
QPixmap drawn(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2d, 0x5f, 0x8b)); // the login picture's blue
    p.drawRoundedRect(QRectF(0.5, 0.5, s - 1, s - 1), s * 0.18, s * 0.18);
    // A white "V".
    QPainterPath v;
    v.moveTo(s * 0.20, s * 0.22);
    v.lineTo(s * 0.36, s * 0.22);
    v.lineTo(s * 0.50, s * 0.62);
    v.lineTo(s * 0.64, s * 0.22);
    v.lineTo(s * 0.80, s * 0.22);
    v.lineTo(s * 0.58, s * 0.80);
    v.lineTo(s * 0.42, s * 0.80);
    v.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(v);
    return pixmap;
}
} // namespace

QIcon AppIcon::make()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(drawn(size));
    return icon;
}
