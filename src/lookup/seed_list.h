#pragma once

#include <QStringView>

#include <cstdint>
#include <vector>

namespace zilvaro {

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

} // namespace zilvaro
