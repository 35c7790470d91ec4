#pragma once

#include "common/decomposition_line.h"
#include "shape.h"
#include "strokes.h"

#include <QHash>
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
    // The drawn strokes of the character, and of every character, for the shape checks;
    // empty and null where a check has no drawing (the shape checks are then skipped).
    QVector<Median> medians = {};
    const QHash<QString, StrokeOutline>* outlines = nullptr;
    // The names each stroke may have ("横撇", "横钩"), for the roots kept whole.
    QVector<QStringList> strokeNames = {};
};

// The stroke whose class gives the identification code: the last stroke of the last root,
// which for a frame that closes last (囗) is the last stroke inside it; for a character that
// 辶 or 廴 carries, the last stroke of the root before them. -1 when there is none.
int identificationStroke(const QVector<RootField>& roots, bool walkEncloses);

// The strokes of a character root in the order Wubi reads them for its code, as its line
// lists them: the letters after the key name its first, second and last strokes by their
// classes (g h t y n), even against the writing order: 戈 agnt reads its 丿 last, after the
// dot; 力 ltn its 丿 first; 止 hhhg its two 竖 before the 横 between them. The strokes no
// letter names stay between, in writing order. Empty when a letter names no stroke class
// or no stroke of its class is left (the code then names no strokes).
QVector<int> readingOrder(const QString& classes, const QString& fullCode);

// How the order of a line's roots is checked. The decomposer writes roots in writing order,
// each root's strokes in one run, or in two around what the root encloses (囗, 丁 of 可).
// A hand override may also interleave roots the way Wubi reads a few characters against
// their stroke order: 非 is 三 刂 三 though its 刂 is the first and the fifth stroke, 母 takes
// its two dots as one root around the 一 between them. Each root's own strokes still ascend.
enum class RootOrder { Written, Interleaved };

// Every fault of one line: strokes not partitioned, roots that match no chart entry, keys
// that do not reproduce the full code, codes that disagree with the code table, a code
// line without a rule. Empty when the line is sound.
// The faults of a line's shapes, part of checkLine: a group that breaks a shape rule of its
// root (穿 中起 上), a root whose strokes lie apart around another root's strokes without
// enclosing them, roots out of order, a root the chart keeps whole (冖) read as single
// strokes where its shape stands. Only a root marked 隔 may lie apart or out of order.
// The strokes, each run in writing order, where a root the chart keeps whole (整: 冖)
// stands with its own shape: a line keeps each run inside one root (冖, or 宀 around it).
QVector<QVector<int>> wholeRootPlaces(const CharacterFacts& facts, const RootChart& chart);

QStringList shapeProblems(const DecompositionLine& line, const CharacterFacts& facts,
                          const RootChart& chart);

QStringList checkLine(const DecompositionLine& line, const CharacterFacts& facts,
                      const RootChart& chart, RootOrder order = RootOrder::Written);

} // namespace zilvaro::decompose
