#pragma once

// Builds the rows and segment texts of the pinyin table and the stroke table from the
// published data read by sources.h.

#include "sources.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace make_tables {

// ----- Pinyin table -----

// The pinyin segment (1 to 5) of a syllable, by its initial letter: "abcde", "fghijk",
// "lmnopq", "rstuvwx", "yz"; 0 for any other initial.
int pinyinSegmentOf(const QString& syllable);

// Whether a character whose main reading is `main` may also carry a row for `other`: the
// reverse lookup shows the last row of the lowest-numbered segment that holds the
// character, so `other` must lie in a later segment, or in the same segment before `main`
// (rows are grouped by syllable in ascending order).
bool reverseLookupKeeps(const QString& main, const QString& other);

// One character's readings in the table: its main reading first, at most one more.
struct CharacterReadings {
    Gb2312Character character;
    QStringList syllables;
};

struct PinyinPlan {
    QList<CharacterReadings> readings; // characters with at least one row, in code order
    QStringList components;            // radical forms, which carry no row
    QStringList unread;                // characters with no usable reading at all
    QStringList promoted;              // "呒 m": main reading taken to fill a syllable
};

// Chooses every character's readings:
// - The main reading is the first kMandarin reading that is one of the syllables; failing
//   that, the first such reading of kTGHZ2013, kXHC1983, kHanyuPinyin.
// - Radical forms (named a radical in kDefinition and given no reading by either modern
//   dictionary, kTGHZ2013 or kXHC1983) carry no row.
// - A syllable that no main reading fills gets a second row from the characters that have
//   it as a further reading (the best source first), where the reverse lookup still shows
//   the main reading. Where no character allows that, the syllable becomes the main
//   reading of the character the best source gives it for, and the old main reading stays
//   as its second row.
// - A character with no second reading yet gets the most frequent further reading of
//   kHanyuPinlu (reading counts of a modern corpus), where the reverse lookup allows it.
// Fails when a syllable stays without any row.
PinyinPlan planReadings(const QList<Gb2312Character>& characters,
                        const QHash<QString, UnihanEntry>& unihan, const QStringList& syllables);

// The five pinyin segments as GBK bytes: rows "character, syllable padded to six, CR LF",
// grouped by syllable in ascending order, in GB2312 code order within a syllable, each
// segment ending with eight blanks and CR LF.
std::array<QByteArray, 5> pinyinSegments(const PinyinPlan& plan);

// ----- Stroke table -----

// A stroke's class: 1 horizontal or rising (提), 2 vertical or vertical hook (竖钩),
// 3 left-falling, 4 dot or right-falling (捺), 5 every other, turning stroke; the
// decomposer classes strokes by the same rule.
using zilvaro::tools::strokeClass;

// The five-digit code of a stroke sequence given as classes: the first four strokes and
// the last; a character of at most four strokes has them in the first digits and 0 after.
QString strokeCode(const QList<int>& classes);

struct StrokeRow {
    Gb2312Character character;
    QString code;
    int frequencyRank = 0; // 0: not in the frequency list
};

// Every GB2312 character's code, from cnchar-order and, for the characters it lacks, our
// supplement, ordered by code, then level 1 before level 2, then the more common first
// (characters missing from the frequency list last, in code order). Fails when a
// character has no stroke order, the supplement repeats one cnchar-order has, or a
// stroke letter is unknown.
QList<StrokeRow> strokeRows(const QList<Gb2312Character>& characters, const StrokeOrders& orders,
                            const QList<SupplementLine>& supplement,
                            const QHash<QString, int>& frequencyRanks);

// The five stroke segments as GBK bytes, by the code's first digit: rows "character,
// code, CR LF".
std::array<QByteArray, 5> strokeSegments(const QList<StrokeRow>& rows);

} // namespace make_tables
