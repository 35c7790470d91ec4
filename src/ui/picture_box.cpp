#include "ui/picture_box.h"

#include "ui/fonts.h"

#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace zilvaro {

PictureBox::PictureBox(QWidget* parent, int widthPixels, int heightPixels)
    : QWidget(parent), surface_(widthPixels, heightPixels) {
    // The whole widget is painted on every paint event: no background to draw first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(sizeHint());
    surface_.setChangeHandler([this] { update(); });
}

QSize PictureBox::sizeHint() const {
    return surface_.logicalSize();
}

void PictureBox::setCornerLetter(QChar letter) {
    if (letter != cornerLetter_) {
        cornerLetter_ = letter;
        update();
    }
}

namespace {

// Pixels of the surface inside a square of logical pixels that are not white.
int inkIn(const QImage& surface, const QRect& square, double scale) {
    const QRect pixels =
        QRect(QPoint(qRound(square.left() * scale), qRound(square.top() * scale)),
              QSize(qRound(square.width() * scale), qRound(square.height() * scale)))
            .intersected(surface.rect());
    int ink = 0;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(surface.constScanLine(y));
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            if ((row[x] & 0xFFFFFFu) != 0xFFFFFFu) {
                ++ink;
            }
        }
    }
    return ink;
}

} // namespace

QRect PictureBox::letterSquare(const QImage& surface, QSize logicalSize, bool* free) {
    const int side = LetterSquareSide;
    const int right = logicalSize.width() - side - 1;
    const int bottom = logicalSize.height() - side - 1;
    const QRect corners[] = {QRect(right, bottom, side, side), QRect(right, 1, side, side),
                             QRect(1, bottom, side, side), QRect(1, 1, side, side)};
    const QImage pixels =
        surface.format() == QImage::Format_RGB32 || surface.format() == QImage::Format_ARGB32
            ? surface
            : surface.convertToFormat(QImage::Format_RGB32);
    const double scale =
        logicalSize.width() > 0 ? static_cast<double>(pixels.width()) / logicalSize.width() : 1.0;
    QRect best = corners[0];
    int bestInk = -1;
    for (const QRect& corner : corners) {
        const int ink = pixels.isNull() ? 0 : inkIn(pixels, corner, scale);
        if (ink == 0) {
            if (free) {
                *free = true;
            }
            return corner;
        }
        if (bestInk < 0 || ink < bestInk) {
            best = corner;
            bestInk = ink;
        }
    }
    if (free) {
        *free = false;
    }
    return best;
}

bool PictureBox::scalesSmoothly(double devicePixelRatio, int surfaceScale) {
    const double factor = devicePixelRatio / surfaceScale;
    return factor != std::floor(factor);
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QImage& surface = surface_.surface();
    painter.setRenderHint(QPainter::SmoothPixmapTransform,
                          scalesSmoothly(devicePixelRatioF(), surface_.scale()));
    painter.fillRect(event->rect(), Qt::white);
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(surface_.logicalSize())), surface);
    if (!cornerLetter_.isNull()) {
        bool free = false;
        const QRect square = letterSquare(surface, surface_.logicalSize(), &free);
        if (!free) {
            painter.fillRect(square, Qt::white);
        }
        QFont font = songFont(9, true);
        font.setPixelSize(LetterSquareSide - 3);
        painter.setFont(font);
        painter.setPen(QColor(0x00, 0x00, 0xFF));
        painter.drawText(square, Qt::AlignCenter, QString(cornerLetter_));
    }
}

} // namespace zilvaro
