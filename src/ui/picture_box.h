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

    // Whether a surface of the given scale is drawn smoothed on a screen of the given
    // device pixel ratio: when the ratio is no whole multiple of the scale.
    static bool scalesSmoothly(double devicePixelRatio, int surfaceScale);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PictureSurface surface_;
};

} // namespace zilvaro
