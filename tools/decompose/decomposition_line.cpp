#include "decomposition_line.h"

#include "code_table.h"
#include "decomposer.h"
#include "lookup/code_line.h"
#include "root_chart.h"
#include "strokes.h"

#include <QSet>

#include <algorithm>

namespace zilvaro::decompose {

int identificationStroke(const QVector<RootField>& roots, bool walkEncloses) {
    const auto index = roots.size() - (walkEncloses && roots.size() > 1 ? 2 : 1);
    if (index < 0 || roots[index].strokes.isEmpty())
        return -1;
    return *std::max_element(roots[index].strokes.begin(), roots[index].strokes.end());
}

namespace {
// A root's strokes follow one another in writing order, or form two runs around what the
// root encloses (囗, the 丁 of 可, the 戈 of 或).
bool oneOrTwoRuns(const QVector<int>& strokes) {
    int breaks = 0;
    for (int i = 1; i < strokes.size(); ++i) {
        if (strokes[i] <= strokes[i - 1])
            return false;
        if (strokes[i] != strokes[i - 1] + 1)
            ++breaks;
    }
    return breaks <= 1;
}

bool ascending(const QVector<int>& strokes) {
    return std::is_sorted(strokes.begin(), strokes.end()) &&
           std::adjacent_find(strokes.begin(), strokes.end()) == strokes.end();
}
// The chart roots a field may be: on its key, with its strokes' classes.
QVector<const Root*> chartedAs(const RootField& field, const CharacterFacts& facts,
                               const RootChart& chart) {
    QString classes;
    for (int s : field.strokes)
        classes += facts.classes[s];
    QVector<const Root*> out;
    for (const Root* r : chart.withClasses(classes))
        if (r->key == field.key)
            out.append(r);
    return out;
}

// How close 冖's strokes, read as 丶 and 乙, come to 冖's own shape when they are 冖.
constexpr double WholeShape = 0.2;
} // namespace

QVector<QVector<int>> wholeRootPlaces(const CharacterFacts& facts, const RootChart& chart) {
    QVector<QVector<int>> places;
    if (!facts.outlines || facts.medians.size() != facts.classes.size())
        return places;
    for (const Root& whole : chart.roots()) {
        if (!whole.whole || !whole.isCharacter())
            continue;
        const auto own = facts.outlines->constFind(whole.root);
        if (own == facts.outlines->cend())
            continue;
        const int n = int(whole.classes.size());
        for (int first = 0; first + n <= facts.classes.size(); ++first) {
            if (facts.classes.mid(first, n) != whole.classes)
                continue;
            QVector<int> place;
            bool named = facts.strokeNames.size() == facts.classes.size();
            for (int s = first; s < first + n; ++s) {
                place.append(s);
                const QStringList& names = facts.strokeNames.value(s);
                const QString& wanted = whole.strokes[s - first];
                named = named && std::any_of(names.begin(), names.end(), [&](const QString& name) {
                            return name == wanted || isNameVariant(name, wanted);
                        });
            }
            if (!named)
                continue;
            const double d = shapeDistance(facts.medians.mid(first, n), own->medians);
            if (d >= 0 && d <= WholeShape)
                places.append(place);
        }
    }
    return places;
}

QStringList shapeProblems(const DecompositionLine& line, const CharacterFacts& facts,
                          const RootChart& chart) {
    QStringList problems;
    if (line.kind != u"compound" || facts.medians.size() != facts.classes.size())
        return problems;
    const auto strokesOf = [&](const QVector<int>& strokes) {
        QVector<Median> group;
        for (int s : strokes)
            group.append(facts.medians[s]);
        return group;
    };
    for (int i = 0; i < line.roots.size(); ++i) {
        const RootField& field = line.roots[i];
        const QVector<const Root*> roots = chartedAs(field, facts, chart);
        if (roots.isEmpty())
            continue;
        const QVector<Median> group = strokesOf(field.strokes);
        // Some reading of the field keeps its root's shape rules.
        QStringList broken;
        bool kept = false;
        for (const Root* r : roots) {
            const QStringList b = brokenShapeRules(r->shapeRules, group);
            kept = kept || b.isEmpty();
            if (!b.isEmpty() && broken.isEmpty())
                broken = QStringList{r->root} + b;
        }
        if (!kept)
            problems.append(QStringLiteral("root %1 is no %2: its strokes break %3")
                                .arg(i + 1)
                                .arg(broken.first(), broken.mid(1).join(u' ')));
        const bool mayInterleave =
            std::any_of(roots.begin(), roots.end(), [](const Root* r) { return r->mayInterleave; });
        // Strokes apart only as a character root that keeps its own shape around the
        // strokes between (囗 of 国, 戈 of 或, 心 of 必), or by the interleaving rule.
        const auto keepsOwnShape = [&]() {
            if (!facts.outlines)
                return false;
            for (const Root* r : roots) {
                const auto own = facts.outlines->constFind(r->root);
                if (r->isCharacter() && own != facts.outlines->cend()) {
                    const double d = shapeDistance(group, own->medians);
                    if (d >= 0 && d <= PoorShape)
                        return true;
                }
            }
            return false;
        };
        if (!mayInterleave && !keepsOwnShape()) {
            for (int s = field.strokes.first() + 1; s < field.strokes.last(); ++s)
                if (!field.strokes.contains(s)) {
                    problems.append(
                        QStringLiteral("root %1 (%2) lies apart around stroke %3 of another root")
                            .arg(i + 1)
                            .arg(roots.first()->root)
                            .arg(s));
                    break;
                }
        }
        // In order of their first strokes, but for the 戈 family's dot and a root marked 隔.
        if (i > 0 && field.strokes.first() < line.roots[i - 1].strokes.first() &&
            !(field.strokes.size() == 1 && facts.dotFirst.contains(field.strokes.first()) &&
              line.roots[i - 1].strokes == QVector<int>{field.strokes.first() + 1})) {
            const QVector<const Root*> before = chartedAs(line.roots[i - 1], facts, chart);
            const bool allowed =
                mayInterleave || std::any_of(before.begin(), before.end(),
                                             [](const Root* r) { return r->mayInterleave; });
            if (!allowed)
                problems.append(QStringLiteral("root %1 (%2) begins before root %3 (%4)")
                                    .arg(i + 1)
                                    .arg(roots.first()->root)
                                    .arg(i)
                                    .arg(before.isEmpty() ? QString() : before.first()->root));
        }
    }
    // A root kept whole (冖) wherever its shape stands: its strokes in one root.
    for (const QVector<int>& place : wholeRootPlaces(facts, chart)) {
        const bool together =
            std::any_of(line.roots.begin(), line.roots.end(), [&](const RootField& f) {
                return std::all_of(place.begin(), place.end(),
                                   [&](int s) { return f.strokes.contains(s); });
            });
        if (!together)
            problems.append(QStringLiteral("strokes %1 to %2 are split, but they are one root")
                                .arg(place.first())
                                .arg(place.last()));
    }
    return problems;
}

QVector<int> readingOrder(const QString& classes, const QString& fullCode) {
    static const QString strokeKeys = QStringLiteral("ghtyn");
    const QString letters = fullCode.mid(1);
    const int n = int(classes.size());
    if (letters.isEmpty() || n < 2)
        return {};
    QVector<bool> used(n, false);
    const auto take = [&](QChar letter, bool fromEnd) {
        const int strokeClass = int(strokeKeys.indexOf(letter)) + 1;
        for (int k = 0; k < n && strokeClass > 0; ++k) {
            const int s = fromEnd ? n - 1 - k : k;
            if (!used[s] && classes[s].digitValue() == strokeClass) {
                used[s] = true;
                return s;
            }
        }
        return -1;
    };
    // The first (and second) letters from the start, the last from the end.
    QVector<int> front;
    for (int i = 0; i + 1 < letters.size() && i < 2; ++i)
        front.append(take(letters[i], false));
    const int last = take(letters.back(), letters.size() > 1);
    if (last < 0 || front.contains(-1))
        return {};
    QVector<int> order = front;
    if (letters.size() == 1)
        order.append(last);
    for (int s = 0; s < n; ++s)
        if (!used[s])
            order.append(s);
    if (letters.size() > 1)
        order.append(last);
    return order;
}

QStringList checkLine(const DecompositionLine& line, const CharacterFacts& facts,
                      const RootChart& chart, RootOrder order) {
    QStringList problems;
    const int n = int(facts.classes.size());
    // Every stroke in exactly one root.
    QVector<int> seen(n, 0);
    for (const RootField& root : line.roots)
        for (int s : root.strokes) {
            if (s < 0 || s >= n)
                problems.append(QStringLiteral("stroke %1 does not exist").arg(s));
            else
                ++seen[s];
        }
    for (int s = 0; s < n; ++s)
        if (seen[s] != 1)
            problems.append(QStringLiteral("stroke %1 is in %2 roots").arg(s).arg(seen[s]));
    if (!problems.isEmpty())
        return problems;

    const Root* own = chart.characterRoot(line.character);
    if (line.kind == u"compound") {
        if (line.roots.size() < 2)
            problems.append(QStringLiteral("a compound character needs two roots or more"));
        for (int i = 0; i < line.roots.size(); ++i) {
            const RootField& root = line.roots[i];
            const bool inOrder = order == RootOrder::Interleaved ? ascending(root.strokes)
                                                                 : oneOrTwoRuns(root.strokes);
            if (!inOrder)
                problems.append(QStringLiteral("root %1 has strokes out of order").arg(i + 1));
            if (order == RootOrder::Written && i > 0 &&
                root.strokes.first() < line.roots[i - 1].strokes.first() &&
                !(root.strokes.size() == 1 && facts.dotFirst.contains(root.strokes.first()) &&
                  line.roots[i - 1].strokes == QVector<int>{root.strokes.first() + 1}))
                problems.append(QStringLiteral("root %1 begins before root %2").arg(i + 1).arg(i));
            QString classes;
            for (int s : root.strokes)
                classes += facts.classes[s];
            bool charted = false;
            for (const Root* r : chart.withClasses(classes))
                charted = charted || r->key == root.key;
            if (!charted)
                problems.append(QStringLiteral("root %1 (%2 with strokes %3) is not in the chart")
                                    .arg(i + 1)
                                    .arg(root.key)
                                    .arg(classes));
        }
    } else {
        if (!own)
            problems.append(QStringLiteral("kind %1 but %2 is no root of the chart")
                                .arg(line.kind, line.character));
        else {
            const QString expected = own->kind == Root::Kind::Key ? QStringLiteral("key")
                                     : own->kind == Root::Kind::Character
                                         ? QStringLiteral("root")
                                         : QStringLiteral("stroke");
            if (line.kind != expected)
                problems.append(
                    QStringLiteral("kind %1, the chart says %2").arg(line.kind, expected));
            if (line.roots.size() != 1 || line.roots.first().key != own->key)
                problems.append(QStringLiteral("a root character has one field with its key"));
            // Its slots show the strokes its code's letters name.
            else if (line.kind == u"root") {
                QVector<int> expected = readingOrder(facts.classes, line.fullCode);
                if (expected.isEmpty())
                    for (int s = 0; s < n; ++s)
                        expected.append(s);
                if (line.roots.first().strokes != expected) {
                    QStringList numbers;
                    for (int s : expected)
                        numbers.append(QString::number(s));
                    problems.append(
                        QStringLiteral("the strokes of a character root are listed as Wubi reads "
                                       "them for its code: %1")
                            .arg(numbers.join(u',')));
                }
            }
        }
    }
    if (!problems.isEmpty())
        return problems;

    // Keys against the full code.
    const QString& full = line.fullCode;
    if (line.kind == u"compound") {
        const auto count = line.roots.size();
        QString keys = rootCodeOf(line.kind, line.roots, full);
        if (count >= 4) {
            if (keys != full)
                problems.append(
                    QStringLiteral("keys %1 do not give the full code %2").arg(keys, full));
        } else if (full.size() != count + 1 || !full.startsWith(keys)) {
            problems.append(QStringLiteral("keys %1 and an identification code do not give %2")
                                .arg(keys, full));
        } else {
            const int s = identificationStroke(line.roots, facts.walkEncloses);
            const int strokeClass = s < 0 ? 0 : facts.classes[s].digitValue();
            // A root whose last stroke the rules fix (力, 戈) may give that class instead.
            QVector<int> allowed = {strokeClass};
            const auto rootOf = line.roots.size() - (facts.walkEncloses ? 2 : 1);
            if (rootOf >= 0) {
                QString classes;
                for (int t : line.roots[rootOf].strokes)
                    classes += facts.classes[t];
                for (const Root* r : chart.withClasses(classes))
                    if (r->key == line.roots[rootOf].key && r->lastStrokeClass > 0 &&
                        line.roots[rootOf].strokes.contains(s))
                        allowed.append(r->lastStrokeClass);
            }
            const QChar id = full.back();
            bool fits = false;
            for (int c : allowed)
                for (int structure = 1; structure <= 3; ++structure)
                    fits = fits || identificationKey(c, structure) == id;
            if (!fits)
                problems.append(QStringLiteral("identification code %1 does not fit the last "
                                               "stroke (class %2)")
                                    .arg(id)
                                    .arg(strokeClass));
        }
    } else if (line.kind == u"key") {
        if (full != QString(4, own->key))
            problems.append(QStringLiteral("a key-name character's code is its key four times"));
    } else if (line.kind == u"stroke") {
        if (full != QString(2, own->key) + QStringLiteral("ll"))
            problems.append(QStringLiteral("a single stroke's code is its key twice and ll"));
    } else if (!full.startsWith(own->key)) {
        problems.append(QStringLiteral("a character root's code starts with its key"));
    }
    const QString rootCode = rootCodeOf(line.kind, line.roots, full);
    if (line.rootCode != rootCode)
        problems.append(QStringLiteral("root code %1, expected %2").arg(line.rootCode, rootCode));

    // Codes against the code table.
    if (facts.codes.isEmpty() || facts.codes.last() != full)
        problems.append(QStringLiteral("full code %1 is not the code table's").arg(full));
    const QString expectedShort = shortCode(facts.codes, full, line.rootCode);
    if (line.shortCode != expectedShort)
        problems.append(
            QStringLiteral("short code %1, expected %2").arg(line.shortCode, expectedShort));
    if (!codeLineHasRule(full, line.shortCode, line.rootCode))
        problems.append(QStringLiteral("no rule of the code line fits these codes"));
    problems += shapeProblems(line, facts, chart);
    return problems;
}

} // namespace zilvaro::decompose
