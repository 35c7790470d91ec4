#pragma once

#include "common/decomposition_line.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace zilvaro::decompose {

class RootChart;

using tools::DecompositionLine;
using tools::rootCodeOf;
using tools::RootField;

// What a check of one line needs to know about its character.
struct CharacterFacts {
    QString classes;           // stroke classes 1-5 in writing order, one per stroke
    QStringList codes;         // every code of the code table, shortest first
    int structure = 0;         // 1 left-right, 2 top-bottom, 3 mixed; 0 when unknown
    bool walkEncloses = false; // 辶 or 廴 carries the rest of the character
    // The 撇 of each 斜钩, 撇, 点 run, the 戈 family without the 横 of 戈 (戊 dnyt, 咸 dgkt,
    // 我 trnt, and 咸 inside 感): Wubi reads such a 撇 and 点 dot first, so the dot as a root
    // of its own may come before the 撇 even in writing order.
    QVector<int> dotFirst;
};

// The stroke whose class gives the identification code: the last stroke of the last root,
// which for a frame that closes last (囗) is the last stroke inside it; for a character that
// 辶 or 廴 carries, the last stroke of the root before them. -1 when there is none.
int identificationStroke(const QVector<RootField>& roots, bool walkEncloses);

// How the order of a line's roots is checked. The decomposer writes roots in writing order,
// each root's strokes in one run, or in two around what the root encloses (囗, 丁 of 可).
// A hand override may also interleave roots the way Wubi reads a few characters against
// their stroke order: 非 is 三 刂 三 though its 刂 is the first and the fifth stroke, 母 takes
// its two dots as one root around the 一 between them. Each root's own strokes still ascend.
enum class RootOrder { Written, Interleaved };

// Every fault of one line: strokes not partitioned, roots that match no chart entry, keys
// that do not reproduce the full code, codes that disagree with the code table, a code
// line without a rule. Empty when the line is sound.
QStringList checkLine(const DecompositionLine& line, const CharacterFacts& facts,
                      const RootChart& chart, RootOrder order = RootOrder::Written);

} // namespace zilvaro::decompose
