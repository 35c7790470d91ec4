#pragma once

#include "data/table_segment_names.h"

#include <QString>
#include <QStringView>

namespace zilvaro {

// The ten segment texts of the two reference tables, carried inside the program as
// UTF-16 made from their GBK texts at build time. They never change.
//
// Pinyin table, segments 1 to 5 by the syllable's initial letter (pinyinSegmentLetters):
// rows of the character, the syllable padded with blanks to
// six columns, CR LF; grouped by syllable in ascending order, in GB2312 code order within
// a syllable; each segment ends with a row of eight blanks and CR LF.
//
// Stroke table, segments 1 to 5 by the code's first digit: rows of the character, its
// five-digit stroke code, CR LF; one row for each of the 6763 GB2312 characters, in code
// order, and within one code level-1 characters first, the more common first.

// n = 1..5. A number out of range raises Failure.
const QString& pinyinSegment(int n);
const QString& strokeSegment(int n);

// The initial letters of the syllables pinyin segment n (1..5) holds: "abcde", "fghijk",
// "lmnopq", "rstuvwx", "yz". A number out of range raises Failure.
QStringView pinyinSegmentLetters(int n);

} // namespace zilvaro
