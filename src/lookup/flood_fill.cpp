#include "lookup/flood_fill.h"

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

} // namespace zilvaro
