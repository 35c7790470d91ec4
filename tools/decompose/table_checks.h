#pragma once

#include "decomposer.h"
#include "decomposition_line.h"

#include <QHash>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

namespace zilvaro::decompose {

class ComponentHints;
class RootChart;
class StrokeNames;
struct Root;

// Which chart root a root field of a character's line is: the roots on the field's key
// whose strokes have the field's classes, and of these the ones whose stroke names fit
// best (names the root's own counting twice, variants Wubi reads as them once). Empty when
// no root on the key has these classes.
QVector<const Root*> rootsOfField(const RootField& field, const QString& character,
                                  const RootChart& chart, const StrokeNames& names);

// The characters of `order` whose line uses each root, by the root's index in the chart.
QHash<int, QStringList> rootUses(const QHash<QString, DecompositionLine>& lines,
                                 const QStringList& order, const RootChart& chart,
                                 const StrokeNames& names);

// Every root whose witnesses do not show it: a witness without a line, or whose line does
// not use the root. One text per fault, naming the chart line.
QStringList witnessProblems(const QHash<QString, DecompositionLine>& lines, const RootChart& chart,
                            const StrokeNames& names);

// One component of a character whose own line is known: strokes [first, end) of the
// character, and how the character's roots treat them.
struct Placement {
    QString character;
    QString component;
    int first = 0;
    int end = 0;
    ComponentSplit split = ComponentSplit::AsAlone;
};

// Every placement in the table: for each character the component table gives as two
// characters side by side or one above the other, each component that has a line of its
// own with as many strokes as its place holds. Characters in `order`.
QVector<Placement> componentPlacements(const QHash<QString, DecompositionLine>& lines,
                                       const QStringList& order, const ComponentHints& hints,
                                       const StrokeNames& names);

// The characters that read a component otherwise than it reads alone, each for a reason of
// the Wubi rules: data/decomposition-exceptions.tsv, lines "character TAB component TAB
// reason".
class ComponentExceptions {
public:
    static ComponentExceptions load(const QString& path);
    static ComponentExceptions parse(const QString& text, const QString& path);

    bool contains(const QString& character, const QString& component) const {
        return reasons_.contains({character, component});
    }
    QString reason(const QString& character, const QString& component) const {
        return reasons_.value({character, component});
    }
    int size() const { return int(reasons_.size()); }
    QList<QPair<QString, QString>> listed() const { return reasons_.keys(); }

private:
    QHash<QPair<QString, QString>, QString> reasons_;
};

// What the placements come to against the listed exceptions.
struct PlacementReport {
    int placements = 0; // every placement
    int asAlone = 0;
    int crossed = 0;           // a root reaches across the edge (a larger root, a frame)
    int listed = 0;            // read otherwise, and listed with a reason
    QStringList unlisted;      // "character(component)" read otherwise without a reason
    QStringList staleListings; // listed, but read as alone (or no longer a placement)
};
PlacementReport comparePlacements(const QVector<Placement>& placements,
                                  const ComponentExceptions& exceptions);

} // namespace zilvaro::decompose
