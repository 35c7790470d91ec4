#include "lookup/picture_surface.h"

#include "core/failure.h"
#include "core/rounding.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace zilvaro {

BoxColour boxColourFromRgb(QRgb rgb) {
    return static_cast<BoxColour>(qRed(rgb)) | (static_cast<BoxColour>(qGreen(rgb)) << 8) |
           (static_cast<BoxColour>(qBlue(rgb)) << 16);
}

QRgb rgbFromBoxColour(BoxColour colour) {
    return qRgb(static_cast<int>(colour & 0xFFu), static_cast<int>((colour >> 8) & 0xFFu),
                static_cast<int>((colour >> 16) & 0xFFu));
}

PictureSurface::PictureSurface(int widthPixels, int heightPixels)
    : surface_(widthPixels, heightPixels, QImage::Format_RGB32),
      logicalSize_(widthPixels, heightPixels) {
    surface_.fill(Qt::white);
}

void PictureSurface::setPicture(const QImage& picture) {
    picture_ = picture;
    render();
}

void PictureSurface::copyPictureFrom(const PictureSurface& other) {
    picture_ = other.picture_;
    render();
}

void PictureSurface::clearPicture() {
    picture_ = QImage();
    render();
}

void PictureSurface::clearDrawing() {
    render();
}

void PictureSurface::render() {
    scale_ = picture_.isNull() ? 1 : std::max(1, qRound(picture_.devicePixelRatio()));
    if (surface_.size() != logicalSize_ * scale_) {
        surface_ = QImage(logicalSize_ * scale_, QImage::Format_RGB32);
    }
    surface_.setDevicePixelRatio(scale_);
    surface_.fill(Qt::white);
    if (!picture_.isNull() && !picture_.hasAlphaChannel()) {
        // An opaque picture is copied row by row, as painting would put it. Painting
        // would hand the rows to worker threads and wait for them, which on a busy
        // machine costs a lookup more than the copy itself.
        const QImage rows = picture_.convertToFormat(surface_.format());
        const int height = std::min(rows.height(), surface_.height());
        const auto bytes = static_cast<size_t>(std::min(rows.width(), surface_.width())) * 4;
        for (int y = 0; y < height; ++y) {
            std::memcpy(surface_.scanLine(y), rows.constScanLine(y), bytes);
        }
    } else if (!picture_.isNull()) {
        QPainter painter(&surface_);
        // One picture pixel to one surface pixel, whatever the picture's stored
        // resolution: a BMP's dots-per-metre header must not scale it.
        QImage unscaled = picture_;
        unscaled.setDevicePixelRatio(scale_);
        painter.drawImage(QPoint(0, 0), unscaled);
    }
    notify();
}

void PictureSurface::notify() const {
    if (changed_) {
        changed_();
    }
}

double PictureSurface::twipsPerUnit(ScaleUnit unit) const {
    switch (unit) {
    case ScaleUnit::Twip:
        return 1.0;
    case ScaleUnit::Pixel:
        return static_cast<double>(TwipsPerPixel) / scale_;
    }
    throw Failure(QStringLiteral("Invalid scale mode %1").arg(static_cast<int>(unit)));
}

double PictureSurface::ScaleX(double value, ScaleUnit from, ScaleUnit to) const {
    return value * twipsPerUnit(from) / twipsPerUnit(to);
}

double PictureSurface::ScaleY(double value, ScaleUnit from, ScaleUnit to) const {
    // Pixels are square on every display this program runs on.
    return value * twipsPerUnit(from) / twipsPerUnit(to);
}

void PictureSurface::setFillStyle(int style) {
    if (style != FillSolid && style != FillTransparent) {
        throw Failure(QStringLiteral("Invalid fill style %1").arg(style));
    }
    fillStyle_ = style;
}

std::int32_t PictureSurface::Point(double x, double y) const {
    const double xp = roundHalfEven(ScaleX(x, scaleMode_, ScaleUnit::Pixel));
    const double yp = roundHalfEven(ScaleY(y, scaleMode_, ScaleUnit::Pixel));
    // Written so that NaN falls outside as well.
    if (!(xp >= 0 && yp >= 0 && xp < surface_.width() && yp < surface_.height())) {
        return -1;
    }
    return static_cast<std::int32_t>(
        boxColourFromRgb(surface_.pixel(static_cast<int>(xp), static_cast<int>(yp))));
}

bool PictureSurface::ExtFloodFill(int xp, int yp, BoxColour colour, FloodMode mode) {
    // A value beyond 24 bits is no colour (a Point of -1, read outside the surface):
    // nothing is filled.
    if (colour > 0xFFFFFFu) {
        return false;
    }
    const QRgb bound = rgbFromBoxColour(colour);
    const QRgb paint = rgbFromBoxColour(fillColour_);
    const bool solid = fillStyle_ == FillSolid;
    const bool filled = findFloodArea(surface_, xp, yp, bound, mode, [&](int y, int from, int to) {
        if (solid) {
            auto* row = reinterpret_cast<QRgb*>(surface_.scanLine(y));
            std::fill(row + from, row + to + 1, paint);
        }
    });
    if (filled && solid) {
        notify();
    }
    return filled;
}

} // namespace zilvaro
