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
    case ScaleUnit::Point:
        return 20.0;
    case ScaleUnit::Pixel:
        return static_cast<double>(TwipsPerPixel) / scale_;
    case ScaleUnit::Inch:
        return 1440.0;
    case ScaleUnit::Millimetre:
        return 1440.0 / 25.4;
    case ScaleUnit::Centimetre:
        return 1440.0 / 2.54;
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
    if (style < FillSolid || style > FillDiagonalCross) {
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

namespace {

// Whether the hatch pattern of a fill style covers pixel (x, y). Patterns repeat every
// eight pixels from the surface's top-left corner.
bool hatchCovers(int style, int x, int y) {
    const bool horizontal = y % 8 == 0;
    const bool vertical = x % 8 == 0;
    const bool upward = (x + y) % 8 == 7;
    const bool downward = (x - y + 8 * 1024) % 8 == 0;
    switch (style) {
    case FillHorizontalLine:
        return horizontal;
    case FillVerticalLine:
        return vertical;
    case FillUpwardDiagonal:
        return upward;
    case FillDownwardDiagonal:
        return downward;
    case FillCross:
        return horizontal || vertical;
    case FillDiagonalCross:
        return upward || downward;
    default:
        return false;
    }
}

} // namespace

bool PictureSurface::ExtFloodFill(int xp, int yp, BoxColour colour, FloodMode mode) {
    // A value beyond 24 bits is no colour (a Point of -1, read outside the surface):
    // nothing is filled.
    if (colour > 0xFFFFFFu) {
        return false;
    }
    const QRgb bound = rgbFromBoxColour(colour);
    const QRgb paint = rgbFromBoxColour(fillColour_);
    const int style = fillStyle_;
    const bool filled = findFloodArea(surface_, xp, yp, bound, mode, [&](int y, int from, int to) {
        auto* row = reinterpret_cast<QRgb*>(surface_.scanLine(y));
        for (int x = from; x <= to; ++x) {
            if (style == FillSolid || hatchCovers(style, x, y)) {
                row[x] = paint;
            }
        }
    });
    if (filled && style != FillTransparent) {
        notify();
    }
    return filled;
}

} // namespace zilvaro
