#include "desktop/TrayGaugeIcon.h"

#include <QPainter>
#include <QPixmap>

namespace {

QColor levelColour(TrayStatus::Level level) {
    switch (level) {
    case TrayStatus::Level::Fine:
        return {46, 160, 67};
    case TrayStatus::Level::Near:
        return {240, 150, 0};
    case TrayStatus::Level::Over:
        return {214, 40, 40};
    case TrayStatus::Level::Unknown:
        break;
    }
    return {150, 150, 150};
}

} // namespace

QImage TrayGaugeIcon::image(const TrayStatus::Gauge& gauge, int size) {
    QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal outline = std::max<qreal>(1, size / 16.0);
    const QRectF disc = QRectF(0, 0, size, size).adjusted(outline, outline, -outline, -outline);
    painter.setPen(QPen(QColor(40, 40, 40), outline));
    painter.setBrush(QColor(235, 235, 235));
    painter.drawEllipse(disc);
    const QColor colour = levelColour(gauge.level);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    if (gauge.level == TrayStatus::Level::Unknown) { // nothing measured yet: a grey ring
        const qreal inset = size / 4.0;
        painter.drawEllipse(disc);
        painter.setBrush(QColor(235, 235, 235));
        painter.drawEllipse(disc.adjusted(inset, inset, -inset, -inset));
    } else if (gauge.fraction >= 1) {
        painter.drawEllipse(disc);
    } else if (gauge.fraction > 0) {
        // from twelve o'clock, clockwise, in sixteenths of a degree
        painter.drawPie(disc, 90 * 16, -static_cast<int>(gauge.fraction * 360 * 16));
    }
    return picture;
}

QIcon TrayGaugeIcon::icon(const TrayStatus::Gauge& gauge) {
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64}) {
        icon.addPixmap(QPixmap::fromImage(image(gauge, size)));
    }
    return icon;
}
