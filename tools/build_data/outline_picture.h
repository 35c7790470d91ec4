#pragma once

#include "stroke_outlines.h"

#include "lookup/decomposition_picture.h"

#include <QImage>

#include <cstdint>
#include <vector>

namespace zilvaro::build {

// The decomposition picture's size, the one the program reads.
constexpr int PictureWidth = DecompositionPictureSize.width();
constexpr int PictureHeight = DecompositionPictureSize.height();
// The sharp picture for screens of device pixel ratio 2 (packed into bmp@2x.pack) draws the
// same character at this many times the resolution.
constexpr int SharpScale = 2;
static_assert(SharpPictureSize.width() == SharpScale * PictureWidth &&
              SharpPictureSize.height() == SharpScale * PictureHeight);

// What covers each pixel of the picture: bit k (k = 0..3) when a stroke shown in slot k
// covers it, InsideBit when any stroke of the character covers it.
constexpr std::uint8_t InsideBit = 0x10;
constexpr std::uint8_t SlotBits = 0x0f;

struct PixelStates {
    std::vector<std::uint8_t> state; // row by row, width x height
    int width = PictureWidth;
    int height = PictureHeight;
    // 1 for the decomposition picture, SharpScale for the sharp one.
    int scale() const { return width / PictureWidth; }
    std::uint8_t at(int x, int y) const { return state[static_cast<size_t>(y * width + x)]; }
};

// Rasterises the strokes (without antialiasing) and records each pixel's state; stroke i
// adds InsideBit and strokeSlots[i]. The character is scaled uniformly from the 1024 grid
// and centred in the picture, so all characters keep their relative size. With scale 2
// the states are those of the sharp picture: the same geometry on a grid twice as fine.
PixelStates rasterise(const StrokeOutlines& strokes, const std::vector<std::uint8_t>& strokeSlots,
                      int scale = 1);

// The outline: true (black) where a pixel's state differs from that of one of its eight
// neighbours (beyond the picture's edge everything is outside), false (white) elsewhere.
std::vector<bool> outline(const PixelStates& states);

// The 1-bit picture of an outline (width pixels a row): colour 0 white, colour 1 black.
QImage outlineImage(const std::vector<bool>& black, int width = PictureWidth);

// The BMP file of a picture, the same bytes for the same pixels on every run: Qt's BMP
// writer leaves the bytes that pad each row to four bytes as it found them in memory, so
// they are set to zero here. Empty if the picture cannot be written.
QByteArray bitmapFileBytes(const QImage& picture);

} // namespace zilvaro::build
