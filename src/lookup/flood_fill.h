#pragma once

#include <QImage>
#include <QRgb>

#include <functional>

namespace zilvaro {

// How the area of a flood fill is bounded, after the two fill types of the platform's
// flood fill:
// - Surface: the area is the pixels of the given colour connected to the seed; a seed
//   of another colour gives no area.
// - Border: the area is the pixels of any colour but the given one connected to the
//   seed; a seed on that border colour gives no area.
enum class FloodMode { Surface, Border };

// Receives one horizontal run of the area: the pixels xFrom..xTo (both included) of row y.
using SpanPainter = std::function<void(int y, int xFrom, int xTo)>;

// Finds the area of a flood fill started at pixel (x, y) of image and hands every run of
// it, exactly once, to paint. Colours are QRgb (0xAARRGGBB) and compare by their red,
// green and blue only; the alpha byte is ignored.
//
// Pixels join the area through their four edge neighbours only (4-connected): two areas
// that touch at a corner stay apart, so a fill cannot leak through a diagonal gap in an
// outline. The fill is a scanline fill with an explicit stack of pending runs, never
// recursion, so any area the image can hold is filled without exhausting the call stack.
// The area is fixed by the image as it was when the fill started: what paint writes into
// the runs it is given does not change it.
//
// Returns false and paints nothing when the seed lies outside the image or gives no area.
bool findFloodArea(const QImage& image, int x, int y, QRgb colour, FloodMode mode,
                   const SpanPainter& paint);

} // namespace zilvaro
