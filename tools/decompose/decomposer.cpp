#include "decomposer.h"

#include "code_table.h"
#include "root_chart.h"
#include "shape.h"
#include "strokes.h"

#include <algorithm>
#include <tuple>

namespace zilvaro::decompose {

namespace {
QString classesOf(const QString& classes, const QVector<int>& strokes) {
    QString out;
    for (int s : strokes)
        out += classes[s];
    return out;
}

// Strokes that follow one another in writing order. Only a root that encloses others has
// two runs; every other root, and each run, is consecutive.
bool consecutive(const QVector<int>& strokes) {
    for (int i = 1; i < strokes.size(); ++i)
        if (strokes[i] != strokes[i - 1] + 1)
            return false;
    return true;
}

// The area of a key: 1 for G F D S A, 2 for H J K L M, 3 for T R E W Q, 4 for Y U I O P,
// 5 for N B V C X.
int keyArea(QChar key) {
    static const QString order = QStringLiteral("gfdsahjklmtrewqyuiopnbvcx");
    return int(order.indexOf(key)) / 5 + 1;
}

// A root that encloses others leaves a gap of at most this many strokes.
constexpr int LongestGap = 12;
} // namespace

Decomposer::Decomposer(const RootChart& chart, const StrokeNames& names, const CodeTable& codes,
                       const ComponentHints& hints, const QHash<QString, StrokeOutline>* outlines)
    : chart_(chart), names_(names), codes_(codes), hints_(hints), outlines_(outlines) {}

bool Decomposer::poorShape(const QString& character, const Piece& piece) const {
    if (!outlines_ || !piece.root->isCharacter() || piece.strokes.size() < 2)
        return false;
    const auto own = outlines_->constFind(character);
    const auto root = outlines_->constFind(piece.root->root);
    if (own == outlines_->cend() || root == outlines_->cend())
        return false;
    QVector<Median> group;
    for (int s : piece.strokes)
        if (s < own->medians.size())
            group.append(own->medians[s]);
    return shapeDistance(group, root->medians) > PoorShape;
}

bool Decomposer::breaksShape(const QString& character, const Root& root,
                             const QVector<int>& strokes) const {
    if (!outlines_ || root.shapeRules.isEmpty())
        return false;
    const auto own = outlines_->constFind(character);
    if (own == outlines_->cend())
        return false;
    QVector<Median> group;
    for (int s : strokes) {
        if (s >= own->medians.size())
            return false;
        group.append(own->medians[s]);
    }
    return !brokenShapeRules(root.shapeRules, group).isEmpty();
}

int strokeTotal(const QVector<RootField>& roots) {
    int total = 0;
    for (const RootField& r : roots)
        total += int(r.strokes.size());
    return total;
}

ComponentSplit componentSplit(const QVector<RootField>& roots, int first, int end,
                              const QVector<RootField>& own) {
    const auto in = [&](int s) { return s >= first && s < end; };
    QVector<std::pair<QVector<int>, QChar>> inside;
    for (const RootField& r : roots) {
        const bool all = std::all_of(r.strokes.begin(), r.strokes.end(), in);
        if (!all && std::any_of(r.strokes.begin(), r.strokes.end(), in))
            return ComponentSplit::Crossed;
        if (all) {
            QVector<int> shifted;
            for (int s : r.strokes)
                shifted.append(s - first);
            inside.append({shifted, r.key});
        }
    }
    QVector<std::pair<QVector<int>, QChar>> expected;
    // A character root lists its strokes in Wubi's reading order; compare them as sets.
    for (const RootField& r : own) {
        QVector<int> strokes = r.strokes;
        std::sort(strokes.begin(), strokes.end());
        expected.append({strokes, r.key});
    }
    std::sort(inside.begin(), inside.end());
    std::sort(expected.begin(), expected.end());
    if (inside == expected)
        return ComponentSplit::AsAlone;
    const auto strokesOnly = [](const QVector<std::pair<QVector<int>, QChar>>& groups) {
        QVector<QVector<int>> out;
        for (const auto& g : groups)
            out.append(g.first);
        return out;
    };
    return strokesOnly(inside) == strokesOnly(expected) ? ComponentSplit::OtherKeys
                                                        : ComponentSplit::Otherwise;
}

int Decomposer::componentsKept(const ComponentHint& hint, int strokeCount,
                               const QVector<Piece>& pieces) const {
    if (!groupings_ || !hint.isPair())
        return 0;
    const QVector<RootField> roots = fields(pieces);
    int kept = 0;
    const int ranges[2][2] = {{0, hint.boundary}, {hint.boundary, strokeCount}};
    for (int k = 0; k < 2; ++k) {
        const auto own = groupings_->constFind(hint.components[k]);
        if (own != groupings_->cend() && strokeTotal(*own) == ranges[k][1] - ranges[k][0] &&
            componentSplit(roots, ranges[k][0], ranges[k][1], *own) == ComponentSplit::AsAlone)
            ++kept;
    }
    return kept;
}

CharacterFacts Decomposer::facts(const QString& character) const {
    CharacterFacts facts;
    facts.classes = names_.classes(character);
    facts.codes = codes_.codes(character);
    const ComponentHint hint = hints_.hint(character, int(facts.classes.size()), names_);
    facts.structure = hint.structure;
    facts.walkEncloses = hint.layout.startsWith(QStringLiteral("sbl")) &&
                         (hint.enclosedBy(u"辶") || hint.enclosedBy(u"廴"));
    const QString letters = names_.letters(character);
    const auto named = [&](int stroke, const char16_t* name) {
        return names_.namesOfLetter(letters[stroke]).contains(QString::fromUtf16(name));
    };
    for (int s = 1; s + 1 < letters.size(); ++s)
        if (named(s - 1, u"斜钩") && named(s, u"撇") && named(s + 1, u"点"))
            facts.dotFirst.append(s);
    for (const QChar letter : letters)
        facts.strokeNames.append(names_.namesOfLetter(letter));
    if (outlines_) {
        facts.outlines = outlines_;
        facts.medians = outlines_->value(character).medians;
    }
    return facts;
}

// Wubi reads some strokes as variants of a root's strokes: a dot as a press and a press
// as a dot (the 大 of 因 ends in 点), a rising stroke as a 横 (the last stroke of 王 beside
// another root), and a vertical that hooks to hold what is below it as a vertical (the 朩
// of 茶 is 木). Not the other way round: a vertical without its hook is no 竖钩 (牛 is not
// 手). A variant counts for less than the name itself, so 夕 (撇, 横撇, 点) still wins over
// 夂 (撇, 横撇, 捺) where the stroke is a dot. The stroke data's second dot (点2, the dot of
// 冖 in 寝 蹄) is a dot. Shapes that tell roots apart stay apart
// (横折 is not 横折提).
bool isNameVariant(const QString& stroke, const QString& root) {
    return (root == u"捺" && stroke == u"点") || (root == u"点" && stroke == u"捺") ||
           (root == u"点" && stroke == u"点2") || (root == u"横" && stroke == u"提") ||
           (root == u"竖" && stroke == u"竖钩");
}

Decomposer::NameMatch Decomposer::nameMatches(const Root& root, const QString& letters,
                                              const QVector<int>& strokes) const {
    NameMatch match;
    for (int i = 0; i < strokes.size() && i < root.strokes.size(); ++i) {
        if (strokes[i] >= letters.size())
            continue;
        const QString& wanted = root.strokes[i];
        const QStringList names = names_.namesOfLetter(letters[strokes[i]]);
        if (names.contains(wanted)) {
            ++match.exact;
            ++match.loose;
        } else if (std::any_of(names.begin(), names.end(),
                               [&](const QString& n) { return isNameVariant(n, wanted); })) {
            ++match.loose;
        }
    }
    return match;
}

namespace {
// A turning stroke's name without its hook, the slant of 横斜钩 read as 折弯: the stroke
// data names the same stroke with and without its hook (冂 of 见 ends in 横折, of 同 in 横折钩;
// 几 ends in 横斜钩 or 横折弯钩).
QString turnWithoutHook(QString name) {
    name.replace(QStringLiteral("斜"), QStringLiteral("折弯"));
    if (name.endsWith(u'钩'))
        name.chop(1);
    return name;
}
} // namespace

bool Decomposer::fitsNames(const Root& root, const QString& letters,
                           const QVector<int>& strokes) const {
    // A single stroke stands for every stroke of its class (乙 for 斜钩).
    if (root.kind == Root::Kind::Stroke)
        return true;
    for (int i = 0; i < strokes.size() && i < root.strokes.size(); ++i) {
        if (strokes[i] >= letters.size())
            return false;
        const QString& wanted = root.strokes[i];
        const QStringList names = names_.namesOfLetter(letters[strokes[i]]);
        const bool fits = std::any_of(names.begin(), names.end(), [&](const QString& n) {
            return n == wanted || isNameVariant(n, wanted) ||
                   (strokeClassOfName(n) == 5 && strokeClassOfName(wanted) == 5 &&
                    turnWithoutHook(n) == turnWithoutHook(wanted));
        });
        if (!fits)
            return false;
    }
    return true;
}

int Decomposer::identificationClass(const QVector<Piece>& pieces, const Context& context) {
    const int s = identificationStroke(fields(pieces), context.walkEncloses);
    if (s < 0)
        return 0;
    const auto index = pieces.size() - (context.walkEncloses && pieces.size() > 1 ? 2 : 1);
    const Root* root = pieces[index].root;
    return root->lastStrokeClass > 0 ? root->lastStrokeClass : context.classes[s].digitValue();
}

QVector<RootField> Decomposer::fields(const QVector<Piece>& pieces) {
    QVector<RootField> out;
    for (const Piece& p : pieces)
        out.append({p.root->key, p.strokes});
    return out;
}

int Decomposer::tailScore(const Root& root, const Context& context, const QVector<int>& strokes,
                          bool weighKeyArea) const {
    // Stroke names first, as names or their variants; then (where asked) a key in the area
    // of the root's first stroke (丶丶 on U rather than W); then the names themselves; then
    // a character root (人 rather than a part of the same strokes).
    const NameMatch names = nameMatches(root, context.letters, strokes);
    const bool inArea = weighKeyArea && keyArea(root.key) == root.classes[0].digitValue();
    return 8 * names.loose + (inArea ? 4 : 0) + 2 * names.exact + (root.isCharacter() ? 1 : 0);
}

bool Decomposer::finishTailByComponent(const Context& context, const QVector<int>& remaining,
                                       QVector<Piece>& pieces) const {
    const ComponentHint& hint = context.hint;
    if (!groupings_ || !hint.isPair())
        return false;
    // The components' own groups that lie wholly among the strokes left; a component with a
    // group cut by the first three roots gives none.
    const int ranges[2][2] = {{0, hint.boundary}, {hint.boundary, context.strokeCount}};
    QVector<std::pair<QVector<int>, QChar>> groups;
    for (int k = 0; k < 2; ++k) {
        const auto own = groupings_->constFind(hint.components[k]);
        if (own == groupings_->cend() || strokeTotal(*own) != ranges[k][1] - ranges[k][0])
            continue;
        QVector<std::pair<QVector<int>, QChar>> inside;
        bool cut = false;
        for (const RootField& g : *own) {
            QVector<int> strokes;
            int left = 0;
            for (int s : g.strokes) {
                strokes.append(s + ranges[k][0]);
                left += remaining.contains(s + ranges[k][0]) ? 1 : 0;
            }
            if (left == strokes.size())
                inside.append({strokes, g.key});
            else if (left > 0)
                cut = true;
        }
        if (!cut)
            groups += inside;
    }
    if (groups.isEmpty())
        return false;
    QVector<int> taken;
    for (const auto& g : groups)
        taken += g.first;
    // The strokes no group holds, in runs, split largest first.
    QVector<Piece> found;
    QVector<int> run;
    auto finishRun = [&]() {
        if (run.isEmpty())
            return true;
        QVector<Piece> out;
        if (!finishTail(context, run, QChar(), out))
            return false;
        found += out;
        run.clear();
        return true;
    };
    for (int s : remaining) {
        if (taken.contains(s)) {
            if (!finishRun())
                return false;
        } else {
            run.append(s);
        }
    }
    if (!finishRun())
        return false;
    for (const auto& [strokes, key] : groups) {
        const Root* best = nullptr;
        int bestScore = -1;
        for (const Root* r : chart_.withClasses(classesOf(context.classes, strokes))) {
            if (r->handOnly)
                continue;
            // The component's own key first: its roots keep their keys inside the character.
            const int score = (r->key == key ? 1000 : 0) + tailScore(*r, context, strokes, false);
            if (score > bestScore) {
                best = r;
                bestScore = score;
            }
        }
        if (!best)
            return false;
        found.append({best, strokes, !consecutive(strokes)});
    }
    // In writing order, but the 戈 family's lone dot before its lone 撇.
    const QVector<int> dotFirst = facts(context.character).dotFirst;
    QVector<int> lone;
    for (const Piece& p : found)
        if (p.strokes.size() == 1)
            lone.append(p.strokes.first());
    auto place = [&](const Piece& p) {
        const int s = p.strokes.first();
        if (p.strokes.size() == 1 && dotFirst.contains(s - 1) && lone.contains(s - 1))
            return 2 * s - 3;
        return 2 * s;
    };
    std::stable_sort(found.begin(), found.end(),
                     [&](const Piece& a, const Piece& b) { return place(a) < place(b); });
    if (found.last().root->key != context.full[3]) {
        // The last root on the code's last key, among roots of the same strokes.
        const Root* last = nullptr;
        for (const Root* r : chart_.withClasses(classesOf(context.classes, found.last().strokes)))
            if (!r->handOnly && r->key == context.full[3] &&
                (!last || tailScore(*r, context, found.last().strokes, false) >
                              tailScore(*last, context, found.last().strokes, false)))
                last = r;
        if (!last)
            return false;
        found.last().root = last;
    }
    pieces += found;
    return true;
}

bool Decomposer::finishTail(const Context& context, const QVector<int>& remaining, QChar lastKey,
                            QVector<Piece>& pieces) const {
    // Roots whose stroke names fit (as names or variants) first; any root of the classes
    // only where they leave no way to finish (兆's right part is no 斜钩, 撇, 点).
    for (const bool namesFit : {true, false}) {
        QVector<Piece> out = pieces;
        if (finishTail(context, remaining, lastKey, out, namesFit)) {
            pieces = out;
            return true;
        }
    }
    return false;
}

bool Decomposer::finishTail(const Context& context, const QVector<int>& remaining, QChar lastKey,
                            QVector<Piece>& pieces, bool namesFit) const {
    const int n = int(remaining.size());
    const int longest = chart_.longestRoot();
    // reach[i]: the strokes from i on split into roots, the last of them on lastKey.
    QVector<char> reach(n + 1, 0);
    auto rootsAt = [&](int i, int len) {
        const QVector<int> strokes = remaining.mid(i, len);
        QVector<const Root*> roots;
        if (consecutive(strokes))
            for (const Root* r : chart_.withClasses(classesOf(context.classes, strokes)))
                if (!r->handOnly && (!namesFit || fitsNames(*r, context.letters, strokes)) &&
                    !breaksShape(context.character, *r, strokes))
                    roots.append(r);
        return roots;
    };
    for (int i = n - 1; i >= 0; --i)
        for (int len = 1; len <= std::min(longest, n - i) && !reach[i]; ++len)
            for (const Root* r : rootsAt(i, len))
                if (i + len == n ? lastKey.isNull() || r->key == lastKey : reach[i + len] != 0)
                    reach[i] = 1;
    if (!reach[0])
        return false;
    // The largest root first, always leaving a way to finish.
    for (int i = 0; i < n;) {
        bool taken = false;
        for (int len = std::min(longest, n - i); len >= 1 && !taken; --len) {
            const Root* best = nullptr;
            int bestNames = -1;
            const QVector<int> strokes = remaining.mid(i, len);
            for (const Root* r : rootsAt(i, len)) {
                if (i + len == n ? !lastKey.isNull() && r->key != lastKey : reach[i + len] == 0)
                    continue;
                const int matched = tailScore(*r, context, strokes, true);
                if (matched > bestNames) {
                    best = r;
                    bestNames = matched;
                }
            }
            if (best) {
                pieces.append({best, strokes, false});
                i += len;
                taken = true;
            }
        }
        if (!taken)
            return false;
    }
    return true;
}

void Decomposer::search(const Context& context, const QVector<int>& remaining,
                        QVector<Piece>& pieces, QVector<Candidate>& out) const {
    const int depth = int(pieces.size());
    const int codeLength = int(context.full.size());
    auto record = [&](const QVector<Piece>& found) {
        // A root written around others must have its own shape (丁 of 可, 囗 of 国).
        for (const Piece& p : found)
            if ((p.split && poorShape(context.character, p)) ||
                breaksShape(context.character, *p.root, p.strokes))
                return;
        for (const QVector<int>& place : context.wholePlaces)
            if (std::none_of(found.begin(), found.end(), [&](const Piece& p) {
                    return std::all_of(place.begin(), place.end(),
                                       [&](int s) { return p.strokes.contains(s); });
                }))
                return;
        Candidate c;
        c.pieces = found;
        for (const Piece& p : found) {
            c.splits += p.split ? 1 : 0;
            c.poorShapes += poorShape(context.character, p) ? 1 : 0;
            c.sizes.append(int(p.strokes.size()));
            const NameMatch names = nameMatches(*p.root, context.letters, p.strokes);
            c.namesMatched += names.exact;
            c.nameMismatches += int(p.strokes.size()) - names.loose;
            c.characterRoots += p.root->isCharacter() ? 1 : 0;
        }
        out.append(c);
    };
    if (remaining.isEmpty()) {
        if (depth == codeLength - 1 && depth >= 2 && depth <= 3) {
            const int strokeClass = identificationClass(pieces, context);
            for (int structure = 1; structure <= 3; ++structure)
                if (identificationKey(strokeClass, structure) == context.full.back()) {
                    record(pieces);
                    break;
                }
        }
        return;
    }
    if (depth >= codeLength - 1) {
        if (codeLength == 4 && depth == 3) {
            QVector<Piece> tail = pieces;
            if (finishTail(context, remaining, context.full[3], tail))
                record(tail);
            QVector<Piece> byComponent = pieces;
            if (finishTailByComponent(context, remaining, byComponent) && byComponent != tail)
                record(byComponent);
        }
        return;
    }
    const QChar key = context.full[depth];
    const int n = int(remaining.size());
    // At most two roots of a character enclose others (哥: two 丁).
    const bool splitSoFar =
        std::count_if(pieces.begin(), pieces.end(), [](const Piece& p) { return p.split; }) >= 2;
    for (const Root& root : chart_.roots()) {
        if (root.key != key || root.handOnly)
            continue;
        const int len = int(root.classes.size());
        if (len > n)
            continue;
        // The root's strokes in one run.
        const QVector<int> run = remaining.mid(0, len);
        if (consecutive(run) && classesOf(context.classes, run) == root.classes) {
            pieces.append({&root, run, false});
            search(context, remaining.mid(len), pieces, out);
            pieces.removeLast();
        }
        // Or in two runs around a gap of other roots.
        // Only character roots, whose drawn shape can be checked, are written around others.
        if (splitSoFar || !root.isCharacter())
            continue;
        for (int front = 1; front < len; ++front) {
            const QVector<int> opening = remaining.mid(0, front);
            if (!consecutive(opening) ||
                classesOf(context.classes, opening) != root.classes.left(front))
                continue;
            const int back = len - front;
            for (int gap = 1; gap <= LongestGap && front + gap + back <= n; ++gap) {
                const QVector<int> closing = remaining.mid(front + gap, back);
                if (!consecutive(closing) ||
                    classesOf(context.classes, closing) != root.classes.mid(front))
                    continue;
                QVector<int> strokes = remaining.mid(0, front);
                strokes += closing;
                QVector<int> rest = remaining.mid(front, gap);
                rest += remaining.mid(front + gap + back);
                pieces.append({&root, strokes, true});
                search(context, rest, pieces, out);
                pieces.removeLast();
            }
        }
    }
}

Decision Decomposer::decompose(const QString& character, int strokeCount) const {
    Decision decision;
    const QString letters = names_.letters(character);
    const QString classes = names_.classes(character);
    const QString full = codes_.fullCode(character);
    DecompositionLine& line = decision.line;
    line.character = character;
    line.fullCode = full;
    if (full.isEmpty()) {
        decision.reason = QStringLiteral("no code in the code table");
        return decision;
    }
    if (letters.isEmpty()) {
        decision.reason = QStringLiteral("no stroke names");
        return decision;
    }
    if (letters.size() != strokeCount) {
        decision.reason = QStringLiteral("%1 stroke names for %2 drawn strokes")
                              .arg(letters.size())
                              .arg(strokeCount);
        return decision;
    }
    const CharacterFacts facts = this->facts(character);
    QVector<int> all(strokeCount);
    for (int i = 0; i < strokeCount; ++i)
        all[i] = i;

    if (const Root* own = chart_.characterRoot(character)) {
        line.kind = own->kind == Root::Kind::Key         ? QStringLiteral("key")
                    : own->kind == Root::Kind::Character ? QStringLiteral("root")
                                                         : QStringLiteral("stroke");
        const QVector<int> order = readingOrder(classes, full);
        line.roots = {
            {own->key, own->kind == Root::Kind::Character && !order.isEmpty() ? order : all}};
    } else {
        QVector<Candidate> candidates;
        QVector<Piece> pieces;
        const Context context{character,
                              classes,
                              letters,
                              full,
                              facts.walkEncloses,
                              hints_.hint(character, strokeCount, names_),
                              strokeCount,
                              wholeRootPlaces(facts, chart_)};
        search(context, all, pieces, candidates);
        // The 戈 family's dot and 撇 also as 丶 then 丿 (戊 dnyt).
        for (int mask = 1; mask < (1 << std::min(int(facts.dotFirst.size()), 3)); ++mask) {
            QVector<int> dotFirst = all;
            for (int k = 0; k < facts.dotFirst.size() && k < 3; ++k)
                if (mask & (1 << k))
                    std::swap(dotFirst[facts.dotFirst[k]], dotFirst[facts.dotFirst[k] + 1]);
            search(context, dotFirst, pieces, candidates);
        }
        decision.candidates = int(candidates.size());
        if (candidates.isEmpty()) {
            decision.reason = QStringLiteral("no segmentation into chart roots gives %1").arg(full);
            return decision;
        }
        const ComponentHint& hint = context.hint;
        for (Candidate& c : candidates) {
            c.componentsKept = componentsKept(hint, strokeCount, c.pieces);
            for (const Piece& p : c.pieces)
                if (hint.boundary >= 0 && p.strokes.first() == hint.boundary)
                    c.boundaryKept = 1;
            // A character inside 囗 (圉, not 田 and 幸) keeps the frame whole.
            const Piece& first = c.pieces.first();
            if (hint.enclosedBy(u"囗") && first.root->root == u"囗" && first.split &&
                first.strokes.first() == 0 && first.strokes.last() == strokeCount - 1)
                c.frameKept = 1;
            if (c.pieces.size() < 4 && hint.structure > 0) {
                if (identificationKey(identificationClass(c.pieces, context), hint.structure) ==
                    full.back())
                    c.structureAgrees = 1;
            }
        }
        auto rank = [](const Candidate& c) {
            return std::make_tuple(c.frameKept, c.componentsKept, -c.splits, c.boundaryKept,
                                   -c.poorShapes, -c.nameMismatches, c.sizes, c.namesMatched,
                                   c.structureAgrees, c.characterRoots);
        };
        std::stable_sort(candidates.begin(), candidates.end(),
                         [&](const Candidate& a, const Candidate& b) { return rank(a) > rank(b); });
        const Candidate& best = candidates.first();
        if (candidates.size() > 1 && rank(candidates[1]) == rank(best)) {
            bool sameStrokes = true;
            for (int i = 0; i < best.pieces.size(); ++i)
                if (candidates[1].pieces[i].strokes != best.pieces[i].strokes)
                    sameStrokes = false;
            if (!sameStrokes) {
                auto describe = [](const Candidate& c) {
                    DecompositionLine l;
                    l.roots = fields(c.pieces);
                    return l.format().section(u'\t', 5);
                };
                decision.reason = QStringLiteral("decompositions tie: %1 | %2")
                                      .arg(describe(best), describe(candidates[1]))
                                      .replace(u'\t', u' ');
                return decision;
            }
        }
        line.kind = QStringLiteral("compound");
        line.roots = fields(best.pieces);
    }
    line.rootCode = rootCodeOf(line.kind, line.roots, full);
    line.shortCode = shortCode(facts.codes, full, line.rootCode);
    const QStringList problems = checkLine(line, facts, chart_);
    if (!problems.isEmpty()) {
        decision.reason = problems.join(QStringLiteral("; "));
        return decision;
    }
    decision.decided = true;
    return decision;
}

} // namespace zilvaro::decompose
