#pragma once

#include "lookup/picture_surface.h"

#include <QWidget>

namespace zilvaro {

// A picture box of the main window: shows its PictureSurface (the picture with the
// fills made on it) at the top-left corner on white, at the surface's size. Every
// change of the surface repaints it; the fills live in the surface, so repaints keep
// them. On a high-DPI screen the surface is scaled pixel for pixel, never smoothed.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr, int widthPixels = PictureSurface::SlotWidth,
                        int heightPixels = PictureSurface::SlotHeight);

    PictureSurface& surface() { return surface_; }
    const PictureSurface& surface() const { return surface_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PictureSurface surface_;
};

} // namespace zilvaro
