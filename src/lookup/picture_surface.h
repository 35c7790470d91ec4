#pragma once

#include "lookup/flood_fill.h"
#include "lookup/seed_list.h"

#include <QImage>

#include <cstdint>
#include <functional>

namespace zilvaro {

// A colour as a picture box's members hold it: 0x00BBGGRR, red in the low byte (black
// 0x000000, white 0xFFFFFF, pure red 0x0000FF). QImage pixels are QRgb (0xAARRGGBB);
// the two functions below convert between them.
using BoxColour = std::uint32_t;
constexpr BoxColour BoxBlack = 0x000000u;
constexpr BoxColour BoxWhite = 0xFFFFFFu;
BoxColour boxColourFromRgb(QRgb rgb);
QRgb rgbFromBoxColour(BoxColour colour);

// Coordinate units of a picture box, numbered as its ScaleMode values: the slots work
// in twips, the surface in pixels.
enum class ScaleUnit : int { Twip = 1, Pixel = 3 };

// Fill styles of a picture box: 0 solid (what a flood fill sets), 1 transparent (a new
// box's, which paints nothing).
enum FillStyleValue : int { FillSolid = 0, FillTransparent = 1 };

// The drawing model of one picture box. It holds a picture, drawn unscaled at the
// top-left corner of a white drawing surface of fixed size, plus whatever was painted on
// that surface since the picture was set (the fills). Parts of a picture beyond the
// surface are cut off. Coordinates are in the box's ScaleMode (twips unless changed);
// the surface itself is addressed in pixels.
//
// The surface has as many pixels per logical pixel as its picture's device pixel ratio
// (rounded, at least 1): a sharp picture of ratio 2 makes a surface of twice the width
// and height, whose pixels are 7.5 twips. An empty box has ratio 1.
//
// The box holds no widget; a PictureBox shows one. Every change of the surface runs the
// change handler, so a view can repaint.
class PictureSurface {
public:
    // A picture slot of the main window: 1680 x 1695 twips.
    static constexpr int SlotWidth = 112;
    static constexpr int SlotHeight = 113;

    explicit PictureSurface(int widthPixels = SlotWidth, int heightPixels = SlotHeight);
    PictureSurface(const PictureSurface&) = delete;
    PictureSurface& operator=(const PictureSurface&) = delete;

    // Sets the picture and discards earlier fills. A null image empties the box.
    void setPicture(const QImage& picture);
    // Sets this box's picture to other's picture alone, without other's fills.
    void copyPictureFrom(const PictureSurface& other);
    // Empties the box: no picture, no fills, all white.
    void clearPicture();
    // Removes what was painted since the picture was set; the picture stays.
    void clearDrawing();

    const QImage& picture() const { return picture_; }
    bool hasPicture() const { return !picture_.isNull(); }
    // The picture with the fills, Format_RGB32, of the box's size times its scale, with
    // that scale as its device pixel ratio.
    const QImage& surface() const { return surface_; }
    int widthPixels() const { return surface_.width(); }
    int heightPixels() const { return surface_.height(); }
    // The box's size in logical pixels (that of a surface of scale 1).
    QSize logicalSize() const { return logicalSize_; }
    // Surface pixels per logical pixel: 1, or 2 while a sharp picture is shown.
    int scale() const { return scale_; }

    ScaleUnit ScaleMode() const { return scaleMode_; }
    void setScaleMode(ScaleUnit unit) { scaleMode_ = unit; }
    // Converts a horizontal or vertical distance between units. Without rounding: the
    // callers round as their step says.
    double ScaleX(double value, ScaleUnit from, ScaleUnit to) const;
    double ScaleY(double value, ScaleUnit from, ScaleUnit to) const;

    // The brush area fills paint with.
    int FillStyle() const { return fillStyle_; }
    void setFillStyle(int style); // FillSolid or FillTransparent; another value is a failure
    BoxColour FillColor() const { return fillColour_; }
    void setFillColor(BoxColour colour) { fillColour_ = colour & 0xFFFFFFu; }

    // The colour (0x00BBGGRR) of the pixel under the point (x, y) given in ScaleMode
    // units, or -1 when the point lies outside the surface. The point goes to its pixel
    // as a flood fill's seed does: to the nearest pixel, halves to even.
    std::int32_t Point(double x, double y) const;

    // Our counterpart of the platform's flood fill on the box's device context: paints
    // the area at pixel (xp, yp) bounded as mode says by colour with the box's brush
    // (FillStyle, FillColor). Returns false when nothing could be filled: the seed lies
    // outside the surface, or it gives no area. A transparent brush finds the area but
    // paints nothing.
    bool ExtFloodFill(int xp, int yp, BoxColour colour, FloodMode mode);

    void setChangeHandler(std::function<void()> handler) { changed_ = std::move(handler); }

private:
    void render();
    void notify() const;
    double twipsPerUnit(ScaleUnit unit) const;

    QImage picture_;
    QImage surface_;
    QSize logicalSize_;
    int scale_ = 1;
    ScaleUnit scaleMode_ = ScaleUnit::Twip;
    int fillStyle_ = FillTransparent; // a new picture box fills nothing until told
    BoxColour fillColour_ = BoxBlack;
    std::function<void()> changed_;
};

} // namespace zilvaro
