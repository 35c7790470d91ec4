#include "drawing.h"

#include <array>

namespace draw_assets {

namespace {

// The hand pointing up, one character a pixel: 'X' black outline, 'o' white hand, '.'
// transparent. The tip of the index finger is at (5, 0), the cursor's hot spot.
constexpr std::array<const char*, 23> kHand = {
    ".....XXX..........", "....XoooX.........", "....XoooX.........", "....XoooX.........",
    "....XoooX.........", "....XoooXXX.......", "....XoooXooXXX....", "....XoooXooXooXX..",
    "....XoooXooXooXoX.", ".XX.XoooXooXooXooX", "XooXXooooooooooooX", "XoooXooooooooooooX",
    ".XooXooooooooooooX", ".XoooooooooooooooX", "..XooooooooooooooX", "..XooooooooooooooX",
    "...XooooooooooooX.", "...XooooooooooooX.", "....XooooooooooX..", "....XooooooooooX..",
    ".....XooooooooX...", ".....XooooooooX...", ".....XXXXXXXXXX...",
};

} // namespace

QImage drawHandCursor() {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < static_cast<int>(kHand.size()); ++y) {
        for (int x = 0; kHand[y][x] != '\0'; ++x) {
            if (kHand[y][x] == 'X') {
                image.setPixel(x, y, qRgba(0, 0, 0, 255));
            } else if (kHand[y][x] == 'o') {
                image.setPixel(x, y, qRgba(255, 255, 255, 255));
            }
        }
    }
    return image;
}

} // namespace draw_assets
