#include "lookup/flood_fill.h"

#include "core/rounding.h"
#include "lookup/picture_surface.h"

#include <cstdint>
#include <vector>

namespace zilvaro {

namespace {

// Formats whose pixels are QRgb values as they stand (premultiplied ones are not).
bool isThirtyTwoBit(QImage::Format format) {
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32;
}

// The test of whether a pixel may join the area. A 32-bit image is read in place (no
// copy, so painting into it does not detach it); other formats through a 32-bit copy.
class AreaTest {
public:
    AreaTest(const QImage& image, QRgb colour, FloodMode mode)
        : colour_(colour & RgbMask), surface_(mode == FloodMode::Surface) {
        if (!isThirtyTwoBit(image.format())) {
            converted_ = image.convertToFormat(QImage::Format_RGB32);
        }
        image_ = converted_.isNull() ? &image : &converted_;
    }

    bool joins(int x, int y) const {
        const auto* row = reinterpret_cast<const QRgb*>(image_->constScanLine(y));
        const bool same = (row[x] & RgbMask) == colour_;
        return surface_ ? same : !same;
    }

private:
    static constexpr QRgb RgbMask = 0x00FFFFFFu;
    QImage converted_;
    const QImage* image_ = nullptr;
    QRgb colour_;
    bool surface_;
};

struct PendingRun {
    int y;
    int xFrom;
    int xTo;
};

} // namespace

bool findFloodArea(const QImage& image, int x, int y, QRgb colour, FloodMode mode,
                   const SpanPainter& paint) {
    const int width = image.width();
    const int height = image.height();
    if (x < 0 || y < 0 || x >= width || y >= height) {
        return false;
    }
    // Every pixel handed to paint is marked as taken before paint runs, and taken pixels
    // are never tested again, so what paint writes into the runs cannot change the area.
    const AreaTest test(image, colour, mode);
    if (!test.joins(x, y)) {
        return false;
    }

    std::vector<std::uint8_t> taken(static_cast<std::size_t>(width) * height, 0);
    auto canJoin = [&](int px, int py) {
        return taken[static_cast<std::size_t>(py) * width + px] == 0 && test.joins(px, py);
    };

    // Each pending run is a stretch of a row whose pixels were next to a painted run;
    // the pixels of it that join the area start new runs there.
    std::vector<PendingRun> stack;
    stack.push_back({y, x, x});
    while (!stack.empty()) {
        const PendingRun pending = stack.back();
        stack.pop_back();
        int px = pending.xFrom;
        while (px <= pending.xTo) {
            if (!canJoin(px, pending.y)) {
                ++px;
                continue;
            }
            // Widen the run to the left and right as far as the area goes.
            int left = px;
            while (left > 0 && canJoin(left - 1, pending.y)) {
                --left;
            }
            int right = px;
            while (right + 1 < width && canJoin(right + 1, pending.y)) {
                ++right;
            }
            std::uint8_t* row = taken.data() + static_cast<std::size_t>(pending.y) * width;
            std::fill(row + left, row + right + 1, std::uint8_t{1});
            paint(pending.y, left, right);
            // Only the pixels straight above and below the run are its neighbours.
            if (pending.y > 0) {
                stack.push_back({pending.y - 1, left, right});
            }
            if (pending.y + 1 < height) {
                stack.push_back({pending.y + 1, left, right});
            }
            px = right + 2; // right + 1 does not join, or the run would be longer
        }
    }
    return true;
}

bool floodFill(QImage& image, int x, int y, QRgb colour, FloodMode mode, QRgb fillColour) {
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) {
        return false;
    }
    if (!isThirtyTwoBit(image.format())) {
        image.convertTo(QImage::Format_RGB32);
    }
    const QRgb paintColour =
        image.format() == QImage::Format_RGB32 ? (fillColour | 0xFF000000u) : fillColour;
    // Detach before the area is read, so the test and the painting see the same pixels.
    image.scanLine(0);
    return findFloodArea(image, x, y, colour, mode, [&](int row, int xFrom, int xTo) {
        auto* pixels = reinterpret_cast<QRgb*>(image.scanLine(row));
        std::fill(pixels + xFrom, pixels + xTo + 1, paintColour);
    });
}

namespace Module3 {

namespace {

// Puts the box's brush back as it was however the fill ends.
class BrushKeeper {
public:
    explicit BrushKeeper(PictureSurface& box)
        : box_(box), style_(box.FillStyle()), colour_(box.FillColor()) {}
    ~BrushKeeper() {
        box_.setFillStyle(style_);
        box_.setFillColor(colour_);
    }
    BrushKeeper(const BrushKeeper&) = delete;
    BrushKeeper& operator=(const BrushKeeper&) = delete;

private:
    PictureSurface& box_;
    int style_;
    BoxColour colour_;
};

} // namespace

void FloodFillPicture(PictureSurface& box, std::int32_t x, std::int32_t y, std::uint32_t fillColour,
                      std::optional<std::uint32_t> borderColour) {
    const std::int32_t xp = toInt32(box.ScaleX(x, box.ScaleMode(), ScaleUnit::Pixel));
    const std::int32_t yp = toInt32(box.ScaleY(y, box.ScaleMode(), ScaleUnit::Pixel));
    const BrushKeeper keeper(box);
    box.setFillStyle(FillSolid);
    box.setFillColor(fillColour);
    if (!borderColour) {
        // The seed pixel's colour, read in the box's own units; -1 outside the surface.
        const std::int32_t seedColour = box.Point(x, y);
        box.ExtFloodFill(xp, yp, static_cast<BoxColour>(seedColour), FloodMode::Surface);
    } else {
        box.ExtFloodFill(xp, yp, *borderColour, FloodMode::Border);
    }
}

} // namespace Module3

} // namespace zilvaro
