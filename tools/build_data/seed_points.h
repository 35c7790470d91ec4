#pragma once

#include "outline_picture.h"

#include "lookup/seed_list.h"

#include <QPoint>
#include <QRect>
#include <QString>

#include <array>
#include <vector>

namespace zilvaro::build {

// One closed white area of an outline picture: pixels joined through their edge
// neighbours (the strictest neighbour rule a flood fill may use), all of one state.
struct WhiteArea {
    std::uint8_t state = 0;
    int size = 0;
    QPoint interior; // the pixel farthest from the area's outline (first in reading order)
};

// The picture's white areas, in reading order of their first pixel. When `labels` is
// given, it receives each pixel's area number (an index into the result), -1 for black.
std::vector<WhiteArea> whiteAreas(const PixelStates& states, const std::vector<bool>& black,
                                  std::vector<int>* labels = nullptr);

// The share of a shown root's pixels that its fills must turn black (outline included).
constexpr double MinCoverage = 0.97;

// The largest white area that may be drawn black when a root has more areas than seeds,
// in the decomposition picture; in the sharp picture the same surface (times the square
// of SharpScale). 18: the crossing of 戈's 撇 and 斜钩, which two slots of its own show, is
// a tenth area of 70 pixels in the sharp picture.
constexpr int MaxSliver = 18;

// One picture as the seed points see it: its states, its outline, its white areas, each
// pixel's area and (when asked for) its distance to the outline.
struct SeedPicture {
    SeedPicture(const PixelStates& states, std::vector<bool>& black, bool withDepth = true);
    const PixelStates& states;
    std::vector<bool>& black;
    std::vector<WhiteArea> areas;
    std::vector<int> labels;               // the area of each pixel, -1 for black
    std::vector<long long> distanceSquare; // to the nearest black pixel; empty without depth
    // Per slot: the pixels of its root, those of them white, and their extent in pixels
    // of the decomposition picture.
    std::array<int, 4> rootPixels{};
    std::array<int, 4> whitePixels{};
    std::array<QRect, 4> extent{};
};

// Where the root of a shown slot has more than nine white areas, draws its smallest areas
// black until nine are left: at the picture's size these are slivers of a stroke pinched
// between its outlines, which no fill would reach, and which would otherwise stay white
// inside the black root. An area larger than MaxSliver (times the square of the picture's
// scale) may go only when every shown slot's root covers it (every slot that shows the
// picture fills it black anyway); otherwise too many areas are a DataError naming the
// character. The picture's outline and areas are updated. Returns, per slot, the number
// of its root's pixels drawn black.
std::array<int, 4> fillSlivers(SeedPicture& picture, const std::array<bool, 4>& shown,
                               const QString& character);
// The same on a picture's states and outline alone.
std::array<int, 4> fillSlivers(const PixelStates& states, std::vector<bool>& black,
                               const std::array<bool, 4>& shown, const QString& character);

// The pixel on which a seed coordinate in twips falls in a picture of the given scale,
// as the program's flood fill finds it: twips / (TwipsPerPixel / scale), to the nearest, halves to
// even.
int pixelOfTwips(int twips, int scale);

struct SlotSeeds {
    std::vector<QPoint> seeds;    // in twips
    std::vector<double> coverage; // per picture: the share of the root's pixels black after
                                  // the fills
    std::vector<int> rootPixels;  // per picture: the pixels of the root
};

// The seeds of slot k, in twips, serving every picture at once (the decomposition
// picture, then the sharp one): each seed falls, in every picture, on a white area whose
// state holds k or on a black pixel, so that no fill leaks beyond the root. The areas are
// taken largest first (by their share of the root, summed over the pictures), at most
// nine seeds, each at the point deepest inside the areas it falls on (as far as the
// pictures measured with depth tell; among seeds that gain as much, one on white in more
// pictures first). A root drawn with
// outline alone gets one seed on black pixels of its own, where a fill paints nothing,
// so that its slot still receives the picture. A root that covers no pixel, or that nine
// seeds leave more than 3% white in one of the pictures, is a DataError naming the
// character.
SlotSeeds slotSeeds(const std::vector<const SeedPicture*>& pictures, int slot,
                    const QString& character);

} // namespace zilvaro::build
