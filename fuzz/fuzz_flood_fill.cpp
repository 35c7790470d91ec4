// The flood fill over arbitrary small pictures and seeds, checked against a plain
// breadth-first fill: the same area, every pixel of it handed over exactly once.
//
// Input: width, height, seed x, seed y (signed), the mode, then one byte per pixel
// choosing one of four colours, row by row.
#include "fuzz_check.h"
#include "lookup/flood_fill.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <vector>

using namespace zilvaro;

namespace {
const QRgb Colours[] = {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(255, 0, 0),
                        qRgba(255, 255, 255, 0)};

bool inArea(QRgb pixel, QRgb colour, FloodMode mode) {
    const bool same = (pixel & 0xFFFFFFu) == (colour & 0xFFFFFFu);
    return mode == FloodMode::Surface ? same : !same;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 6) {
        return 0;
    }
    const int width = 1 + data[0] % 48;
    const int height = 1 + data[1] % 48;
    const int x = static_cast<std::int8_t>(data[2]);
    const int y = static_cast<std::int8_t>(data[3]);
    const FloodMode mode = (data[4] & 1) ? FloodMode::Border : FloodMode::Surface;
    const QRgb colour = Colours[(data[4] >> 1) % 4];
    QImage image(width, height, (data[4] & 8) ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    std::size_t next = 5;
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            image.setPixel(column, row, Colours[next < size ? data[next++] % 4 : 1]);
        }
    }

    // The reference: breadth-first over the four edge neighbours.
    std::vector<char> expected(static_cast<std::size_t>(width * height), 0);
    const bool seedInside = x >= 0 && y >= 0 && x < width && y < height;
    if (seedInside && inArea(image.pixel(x, y), colour, mode)) {
        std::deque<QPoint> pending{{x, y}};
        expected[static_cast<std::size_t>(y * width + x)] = 1;
        while (!pending.empty()) {
            const QPoint p = pending.front();
            pending.pop_front();
            const QPoint around[] = {
                {p.x() + 1, p.y()}, {p.x() - 1, p.y()}, {p.x(), p.y() + 1}, {p.x(), p.y() - 1}};
            for (const QPoint& q : around) {
                if (q.x() < 0 || q.y() < 0 || q.x() >= width || q.y() >= height) {
                    continue;
                }
                char& seen = expected[static_cast<std::size_t>(q.y() * width + q.x())];
                if (!seen && inArea(image.pixel(q), colour, mode)) {
                    seen = 1;
                    pending.push_back(q);
                }
            }
        }
    }

    std::vector<char> painted(expected.size(), 0);
    const bool filled = findFloodArea(image, x, y, colour, mode, [&](int row, int from, int to) {
        FUZZ_CHECK(row >= 0 && row < height && from >= 0 && from <= to && to < width);
        for (int column = from; column <= to; ++column) {
            char& p = painted[static_cast<std::size_t>(row * width + column)];
            FUZZ_CHECK(!p);
            p = 1;
        }
    });
    FUZZ_CHECK(painted == expected);
    FUZZ_CHECK(filled == (std::find(expected.begin(), expected.end(), 1) != expected.end()));
    return 0;
}
