#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <QVector>

#include <vector>

namespace draw_assets {

// Families of the Song-style CJK serif fonts installed with fonts-arphic-uming.
QFont songFont(double pixelSize, bool bold = false);

// Blurs the alpha of an ARGB image in place with three passes of a box filter of the given
// radius: the soft edge of a drop shadow.
void blurAlpha(QImage& image, int radius);

// The main window's background: grey ground and two white rounded panels (614 x 339,
// times the scale: 2 draws the version for high-DPI screens).
QImage drawBackground(int scale = 1);
// The no-entry notice's picture: the sentence in brown on white (386 x 33, times the
// scale).
QImage drawNoEntry(int scale = 1);
// The 32 x 32 hand cursor: white hand, black outline, transparent elsewhere.
QImage drawHandCursor();
// The program icon at the given edge length, in full colour.
QImage drawIcon(int size);
// The 32 x 32 icon reduced to a palette of at most 16 colours.
QImage drawIcon16Colours();
// Identification-code picture number 0..15, monochrome (108 x 109, 13: 108 x 108; times
// the scale).
QImage drawIdentificationCode(int index, int scale = 1);
// The About dialog's banner (407 x 71).
QImage drawBanner();

} // namespace draw_assets
