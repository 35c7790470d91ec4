#pragma once

#include "core/rounding.h"

#include <QPoint>
#include <QRect>

namespace zilvaro {

// The window is laid out in twips, 15 to the pixel at 96 dots per inch; Qt scales the
// whole window on high-DPI screens.
constexpr int TwipsPerPixel = 15;

inline int twipsToPixels(int twips) {
    return static_cast<int>(roundHalfEven(static_cast<double>(twips) / TwipsPerPixel));
}

inline QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

inline QPoint twipsPoint(int left, int top) {
    return QPoint(twipsToPixels(left), twipsToPixels(top));
}

} // namespace zilvaro
