#include "drawing.h"

#include <QPainter>
#include <QPainterPath>

namespace draw_assets {

namespace {

const QColor kGround(0xE9, 0xE9, 0xE9);
const QColor kOutline(0x33, 0x33, 0x33);
constexpr qreal kCornerRadius = 6.0;

// The outline of a panel passes through the centres of the pixels from (left, top) to
// (right, bottom), both corners included.
QPainterPath panelPath(int left, int top, int right, int bottom) {
    QPainterPath path;
    path.addRoundedRect(QRectF(left + 0.5, top + 0.5, right - left, bottom - top), kCornerRadius,
                        kCornerRadius);
    return path;
}

} // namespace

QImage drawBackground(int scale) {
    QImage image(614 * scale, 339 * scale, QImage::Format_RGB32);
    image.fill(kGround);

    const QPainterPath left = panelPath(10, 38, 124, 326);
    const QPainterPath right = panelPath(137, 38, 605, 326);

    // Soft shadow: the panels' shapes, moved down and right, blurred.
    QImage shadow(image.size(), QImage::Format_ARGB32);
    shadow.fill(Qt::transparent);
    {
        QPainter p(&shadow);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 110));
        p.scale(scale, scale);
        p.translate(2, 3);
        p.drawPath(left);
        p.drawPath(right);
    }
    blurAlpha(shadow, 2 * scale);

    QPainter p(&image);
    p.drawImage(0, 0, shadow);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kOutline, 1.0));
    p.setBrush(Qt::white);
    p.drawPath(left);
    p.drawPath(right);
    return image;
}

QImage drawNoEntry(int scale) {
    QImage image(386 * scale, 33 * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QColor(0x99, 0x33, 0x00));
    p.setFont(songFont(24 * scale, true));
    p.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("暂无此汉字的编码和拆分图！"));
    return image;
}

} // namespace draw_assets
