#pragma once

#include <QImage>
#include <QRgb>

#include <cstdint>
#include <functional>
#include <optional>

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

// Paints the area of findFloodArea with fillColour. An image of another format than
// Format_RGB32 or Format_ARGB32 (a 1-bit BMP, say) is converted to Format_RGB32 first. A seed on
// the fill colour in surface mode paints nothing new: the area of that colour is painted in the
// colour it already has.
bool floodFill(QImage& image, int x, int y, QRgb colour, FloodMode mode, QRgb fillColour);

class PictureSurface;

// The code module of the lookup.
namespace Module3 {

// Floods the area under the point (x, y) of box, given in the box's ScaleMode units,
// with fillColour (0x00BBGGRR, see BoxColour). The point goes to the nearest pixel,
// halves to even. Without a border colour the area is the pixels of the seed pixel's
// colour connected to it; with one, the pixels up to the border colour. The box's
// FillStyle and FillColor are the same after the call as before it. A seed outside the
// surface paints nothing.
void FloodFillPicture(PictureSurface& box, std::int32_t x, std::int32_t y, std::uint32_t fillColour,
                      std::optional<std::uint32_t> borderColour = std::nullopt);

} // namespace Module3

} // namespace zilvaro
