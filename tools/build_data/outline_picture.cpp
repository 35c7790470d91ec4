#include "outline_picture.h"

#include <QBuffer>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cstdlib>

namespace zilvaro::build {

namespace {

// Pixels per unit of the outlines' 1024 grid, the same for every character, so that all
// keep their relative size: the widest characters of the outlines (1000 units) then leave
// a margin of two pixels.
constexpr double Scale = 0.104;
// Pixels kept blank at least on each side.
constexpr double Margin = 2.0;

} // namespace

PixelStates rasterise(const StrokeOutlines& strokes, const std::vector<std::uint8_t>& strokeSlots,
                      int scale) {
    PixelStates states;
    states.width = PictureWidth * scale;
    states.height = PictureHeight * scale;
    const int width = states.width;
    const int height = states.height;
    states.state.assign(static_cast<size_t>(width * height), 0);

    QRectF bounds;
    for (const QPainterPath& stroke : strokes) {
        bounds = bounds.united(stroke.boundingRect());
    }
    // A character too large for the picture at that scale is made to fit.
    // (Decided at the picture's own size, so both pictures draw the same geometry.)
    const double pixelsPerUnit =
        scale * std::min({Scale, (PictureWidth - 2 * Margin) / bounds.width(),
                          (PictureHeight - 2 * Margin) / bounds.height()});
    // Centre the character's bounding box; y is flipped so that it points down.
    QTransform transform;
    transform.translate(width / 2.0, height / 2.0);
    transform.scale(pixelsPerUnit, -pixelsPerUnit);
    transform.translate(-bounds.center().x(), -bounds.center().y());

    QImage mask(width, height, QImage::Format_Grayscale8);
    mask.fill(0);
    const QRect whole = mask.rect();
    for (size_t i = 0; i < strokes.size(); ++i) {
        // Only the stroke's own rectangle (and a pixel around it) is drawn and read.
        const QRect area =
            transform.mapRect(strokes[i].boundingRect()).toAlignedRect().adjusted(-1, -1, 1, 1) &
            whole;
        if (area.isEmpty()) {
            continue;
        }
        {
            QPainter painter(&mask);
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.fillRect(area, Qt::black);
            painter.setTransform(transform);
            painter.setPen(Qt::NoPen);
            painter.setBrush(Qt::white);
            painter.drawPath(strokes[i]);
        }
        const std::uint8_t bits = InsideBit | (strokeSlots[i] & SlotBits);
        for (int y = area.top(); y <= area.bottom(); ++y) {
            const uchar* line = mask.constScanLine(y);
            std::uint8_t* row = &states.state[static_cast<size_t>(y * width)];
            for (int x = area.left(); x <= area.right(); ++x) {
                if (line[x] != 0) {
                    row[x] |= bits;
                }
            }
        }
    }
    return states;
}

std::vector<bool> outline(const PixelStates& states) {
    const int width = states.width;
    const int height = states.height;
    // The states with a frame of outside pixels, so that every pixel has eight neighbours.
    const int framedWidth = width + 2;
    std::vector<std::uint8_t> framed(static_cast<size_t>(framedWidth * (height + 2)), 0);
    for (int y = 0; y < height; ++y) {
        std::copy_n(states.state.begin() + y * width, width,
                    framed.begin() + (y + 1) * framedWidth + 1);
    }
    std::vector<bool> black(static_cast<size_t>(width * height), false);
    std::vector<std::uint8_t> differs(static_cast<size_t>(width));
    for (int y = 0; y < height; ++y) {
        // The row and its neighbours above and below, from one pixel left of it.
        const std::uint8_t* above = framed.data() + y * framedWidth;
        const std::uint8_t* row = above + framedWidth;
        const std::uint8_t* below = row + framedWidth;
        for (int x = 0; x < width; ++x) {
            const std::uint8_t own = row[x + 1];
            differs[static_cast<size_t>(x)] = (above[x] != own) | (above[x + 1] != own) |
                                              (above[x + 2] != own) | (row[x] != own) |
                                              (row[x + 2] != own) | (below[x] != own) |
                                              (below[x + 1] != own) | (below[x + 2] != own);
        }
        for (int x = 0; x < width; ++x) {
            if (differs[static_cast<size_t>(x)]) {
                black[static_cast<size_t>(y * width + x)] = true;
            }
        }
    }
    return black;
}

QImage outlineImage(const std::vector<bool>& black, int width) {
    const int height = static_cast<int>(black.size()) / width;
    QImage image(width, height, QImage::Format_Mono);
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    image.fill(0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (black[static_cast<size_t>(y * width + x)]) {
                image.setPixel(x, y, 1);
            }
        }
    }
    return image;
}

QByteArray bitmapFileBytes(const QImage& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "BMP")) {
        return {};
    }
    // Rows are stored padded to a multiple of four bytes; the headers say where they
    // start, how many there are and how many of their bytes hold pixels.
    const std::optional<BmpRowLayout> layout = bmpRowLayout(bytes);
    if (!layout || layout->pixelsAt + layout->rowBytes * layout->rows > bytes.size()) {
        return {};
    }
    const qsizetype pixels = layout->pixelsAt;
    const qsizetype height = layout->rows;
    const qsizetype used = (layout->width * layout->bitsPerPixel + 7) / 8;
    const qsizetype stride = layout->rowBytes;
    for (qsizetype row = 0; row < height; ++row) {
        const qsizetype start = pixels + row * stride;
        std::fill(bytes.begin() + start + used, bytes.begin() + start + stride, '\0');
    }
    return bytes;
}

} // namespace zilvaro::build
