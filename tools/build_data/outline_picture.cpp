#include "outline_picture.h"

#include <QPainter>
#include <QTransform>

#include <algorithm>

namespace zilvaro::build {

namespace {

// Pixels per unit of the outlines' 1024 grid, the same for every character, so that all
// keep their relative size: the widest characters of the outlines (1000 units) then leave
// a margin of two pixels.
constexpr double Scale = 0.104;
// Pixels kept blank at least on each side.
constexpr double Margin = 2.0;

} // namespace

PixelStates rasterise(const StrokeOutlines& strokes, const std::vector<std::uint8_t>& strokeSlots) {
    PixelStates states;
    states.state.assign(static_cast<size_t>(PictureWidth * PictureHeight), 0);

    QRectF bounds;
    for (const QPainterPath& stroke : strokes) {
        bounds = bounds.united(stroke.boundingRect());
    }
    // A character too large for the picture at that scale is made to fit.
    const double scale = std::min({Scale, (PictureWidth - 2 * Margin) / bounds.width(),
                                   (PictureHeight - 2 * Margin) / bounds.height()});
    // Centre the character's bounding box; y is flipped so that it points down.
    QTransform transform;
    transform.translate(PictureWidth / 2.0, PictureHeight / 2.0);
    transform.scale(scale, -scale);
    transform.translate(-bounds.center().x(), -bounds.center().y());

    QImage mask(PictureWidth, PictureHeight, QImage::Format_Grayscale8);
    for (size_t i = 0; i < strokes.size(); ++i) {
        mask.fill(0);
        {
            QPainter painter(&mask);
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setTransform(transform);
            painter.setPen(Qt::NoPen);
            painter.setBrush(Qt::white);
            painter.drawPath(strokes[i]);
        }
        const std::uint8_t bits = InsideBit | (strokeSlots[i] & SlotBits);
        for (int y = 0; y < PictureHeight; ++y) {
            const uchar* line = mask.constScanLine(y);
            std::uint8_t* row = &states.state[static_cast<size_t>(y * PictureWidth)];
            for (int x = 0; x < PictureWidth; ++x) {
                if (line[x] != 0) {
                    row[x] |= bits;
                }
            }
        }
    }
    return states;
}

std::vector<bool> outline(const PixelStates& states) {
    std::vector<bool> black(static_cast<size_t>(PictureWidth * PictureHeight), false);
    const auto stateAt = [&](int x, int y) -> std::uint8_t {
        if (x < 0 || y < 0 || x >= PictureWidth || y >= PictureHeight) {
            return 0;
        }
        return states.at(x, y);
    };
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            const std::uint8_t own = states.at(x, y);
            bool differs = false;
            for (int dy = -1; dy <= 1 && !differs; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    if (stateAt(x + dx, y + dy) != own) {
                        differs = true;
                        break;
                    }
                }
            }
            black[static_cast<size_t>(y * PictureWidth + x)] = differs;
        }
    }
    return black;
}

QImage outlineImage(const std::vector<bool>& black) {
    QImage image(PictureWidth, PictureHeight, QImage::Format_Mono);
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    image.fill(0);
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            if (black[static_cast<size_t>(y * PictureWidth + x)]) {
                image.setPixel(x, y, 1);
            }
        }
    }
    return image;
}

} // namespace zilvaro::build
