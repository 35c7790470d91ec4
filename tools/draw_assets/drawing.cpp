#include "drawing.h"

#include <QStringList>

#include <algorithm>

namespace draw_assets {

QFont songFont(double pixelSize, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL UMing TW")});
    font.setPixelSize(static_cast<int>(pixelSize));
    font.setBold(bold);
    return font;
}

namespace {

// One horizontal or vertical pass of a box filter over the alpha channel.
void boxPass(std::vector<int>& alpha, int width, int height, int radius, bool horizontal) {
    std::vector<int> out(alpha.size(), 0);
    const int lines = horizontal ? height : width;
    const int length = horizontal ? width : height;
    const int window = 2 * radius + 1;
    for (int line = 0; line < lines; ++line) {
        auto at = [&](int i) -> int {
            if (i < 0 || i >= length) {
                return 0;
            }
            return horizontal ? alpha[line * width + i] : alpha[i * width + line];
        };
        int sum = 0;
        for (int i = -radius; i <= radius; ++i) {
            sum += at(i);
        }
        for (int i = 0; i < length; ++i) {
            const int value = sum / window;
            if (horizontal) {
                out[line * width + i] = value;
            } else {
                out[i * width + line] = value;
            }
            sum += at(i + radius + 1) - at(i - radius);
        }
    }
    alpha.swap(out);
}

} // namespace

void blurAlpha(QImage& image, int radius) {
    image = image.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width();
    const int height = image.height();
    std::vector<int> alpha(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            alpha[y * width + x] = qAlpha(line[x]);
        }
    }
    for (int pass = 0; pass < 3; ++pass) {
        boxPass(alpha, width, height, radius, true);
        boxPass(alpha, width, height, radius, false);
    }
    for (int y = 0; y < height; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb c = line[x];
            line[x] = qRgba(qRed(c), qGreen(c), qBlue(c), std::clamp(alpha[y * width + x], 0, 255));
        }
    }
}

} // namespace draw_assets
