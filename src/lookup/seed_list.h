#pragma once

#include "data/character_record.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <vector>

namespace zilvaro {

// Twips per pixel of the display the window, its pictures and the seed points are made
// for (96 dots per inch). A sharp picture (device pixel ratio 2) has twice as many pixels
// to the twip, 7.5 twips a pixel, so the same seed points fall on the same roots.
constexpr int TwipsPerPixel = 15;

// A seed list is a run of seeds, each its x and then its y in twips, every number
// right-aligned in SeedNumberWidth columns. Nine seeds of eight columns are the 72
// columns of one seed-list field of a record.
constexpr int SeedNumberWidth = 4;
constexpr int SeedWidth = 2 * SeedNumberWidth;
constexpr int MaxSeeds = CharacterRecord::FillPointsWidth / SeedWidth;
static_assert(MaxSeeds == 9 && MaxSeeds * SeedWidth == CharacterRecord::FillPointsWidth);

// Reads the number in one piece of a seed list (at most four characters; shorter or
// empty where the list ends early). Leading blanks are dropped; the rest is read as a
// decimal number (an optional sign, digits, an optional decimal point and fraction)
// with blanks ignored wherever they stand, up to the first character that cannot
// continue the number; a piece without digits reads 0. The value goes to a signed
// 16-bit integer, to the nearest, halves to even (" 1 2" reads 12, "7x9" reads 7); a
// longer text whose value lies beyond 16 bits is a Failure, as an overflow is.
std::int16_t readSeedNumber(QStringView piece);

// One seed point, in twips from the slot's top-left corner.
struct SeedPoint {
    std::int16_t x = 0;
    std::int16_t y = 0;
    friend bool operator==(const SeedPoint&, const SeedPoint&) = default;
};

// The seed points of a seed list: with trailing blanks stripped, the list holds
// n = length / 8 points (rounded to the nearest, halves to even), point i with x in the
// four characters from 8i - 7 and y in the four from 8i - 3 (counted from 1). A list of
// 12 characters gives two points, the second with y 0 from its empty piece.
std::vector<SeedPoint> seedPoints(QStringView seedList);

// The seed list of the seeds, as a record holds it (without the blanks that fill the
// field), which seedPoints reads back to the same seeds. nullopt for more than MaxSeeds
// seeds or a coordinate that does not fit in its columns (below -999 or above 9999).
std::optional<QString> formatSeedList(const std::vector<SeedPoint>& seeds);

} // namespace zilvaro
