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

// A character's standard readings, as Unihan writes them, without repeats: those of
// kTGHZ2013 (the standard dictionary of the characters in use today) in its order; for a
// character it does not list, those of kMandarin followed by the further ones of kXHC1983.
QStringList standardReadings(const UnihanEntry& entry);

// The standard readings, the most frequent first: by their counts in kHanyuPinlu (a
// modern corpus), readings it does not count after those it does, ties and uncounted
// readings in their standard order. 行: xíng háng héng.
QStringList readingsByFrequency(const UnihanEntry& entry);

// One character's readings: the syllables of its rows (its standard readings without
// tone marks, in their order, without repeats) and its readings with tone marks, the most
// frequent first.
struct CharacterReadings {
    Gb2312Character character;
    QStringList syllables;
    QStringList toned;
};

struct PinyinPlan {
    QList<CharacterReadings> readings; // characters with at least one reading, in code order
    QStringList unread;                // characters with no reading at all
};

// Every character's readings from the Unicode Han database. Fails, naming the character,
// when a reading is none of the syllables, and when a syllable is no character's reading.
PinyinPlan planReadings(const QList<Gb2312Character>& characters,
                        const QHash<QString, UnihanEntry>& unihan, const QStringList& syllables);

// The character list of the readings with tone marks (data/character_lists.h), in code
// order, after a comment line.
QByteArray tonedReadingsList(const PinyinPlan& plan);

// The character list of the characters' Wubi 86 codes, shortest first, in code order,
// after a comment line. Fails naming a character the code table has no code for.
QByteArray wubiCodesList(const QList<Gb2312Character>& characters,
                         const QHash<QString, QStringList>& codes);

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
