#pragma once

#include "outline_picture.h"

#include <QPoint>
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

// The most seed points a seed list holds.
constexpr int MaxSeeds = 9;
// The share of a shown root's pixels that its fills must turn black (outline included).
constexpr double MinCoverage = 0.97;

// The largest white area that may be drawn black when a root has more areas than seeds.
constexpr int MaxSliver = 16;

// Where the root of a shown slot has more than nine white areas, draws the areas after
// the nine largest black: at the picture's size these are slivers of a stroke pinched
// between its outlines, which no fill would reach, and which would otherwise stay white
// inside the black root. A sliver larger than MaxSliver pixels is a DataError naming the
// character. Returns, per slot, the number of its root's pixels drawn black.
std::array<int, 4> fillSlivers(const PixelStates& states, std::vector<bool>& black,
                               const std::array<bool, 4>& shown, const QString& character);

struct SlotSeeds {
    std::vector<QPoint> seeds; // in pixels
    double coverage = 0;       // share of the root's pixels black after its fills
    int rootPixels = 0;        // the pixels of the root
};

// The seeds of slot k: one in each white area whose state holds k, largest area first,
// at most nine, at each area's most interior pixel. A root drawn with outline alone gets
// one seed on one of its black pixels, where a fill paints nothing, so that its slot still
// receives the picture. A root that covers no pixel, or whose nine largest areas leave
// more than 3% of its pixels white, is a DataError naming the character.
SlotSeeds slotSeeds(const PixelStates& states, const std::vector<bool>& black,
                    const std::vector<WhiteArea>& areas, int slot, const QString& character);

// A seed list as the record holds it: each seed in twips (15 per pixel), x and y
// right-aligned in four columns each.
QString formatSeedList(const std::vector<QPoint>& seeds);

} // namespace zilvaro::build
