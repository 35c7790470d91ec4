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

// The main window's background: grey ground and two white rounded panels (614 x 339).
QImage drawBackground();
// The no-entry notice's picture: the sentence in brown on white (386 x 33).
QImage drawNoEntry();
// The 32 x 32 hand cursor: white hand, black outline, transparent elsewhere.
QImage drawHandCursor();
// The program icon at the given edge length, in full colour.
QImage drawIcon(int size);
// The 32 x 32 icon reduced to a palette of at most 16 colours.
QImage drawIcon16Colours();
// Identification-code picture number 0..15, monochrome.
QImage drawIdentificationCode(int index);
// The About dialog's banner (407 x 71).
QImage drawBanner();

} // namespace draw_assets
