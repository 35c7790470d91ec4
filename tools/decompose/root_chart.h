#pragma once

#include "shape_rules.h"

#include <QChar>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

namespace zilvaro::decompose {

// One root of the chart: its key, the root itself (a character, or a short description
// for a root that is no character), its kind and its strokes by name.
struct Root {
    enum class Kind { Key, Character, Stroke, Part };
    QChar key;
    QString root;
    Kind kind = Kind::Part;
    QStringList strokes;
    QString classes; // the strokes' classes as digits 1-5
    // The class the identification code takes for the root's last stroke, when the Wubi
    // rules fix it (折 for 力 刀 九 匕, 撇 for 戈); 0 otherwise.
    int lastStrokeClass = 0;
    // A form that only hand overrides use: the decomposer never proposes it, because its
    // strokes read the same as a commoner root's (the 日 of 象, whose last 横 is also the
    // top of 豕, reads like 口).
    bool handOnly = false;
    // Characters whose published full code needs this very root: the root's proof of being
    // a root. A root that shares its strokes with a root on another key has two.
    QStringList witnesses;
    // How its strokes must meet in a character (穿 中起 上), and whether they may lie apart
    // around another root's strokes (隔: the 刂 of 非, the dots of 母).
    QVector<ShapeRule> shapeRules;
    bool mayInterleave = false;
    // Never read as single strokes where its shape stands (整: 冖, not 丶 and 乙).
    bool whole = false;
    int line = 0; // line of the chart file

    bool isCharacter() const { return kind != Kind::Part; }
};

// The Wubi 86 root chart (data/roots.tsv).
class RootChart {
public:
    static RootChart load(const QString& path);
    // For tests: reads the chart from text; errors name `path`.
    static RootChart parse(const QString& text, const QString& path);

    const QVector<Root>& roots() const { return roots_; }
    // The chart entry of a character that is a root itself (key-name character, character
    // root or single stroke), or nullptr.
    const Root* characterRoot(const QString& character) const;
    // Every root whose strokes have these classes.
    QVector<const Root*> withClasses(const QString& classes) const;
    int longestRoot() const { return longest_; }

private:
    QVector<Root> roots_;
    QHash<QString, int> byCharacter_;
    QHash<QString, QVector<int>> byClasses_;
    int longest_ = 0;
};

} // namespace zilvaro::decompose
