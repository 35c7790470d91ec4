#include "drawing.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <limits>

namespace draw_assets {

namespace {

const QColor kOutline(0x20, 0x20, 0x20);
const QColor kMortar(0xE6, 0xD3, 0xA8);
const QColor kGold(0xE0, 0xB0, 0x40);
const QColor kRim(0x2E, 0x5C, 0x8A);
const QColor kGlass(0x9F, 0xD4, 0xF2);
const QColor kGlassLight(0xD8, 0xF0, 0xFC);
const QColor kHandle(0x5A, 0x3A, 0x22);

// The sixteen colours of the small icon; the first one is transparent.
const std::array<QRgb, 16> kPalette = {
    qRgba(0, 0, 0, 0),
    kOutline.rgb(),
    qRgb(0xB5, 0x48, 0x2F),
    qRgb(0x7A, 0x2E, 0x1E),
    kMortar.rgb(),
    qRgb(0xC8, 0x78, 0x3A),
    kGlass.rgb(),
    kGlassLight.rgb(),
    kRim.rgb(),
    kHandle.rgb(),
    qRgb(0xFF, 0xFF, 0xFF),
    qRgb(0x80, 0x80, 0x80),
    qRgb(0xC0, 0xC0, 0xC0),
    kGold.rgb(),
    qRgb(0x4F, 0x8F, 0xC0),
    qRgb(0xA0, 0x5A, 0x30),
};

// One volume lying flat, its spine towards the viewer: two courses of bricks between a
// dark outline, every line on whole pixels of the 32-pixel grid.
void drawVolume(QPainter& p, int left, int top, int length, const QColor& brick, int offset) {
    const QRectF spine(left + 0.5, top + 0.5, length, 7.0);
    QPainterPath shape;
    shape.addRoundedRect(spine, 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(brick);
    p.drawPath(shape);

    p.save();
    p.setClipPath(shape);
    p.setPen(QPen(kMortar, 1.0));
    p.drawLine(QPointF(left, top + 4.0), QPointF(left + length + 1.0, top + 4.0));
    for (int course = 0; course < 2; ++course) {
        const qreal y0 = top + 1.0 + course * 3.5;
        const int shift = offset + (course == 0 ? 0 : 3);
        for (int x = left + shift; x < left + length; x += 6) {
            p.drawLine(QPointF(x + 0.5, y0), QPointF(x + 0.5, y0 + 3.0));
        }
    }
    p.restore();

    p.setPen(QPen(kOutline, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
}

void drawMagnifier(QPainter& p) {
    const QPointF centre(20.5, 11.5);
    const qreal radius = 7.5;
    // Handle, down and to the right.
    p.setPen(QPen(kOutline, 4.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(26.0, 17.0), QPointF(29.8, 20.8));
    p.setPen(QPen(kHandle, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(26.0, 17.0), QPointF(29.8, 20.8));
    // Glass.
    QRadialGradient glass(centre - QPointF(2.5, 2.5), radius * 1.4);
    glass.setColorAt(0.0, kGlassLight);
    glass.setColorAt(1.0, kGlass);
    p.setBrush(glass);
    p.setPen(QPen(kRim, 2.0));
    p.drawEllipse(centre, radius, radius);
    // Light caught on the glass.
    p.setPen(QPen(Qt::white, 1.3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(centre.x() - 4.6, centre.y() - 4.6, 9.2, 9.2), 100 * 16, 70 * 16);
}

void paintIcon(QPainter& p, int size) {
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    drawVolume(p, 1, 24, 25, QColor(0xB5, 0x48, 0x2F), 2);
    drawVolume(p, 3, 17, 23, QColor(0xA0, 0x5A, 0x30), 4);
    drawVolume(p, 2, 10, 21, QColor(0x7A, 0x2E, 0x1E), 3);
    drawMagnifier(p);
}

int nearestColour(QRgb pixel) {
    if (qAlpha(pixel) < 128) {
        return 0;
    }
    int best = 1;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 1; i < static_cast<int>(kPalette.size()); ++i) {
        const int dr = qRed(pixel) - qRed(kPalette[i]);
        const int dg = qGreen(pixel) - qGreen(kPalette[i]);
        const int db = qBlue(pixel) - qBlue(kPalette[i]);
        const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

} // namespace

QImage drawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    paintIcon(p, size);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage drawIcon16Colours() {
    const QImage full = drawIcon(32);
    QImage image(32, 32, QImage::Format_Indexed8);
    image.setColorTable(QList<QRgb>(kPalette.begin(), kPalette.end()));
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            image.setPixel(x, y, static_cast<uint>(nearestColour(full.pixel(x, y))));
        }
    }
    return image;
}

} // namespace draw_assets
