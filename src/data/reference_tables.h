#pragma once

#include <QString>

namespace zilvaro {

// The ten segment texts of the two reference tables, carried inside the program as
// UTF-16 made from their GBK texts at build time. They never change.
//
// Pinyin table, segments 1 to 5 by the syllable's initial letter ("abcde", "fghijk",
// "lmnopq", "rstuvwx", "yz"): rows of the character, the syllable padded with blanks to
// six columns, CR LF; grouped by syllable in ascending order, in GB2312 code order within
// a syllable; each segment ends with a row of eight blanks and CR LF.
//
// Stroke table, segments 1 to 5 by the code's first digit: rows of the character, its
// five-digit stroke code, CR LF; one row for each of the 6763 GB2312 characters, in code
// order, and within one code level-1 characters first, the more common first.

constexpr int TableSegmentCount = 5;

// n = 1..5. A number out of range raises Failure.
const QString& pinyinSegment(int n);
const QString& strokeSegment(int n);

// The segments' names: "Text1bh1" .. "Text1bh5" and "Text1bh1w" .. "Text1bh5w".
QString pinyinSegmentName(int n);
QString strokeSegmentName(int n);

} // namespace zilvaro
