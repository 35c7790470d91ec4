#pragma once

#include "stroke_outlines.h"

#include <QImage>

#include <cstdint>
#include <vector>

namespace zilvaro::build {

// The decomposition picture's size: that of the identification-code pictures.
constexpr int PictureWidth = 108;
constexpr int PictureHeight = 109;

// What covers each pixel of the picture: bit k (k = 0..3) when a stroke shown in slot k
// covers it, InsideBit when any stroke of the character covers it.
constexpr std::uint8_t InsideBit = 0x10;
constexpr std::uint8_t SlotBits = 0x0f;

struct PixelStates {
    std::vector<std::uint8_t> state; // row by row, PictureWidth x PictureHeight
    std::uint8_t at(int x, int y) const { return state[static_cast<size_t>(y * PictureWidth + x)]; }
};

// Rasterises the strokes (without antialiasing) and records each pixel's state; stroke i
// adds InsideBit and strokeSlots[i]. The character is scaled uniformly from the 1024 grid
// and centred in the picture, so all characters keep their relative size.
PixelStates rasterise(const StrokeOutlines& strokes, const std::vector<std::uint8_t>& strokeSlots);

// The outline: true (black) where a pixel's state differs from that of one of its eight
// neighbours (beyond the picture's edge everything is outside), false (white) elsewhere.
std::vector<bool> outline(const PixelStates& states);

// The 1-bit picture of an outline: colour 0 white, colour 1 black.
QImage outlineImage(const std::vector<bool>& black);

} // namespace zilvaro::build
