#pragma once

#include "decomposition.h"
#include "stroke_outlines.h"

#include <QByteArray>
#include <QImage>

#include <array>

namespace zilvaro::build {

// Everything the program's folder holds for one character.
struct CharacterData {
    QImage picture;       // the 1-bit decomposition picture
    QImage sharpPicture;  // the same, SharpScale times as fine, for high-DPI screens
    QByteArray sharpFile; // the sharp picture's BMP file, for the pack
    QByteArray record;    // the 302-byte record of wwbb11.dat
    int key = 0;          // the record's sort key
    // Per slot showing a root, the share of its pixels that its fills and its outline
    // make black, not counting the slivers drawn black, in the less covered of the two
    // pictures (0 for other slots).
    std::array<double, 4> coverage{};
};

// Draws the two pictures of one character and writes its record: codes from the table, a
// seed list for each slot showing a root (each seed in the same root's area in both
// pictures), the mark "0" for a slot showing the identification code, blanks for an empty
// slot.
CharacterData buildCharacter(const Decomposition& entry, const StrokeOutlines& strokes);

} // namespace zilvaro::build
