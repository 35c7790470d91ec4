#pragma once

#include "lookup/picture_surface.h"

#include <QWidget>

namespace zilvaro {

// A picture box of the main window: shows its PictureSurface (the picture with the
// fills made on it) at the top-left corner on white, at the box's logical size. Every
// change of the surface repaints it; the fills live in the surface, so repaints keep
// them. A surface of scale 2 (a sharp picture) lands pixel for pixel on a screen of
// device pixel ratio 2; where the screen's ratio is a whole multiple of the surface's
// scale the surface is enlarged pixel for pixel, and elsewhere (ratio 1.5 with a sharp
// picture) scaled smoothly, so that every outline stays even.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr, int widthPixels = PictureSurface::SlotWidth,
                        int heightPixels = PictureSurface::SlotHeight);

    PictureSurface& surface() { return surface_; }
    const PictureSurface& surface() const { return surface_; }

    QSize sizeHint() const override;

    // A key letter drawn small over the picture, in the first corner (bottom right, top
    // right, bottom left, top left) whose square holds no ink of the surface, so that it
    // covers no stroke; where every corner holds ink, on a white patch in the corner with
    // the least. A null letter draws none. The letter follows the surface: a new picture
    // or fill may move it to another corner.
    void setCornerLetter(QChar letter);
    QChar cornerLetter() const { return cornerLetter_; }

    // The square, in logical pixels of a box of the given size, where the letter goes on
    // this surface, and whether that square is free of ink.
    static QRect letterSquare(const QImage& surface, QSize logicalSize, bool* free = nullptr);
    // The side of that square in logical pixels.
    static constexpr int LetterSquareSide = 15;

    // Whether a surface of the given scale is drawn smoothed on a screen of the given
    // device pixel ratio: when the ratio is no whole multiple of the scale.
    static bool scalesSmoothly(double devicePixelRatio, int surfaceScale);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PictureSurface surface_;
    QChar cornerLetter_;
};

} // namespace zilvaro
