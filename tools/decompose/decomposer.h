#pragma once

#include "component_hints.h"
#include "decomposition_line.h"
#include "strokes.h"

#include <QHash>

#include <QString>
#include <QVector>

namespace zilvaro::decompose {

class CodeTable;
class RootChart;
class StrokeNames;
struct Root;

// How a character's roots treat one of its components, strokes [first, end): split as the
// component splits on its own (`own`, its roots' strokes counted from 0) on the same keys,
// split the same way on other keys (卒's 人 人 keyed w and t), split some other way, or with
// a root reaching across the component's edge.
enum class ComponentSplit { AsAlone, OtherKeys, Otherwise, Crossed };
ComponentSplit componentSplit(const QVector<RootField>& roots, int first, int end,
                              const QVector<RootField>& own);
// True when Wubi reads a stroke of this name as the root's stroke `root` though the names
// differ: a dot for a press and back, a rising stroke for a 横, a 竖钩 for a 竖.
bool isNameVariant(const QString& stroke, const QString& root);
// The number of strokes in a list of roots.
int strokeTotal(const QVector<RootField>& roots);

// The outcome for one character: a decomposition that passed every check, or the reason
// why none could be chosen.
struct Decision {
    bool decided = false;
    DecompositionLine line;
    QString reason;     // why undecided
    int candidates = 0; // decompositions that reproduce the code
};

// Finds a character's Wubi 86 roots: segments its strokes into roots of the chart, in
// writing order, keeping those whose keys reproduce the full code (the identification
// code checked against the last stroke for fewer than four roots), and chooses by the Wubi
// rules: the largest root first, the component structure kept, the stroke names closest.
class Decomposer {
public:
    // With `outlines` (the drawn strokes of the characters and of the character roots), a
    // group of strokes that lacks the shape of its character root ranks below one that
    // has it.
    Decomposer(const RootChart& chart, const StrokeNames& names, const CodeTable& codes,
               const ComponentHints& hints,
               const QHash<QString, StrokeOutline>* outlines = nullptr);

    // The roots of characters decided before, each as its groups of strokes. A character
    // made of two of them, side by side or one above the other, then prefers the reading
    // that splits each component as the component is split on its own (宣 in 渲).
    using Groupings = QHash<QString, QVector<RootField>>;
    void setComponentGroupings(const Groupings* groupings) { groupings_ = groupings; }

    // `strokeCount` is the number of strokes hanzi-writer-data draws for the character.
    Decision decompose(const QString& character, int strokeCount) const;

    // The facts a line check needs, for the same character.
    CharacterFacts facts(const QString& character) const;

private:
    struct Piece {
        const Root* root;
        QVector<int> strokes;
        bool split = false; // two runs around what the root encloses
        bool operator==(const Piece&) const = default;
    };
    struct Candidate {
        QVector<Piece> pieces;
        int splits = 0;
        QVector<int> sizes;
        int boundaryKept = 0;
        int componentsKept = 0; // components split as they are on their own
        int nameMismatches = 0; // strokes whose name is not even a variant of the root's
        int namesMatched = 0;   // strokes whose name is exactly the root's
        int structureAgrees = 0;
        int characterRoots = 0;
        int frameKept = 0;  // the hint's frame 囗 closes with the character's last stroke
        int poorShapes = 0; // character roots whose strokes lack the root's shape
    };
    struct Context {
        QString character;
        QString classes;
        QString letters;
        QString full;
        bool walkEncloses = false;
        ComponentHint hint; // layout and components, for splitting a component as its own line
        int strokeCount = 0;
        QVector<QVector<int>> wholePlaces; // runs of strokes one root must hold (冖)
    };
    void search(const Context& context, const QVector<int>& remaining, QVector<Piece>& pieces,
                QVector<Candidate>& out) const;
    // Splits the strokes after the first three roots into roots, the last on the code's
    // fourth key, the largest first: into `pieces`, false where no split fits. `lastKey`
    // empty: any key.
    bool finishTail(const Context& context, const QVector<int>& remaining, QChar lastKey,
                    QVector<Piece>& pieces) const;
    bool finishTail(const Context& context, const QVector<int>& remaining, QChar lastKey,
                    QVector<Piece>& pieces, bool namesFit) const;
    // The same, with the character's second component split as its own line splits it,
    // where the strokes left hold all of it.
    bool finishTailByComponent(const Context& context, const QVector<int>& remaining,
                               QVector<Piece>& pieces) const;
    // How many of the strokes carry the root's stroke names: exactly, and counting a
    // variant of the name (点 for 捺, 提 for 横, 竖钩 for 竖) as the name.
    struct NameMatch {
        int exact = 0;
        int loose = 0;
    };
    NameMatch nameMatches(const Root& root, const QString& letters,
                          const QVector<int>& strokes) const;
    // Whether every stroke's name is the root's, a variant of it, or the same turning
    // stroke with or without its hook; a single stroke fits every stroke of its class.
    bool fitsNames(const Root& root, const QString& letters, const QVector<int>& strokes) const;
    // How well a root fits strokes left after the first three roots, for choosing among
    // roots of the same stroke classes there. A component's own groups are matched without
    // weighing the key area: their strokes are already the component's roots.
    int tailScore(const Root& root, const Context& context, const QVector<int>& strokes,
                  bool weighKeyArea) const;
    static QVector<RootField> fields(const QVector<Piece>& pieces);
    // The class of the stroke the identification code follows, with the chart's rules for
    // roots such as 力 and 戈.
    static int identificationClass(const QVector<Piece>& pieces, const Context& context);

    const RootChart& chart_;
    const StrokeNames& names_;
    const CodeTable& codes_;
    const ComponentHints& hints_;
    const QHash<QString, StrokeOutline>* outlines_;
    const Groupings* groupings_ = nullptr;
    int componentsKept(const ComponentHint& hint, int strokeCount,
                       const QVector<Piece>& pieces) const;
    bool poorShape(const QString& character, const Piece& piece) const;
    // Whether the strokes break a shape rule of the root (一 and 八 read as 大).
    bool breaksShape(const QString& character, const Root& root, const QVector<int>& strokes) const;
};

} // namespace zilvaro::decompose
