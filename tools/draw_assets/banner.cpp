#include "drawing.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>

namespace draw_assets {

namespace {

const QColor kSkin(0xF2, 0xC8, 0xA2);
const QColor kSkinShade(0xDC, 0xA5, 0x7E);
const QColor kSkinOutline(0x7A, 0x4E, 0x34);
const QColor kNail(0xF8, 0xDD, 0xCF);

// The keyboard in perspective: its far edge is narrower than its near edge, which runs
// off the bottom of the banner.
struct Perspective {
    QPointF farLeft{10, 24}, farRight{140, 24}, nearLeft{-14, 80}, nearRight{160, 80};
    QPointF at(qreal u, qreal v) const {
        const QPointF left = farLeft + (nearLeft - farLeft) * v;
        const QPointF right = farRight + (nearRight - farRight) * v;
        return left + (right - left) * u;
    }
    QPolygonF quad(qreal u0, qreal v0, qreal u1, qreal v1) const {
        return QPolygonF({at(u0, v0), at(u1, v0), at(u1, v1), at(u0, v1)});
    }
};

void drawKeyboard(QPainter& p) {
    const Perspective k;
    p.setPen(QPen(QColor(0x15, 0x18, 0x1E), 1.0));
    p.setBrush(QColor(0x3A, 0x40, 0x4A));
    p.drawPolygon(k.quad(0, 0, 1, 1));
    // Rows of keys; each row is shifted a little, as on a real keyboard.
    const std::array<int, 5> keysInRow = {13, 12, 12, 11, 6};
    const std::array<qreal, 5> shift = {0.0, 0.025, 0.04, 0.06, 0.0};
    for (int row = 0; row < 5; ++row) {
        const qreal v0 = 0.05 + row * 0.15;
        const qreal v1 = v0 + 0.12;
        const int count = keysInRow[row];
        const qreal unit = (0.92 - shift[row]) / count;
        for (int key = 0; key < count; ++key) {
            qreal u0 = 0.04 + shift[row] + key * unit;
            qreal u1 = u0 + unit * 0.82;
            if (row == 4 && key == 2) {
                u1 = u0 + unit * 2.8; // the space bar
            } else if (row == 4 && key > 2) {
                u0 += unit * 2.0;
                u1 += unit * 2.0;
                if (u1 > 0.97) {
                    break;
                }
            }
            const QPolygonF cap = k.quad(u0, v0, u1, v1);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x9A, 0xA0, 0xAA));
            p.drawPolygon(cap.translated(0, 1.2));
            QLinearGradient face(cap.boundingRect().topLeft(), cap.boundingRect().bottomLeft());
            face.setColorAt(0, QColor(0xF4, 0xF5, 0xF7));
            face.setColorAt(1, QColor(0xD2, 0xD6, 0xDC));
            p.setBrush(face);
            p.drawPolygon(cap);
        }
    }
}

struct Finger {
    QPointF knuckle, tip;
    qreal width;
};

// One hand seen from above, wrist at the bottom. mirror = -1 draws the right hand.
void drawHand(QPainter& p, qreal cx, qreal mirror) {
    auto at = [&](qreal x, qreal y) { return QPointF(cx + mirror * x, y); };
    const std::array<Finger, 4> fingers = {{
        {at(-12.5, 52), at(-17, 39), 6.0},
        {at(-5, 49), at(-7.5, 32.5), 7.0},
        {at(3, 49), at(3, 31.5), 7.0},
        {at(10.5, 51), at(12.5, 35.5), 6.5},
    }};
    const QPointF thumbBase = at(13, 61);
    const QPointF thumbTip = at(25, 51);

    QPainterPath palm;
    palm.moveTo(at(-17, 80));
    palm.cubicTo(at(-19, 62), at(-18, 50), at(-6, 47));
    palm.cubicTo(at(4, 45), at(14, 47), at(16, 56));
    palm.cubicTo(at(18, 64), at(15, 72), at(14, 80));
    palm.closeSubpath();

    // Outline first: every part drawn a little larger in the outline colour...
    const qreal rim = 2.2;
    p.setPen(QPen(kSkinOutline, rim * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kSkinOutline);
    p.drawPath(palm);
    for (const Finger& f : fingers) {
        p.setPen(QPen(kSkinOutline, f.width + rim, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(f.knuckle, f.tip);
    }
    p.setPen(QPen(kSkinOutline, 8.0 + rim, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(thumbBase, thumbTip);

    // ...then the skin over it, so the parts merge into one hand.
    QLinearGradient skin(at(-18, 0), at(18, 0));
    skin.setColorAt(0, kSkinShade);
    skin.setColorAt(0.55, kSkin);
    skin.setColorAt(1, kSkinShade);
    p.setPen(Qt::NoPen);
    p.setBrush(skin);
    p.drawPath(palm);
    for (const Finger& f : fingers) {
        p.setPen(QPen(QBrush(skin), f.width - 0.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(f.knuckle, f.tip);
    }
    p.setPen(QPen(QBrush(skin), 7.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(thumbBase, thumbTip);

    // Nails and knuckle creases.
    p.setPen(Qt::NoPen);
    p.setBrush(kNail);
    for (const Finger& f : fingers) {
        const QPointF dir = (f.knuckle - f.tip) / QLineF(f.tip, f.knuckle).length();
        p.drawEllipse(f.tip + dir * 2.4, f.width * 0.27, f.width * 0.27);
    }
    p.setPen(QPen(kSkinShade, 0.9, Qt::SolidLine, Qt::RoundCap));
    for (const Finger& f : fingers) {
        const QPointF mid = f.knuckle + (f.tip - f.knuckle) * 0.45;
        p.drawLine(mid - QPointF(f.width * 0.3, 0), mid + QPointF(f.width * 0.3, 0));
    }
}

void drawName(QPainter& image) {
    QFont font;
    font.setFamilies({QStringLiteral("Z003"), QStringLiteral("URW Chancery L")});
    font.setPixelSize(66);
    QPainterPath text;
    text.addText(0, 0, font, QStringLiteral("Zilvaro"));
    const QRectF box = text.boundingRect();
    // Centred in the part of the banner right of the keyboard that the dialog shows.
    const QPointF place(272 - box.center().x(), 36 - box.center().y());
    text.translate(place);

    QImage shadow(407, 71, QImage::Format_ARGB32);
    shadow.fill(Qt::transparent);
    {
        QPainter s(&shadow);
        s.setRenderHint(QPainter::Antialiasing);
        s.setPen(QPen(QColor(0x05, 0x14, 0x40, 200), 2.0));
        s.setBrush(QColor(0x05, 0x14, 0x40, 200));
        s.drawPath(text.translated(2.5, 3));
    }
    blurAlpha(shadow, 2);
    image.drawImage(0, 0, shadow);
    // A white pen around the letters thickens the thin parts into a brush stroke.
    image.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    image.setBrush(Qt::white);
    image.drawPath(text);
}

} // namespace

QImage drawBanner() {
    QImage image(407, 71, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient ground(0, 0, 0, 71);
    ground.setColorAt(0, QColor(0x3B, 0x7D, 0xDB));
    ground.setColorAt(1, QColor(0x14, 0x3E, 0x93));
    p.fillRect(image.rect(), ground);
    QRadialGradient glow(QPointF(272, 30), 150);
    glow.setColorAt(0, QColor(255, 255, 255, 60));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(image.rect(), glow);

    // Keyboard and hands on a layer of their own, which fades into the blue towards the
    // name.
    QImage scene(image.size(), QImage::Format_ARGB32_Premultiplied);
    scene.fill(Qt::transparent);
    {
        QPainter s(&scene);
        s.setRenderHint(QPainter::Antialiasing);
        drawKeyboard(s);
        drawHand(s, 44, 1);
        drawHand(s, 110, -1);
        s.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        QLinearGradient fade(128, 0, 168, 0);
        fade.setColorAt(0, QColor(0, 0, 0, 255));
        fade.setColorAt(1, QColor(0, 0, 0, 0));
        s.fillRect(scene.rect(), fade);
    }
    p.drawImage(0, 0, scene);

    drawName(p);
    return image;
}

} // namespace draw_assets
