#include "ui/picture_box.h"

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
}

} // namespace zilvaro
