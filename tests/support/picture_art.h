#pragma once

// Small pictures drawn as text for the picture and fill tests: one string per row,
// '#' black, '.' white, 'r' red, 'b' blue, 'g' green.
#include <QImage>
#include <QString>

#include <initializer_list>
#include <string>
#include <vector>

namespace zilvaro::test {

inline QRgb artColour(char c) {
    switch (c) {
    case '#':
        return qRgb(0, 0, 0);
    case 'r':
        return qRgb(255, 0, 0);
    case 'b':
        return qRgb(0, 0, 255);
    case 'g':
        return qRgb(0, 255, 0);
    default:
        return qRgb(255, 255, 255);
    }
}

inline char artChar(QRgb rgb) {
    for (char c : std::string("#rbg.")) {
        if ((artColour(c) & 0xFFFFFFu) == (rgb & 0xFFFFFFu)) {
            return c;
        }
    }
    return '?';
}

inline QImage fromArt(const std::vector<std::string>& rows) {
    QImage image(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()),
                 QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, artColour(rows[y][x]));
        }
    }
    return image;
}

// The image as art rows, for readable comparisons; the area given (from the top-left
// corner) only, when width and height are given.
inline std::vector<std::string> toArt(const QImage& image, int width = -1, int height = -1) {
    std::vector<std::string> rows;
    const int w = width < 0 ? image.width() : width;
    const int h = height < 0 ? image.height() : height;
    for (int y = 0; y < h; ++y) {
        std::string row;
        for (int x = 0; x < w; ++x) {
            row += artChar(image.pixel(x, y));
        }
        rows.push_back(row);
    }
    return rows;
}

inline int countColour(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += (image.pixel(x, y) & 0xFFFFFFu) == (colour & 0xFFFFFFu) ? 1 : 0;
        }
    }
    return count;
}

} // namespace zilvaro::test
