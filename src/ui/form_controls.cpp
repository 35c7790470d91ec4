#include "ui/form_controls.h"

#include "core/rounding.h"
#include "lookup/seed_list.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace zilvaro {

int twipsToPixels(int twips) {
    return static_cast<int>(roundHalfEven(twips / static_cast<double>(TwipsPerPixel)));
}

QPoint twipsPoint(int left, int top) {
    return {twipsToPixels(left), twipsToPixels(top)};
}

QRect twipsRect(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

void sizeToText(QLabel& label) {
    const QFontMetrics metrics(label.font());
    int height = metrics.height();
    if (label.font().underline()) {
        // Some fonts put the underline below their descent, and the painter draws it a
        // pixel lower than the metrics tell; keep it inside the label.
        height =
            std::max(height, metrics.ascent() + metrics.underlinePos() + metrics.lineWidth() + 1);
    }
    label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label.resize(metrics.horizontalAdvance(label.text()), height);
}

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) {
        emit clicked();
    }
}

LineControl::LineControl(QWidget* parent, QPoint from, QPoint to, QColor colour, int width)
    : QWidget(parent), from_(from), to_(to), colour_(colour), width_(std::max(width, 1)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Built from the corners, whichever way the line runs (a QRect made from a reversed
    // pair of points loses a pixel when normalised).
    const QRect bounds(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
                       QPoint(std::max(from.x(), to.x()), std::max(from.y(), to.y())));
    const int grow = width_ - 1;
    if (from.y() == to.y()) {
        setGeometry(bounds.adjusted(0, 0, 0, grow));
    } else if (from.x() == to.x()) {
        setGeometry(bounds.adjusted(0, 0, grow, 0));
    } else {
        setGeometry(bounds.adjusted(-grow / 2, -grow / 2, grow - grow / 2, grow - grow / 2));
    }
}

void LineControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (from_.y() == to_.y() || from_.x() == to_.x()) {
        // Straight across or down: the widget is exactly the line's pixels.
        painter.fillRect(rect(), colour_);
    } else {
        const QPoint origin = geometry().topLeft();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(colour_, width_));
        painter.drawLine(from_ - origin, to_ - origin);
    }
}

void drawFocusMark(QWidget& viewport) {
    QPainter painter(&viewport);
    painter.setPen(QPen(viewport.palette().color(QPalette::Highlight), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(QPoint(0, 0), viewport.size() - QSize(1, 1)));
}

} // namespace zilvaro
