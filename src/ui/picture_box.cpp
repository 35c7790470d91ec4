#include "ui/picture_box.h"

#include <QPaintEvent>
#include <QPainter>

namespace zilvaro {

PictureBox::PictureBox(QWidget* parent, int widthPixels, int heightPixels)
    : QWidget(parent), surface_(widthPixels, heightPixels) {
    // The whole widget is painted on every paint event: no background to draw first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(sizeHint());
    surface_.setChangeHandler([this] { update(); });
}

QSize PictureBox::sizeHint() const {
    return surface_.surface().size();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.fillRect(event->rect(), Qt::white);
    painter.drawImage(QPoint(0, 0), surface_.surface());
}

} // namespace zilvaro
