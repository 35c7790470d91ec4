#include "glyph_images.h"

#include <QPainter>

#include <algorithm>
#include <limits>

namespace zilvaro::test {

QImage inkOf(const QFont& font, const QString& text) {
    QImage canvas(200, 80, QImage::Format_Grayscale8);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPoint(20, 55), text);
    }
    int left = canvas.width(), top = canvas.height(), right = -1, bottom = -1;
    for (int y = 0; y < canvas.height(); ++y) {
        const uchar* row = canvas.constScanLine(y);
        for (int x = 0; x < canvas.width(); ++x) {
            if (row[x] != 255) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0) {
        return {};
    }
    return canvas.copy(left, top, right - left + 1, bottom - top + 1);
}

int pixelsApart(const QImage& a, const QImage& b) {
    // White outside the image.
    auto grey = [](const QImage& image, int x, int y) {
        return image.rect().contains(x, y) ? qGray(image.pixel(x, y)) : 255;
    };
    // The same glyph may land a pixel further left or down, or come out a column wider;
    // the inks are compared at every placement of b over a within two pixels, and the
    // closest placement counts.
    constexpr int Shift = 2;
    const int width = std::max(a.width(), b.width());
    const int height = std::max(a.height(), b.height());
    int closest = std::numeric_limits<int>::max();
    for (int dy = -Shift; dy <= Shift; ++dy) {
        for (int dx = -Shift; dx <= Shift; ++dx) {
            int apart = 0;
            for (int y = -Shift; y < height + Shift; ++y) {
                for (int x = -Shift; x < width + Shift; ++x) {
                    if (std::abs(grey(a, x, y) - grey(b, x + dx, y + dy)) > 64) {
                        ++apart;
                    }
                }
            }
            closest = std::min(closest, apart);
        }
    }
    return closest;
}

bool tellsLOneAndCapitalIApart(const QFont& font, QString* why) {
    // Three pixels: enough that a reader sees the difference at the size drawn.
    constexpr int Enough = 3;
    const QString letters = QStringLiteral("l1I");
    for (int i = 0; i < letters.size(); ++i) {
        for (int j = i + 1; j < letters.size(); ++j) {
            const int apart =
                pixelsApart(inkOf(font, QString(letters[i])), inkOf(font, QString(letters[j])));
            if (apart < Enough) {
                if (why) {
                    *why = QStringLiteral("%1 and %2 differ in %3 pixels in %4")
                               .arg(letters[i])
                               .arg(letters[j])
                               .arg(apart)
                               .arg(font.toString());
                }
                return false;
            }
        }
    }
    return true;
}

QList<QFont> fontsShownBy(const QWidget* window, const QList<const QWidget*>& except) {
    QList<QFont> fonts;
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window) ||
            std::any_of(except.begin(), except.end(), [&](const QWidget* left) {
                return left->isAncestorOf(widget) || left == widget;
            })) {
            continue;
        }
        const QFont font = widget->font();
        if (std::none_of(fonts.begin(), fonts.end(), [&](const QFont& f) { return f == font; })) {
            fonts.append(font);
        }
    }
    return fonts;
}

} // namespace zilvaro::test
