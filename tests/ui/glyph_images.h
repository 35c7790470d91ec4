#pragma once

#include <QFont>
#include <QImage>
#include <QList>
#include <QString>
#include <QWidget>

namespace zilvaro::test {

// The ink of a text drawn in the font, black on white, cropped to the smallest rectangle
// that holds every pixel that is not white. Empty when nothing is drawn.
QImage inkOf(const QFont& font, const QString& text);

// How many pixels of two inks differ by more than a quarter of the grey scale, with the
// inks laid over each other where they match best (up to two pixels apart).
int pixelsApart(const QImage& a, const QImage& b);

// Whether l, 1 and I drawn in the font are three glyphs that differ from each other in
// at least a few pixels each. Describes the first pair drawn alike in why, if given.
bool tellsLOneAndCapitalIApart(const QFont& font, QString* why = nullptr);

// The fonts of every visible widget under the top-level widget, one of each kind, except
// those of the widgets passed in except and of their children.
QList<QFont> fontsShownBy(const QWidget* window, const QList<const QWidget*>& except = {});

} // namespace zilvaro::test
