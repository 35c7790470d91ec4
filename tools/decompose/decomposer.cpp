#include "decomposer.h"

#include "code_table.h"
#include "root_chart.h"
#include "strokes.h"

#include <algorithm>
#include <tuple>

namespace zilvaro::decompose {

namespace {
// A frame that closes after what it encloses: the strokes before its last one are written
// first, its last stroke after the inside (囗, 匚).
bool isClosingFrame(const Root& root) {
    return root.root.contains(u'囗') || root.root.contains(u'匚');
}

QString classesOf(const QString& classes, const QVector<int>& strokes) {
    QString out;
    for (int s : strokes)
        out += classes[s];
    return out;
}

bool isWalk(const Root& root) {
    return root.root.contains(u'辶') || root.root.contains(u'廴');
}
} // namespace

Decomposer::Decomposer(const RootChart& chart, const StrokeNames& names, const CodeTable& codes,
                       const ComponentHints& hints)
    : chart_(chart), names_(names), codes_(codes), hints_(hints) {}

CharacterFacts Decomposer::facts(const QString& character) const {
    CharacterFacts facts;
    facts.classes = names_.classes(character);
    facts.codes = codes_.codes(character);
    facts.structure = hints_.hint(character, int(facts.classes.size()), names_).structure;
    return facts;
}

int Decomposer::nameMatches(const Root& root, const QString& letters,
                            const QVector<int>& strokes) const {
    int matched = 0;
    for (int i = 0; i < strokes.size() && i < root.strokes.size(); ++i)
        if (strokes[i] < letters.size() &&
            names_.namesOfLetter(letters[strokes[i]]).contains(root.strokes[i]))
            ++matched;
    return matched;
}

bool Decomposer::identificationFits(const QVector<Piece>& pieces, const QString& classes, QChar id,
                                    bool closesLast) const {
    QVector<RootField> fields;
    for (const Piece& p : pieces)
        fields.append({p.root->key, p.strokes});
    const bool walk = pieces.size() > 1 && isWalk(*pieces.last().root);
    const int s = identificationStroke(fields, int(classes.size()), closesLast, walk);
    if (s < 0)
        return false;
    const int strokeClass = classes[s].digitValue();
    for (int structure = 1; structure <= 3; ++structure)
        if (identificationKey(strokeClass, structure) == id)
            return true;
    return false;
}

int Decomposer::identificationStrokeOf(const Candidate& candidate, int strokeCount) const {
    QVector<RootField> fields;
    for (const Piece& p : candidate.pieces)
        fields.append({p.root->key, p.strokes});
    const bool walk = candidate.pieces.size() > 1 && isWalk(*candidate.pieces.last().root);
    return identificationStroke(fields, strokeCount, candidate.closesLast, walk);
}

bool Decomposer::finishTail(const QString& classes, const QString& letters, QChar lastKey,
                            const QVector<int>& remaining, QVector<Piece>& pieces) const {
    const int n = int(remaining.size());
    const int longest = chart_.longestRoot();
    // reach[i]: the strokes from i on split into roots, the last of them on lastKey.
    QVector<char> reach(n + 1, 0);
    auto rootsAt = [&](int i, int len) {
        return chart_.withClasses(classesOf(classes, remaining.mid(i, len)));
    };
    for (int i = n - 1; i >= 0; --i)
        for (int len = 1; len <= std::min(longest, n - i) && !reach[i]; ++len)
            for (const Root* r : rootsAt(i, len))
                if (i + len == n ? r->key == lastKey : reach[i + len] != 0)
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
                if (i + len == n ? r->key != lastKey : reach[i + len] == 0)
                    continue;
                const int matched = nameMatches(*r, letters, strokes);
                if (matched > bestNames) {
                    best = r;
                    bestNames = matched;
                }
            }
            if (best) {
                pieces.append({best, strokes});
                i += len;
                taken = true;
            }
        }
        if (!taken)
            return false;
    }
    return true;
}

void Decomposer::search(const QString& character, const QString& classes, const QString& letters,
                        const QString& full, const QVector<int>& remaining, QVector<Piece>& pieces,
                        bool closesLast, QVector<Candidate>& out) const {
    const int depth = int(pieces.size());
    const int codeLength = int(full.size());
    auto record = [&](const QVector<Piece>& found) {
        Candidate c;
        c.pieces = found;
        c.closesLast = closesLast;
        for (const Piece& p : found) {
            c.sizes.append(int(p.strokes.size()));
            c.namesMatched += nameMatches(*p.root, letters, p.strokes);
            c.characterRoots += p.root->isCharacter() ? 1 : 0;
        }
        out.append(c);
    };
    if (remaining.isEmpty()) {
        if (depth == codeLength - 1 && depth >= 2 && depth <= 3 &&
            identificationFits(pieces, classes, full.back(), closesLast))
            record(pieces);
        return;
    }
    if (depth >= codeLength - 1) {
        if (codeLength == 4 && depth == 3) {
            QVector<Piece> tail = pieces;
            if (finishTail(classes, letters, full[3], remaining, tail) && tail.size() >= 4)
                record(tail);
        }
        return;
    }
    const QChar key = full[depth];
    const int n = int(remaining.size());
    if (depth == 0) {
        const ComponentHint hint = hints_.hint(character, int(classes.size()), names_);
        for (const Root& frame : chart_.roots()) {
            if (!isClosingFrame(frame) || frame.key != key)
                continue;
            const int front = int(frame.classes.size()) - 1;
            const bool enclosed = hint.enclosedBy(u"囗") || hint.enclosedBy(u"匚") ||
                                  hint.layout == u"s" || hint.layout == u"sl" ||
                                  hint.layout == u"rs";
            if (!enclosed || n < front + 2)
                continue;
            QVector<int> strokes = remaining.mid(0, front);
            strokes.append(remaining.last());
            if (classesOf(classes, strokes) != frame.classes)
                continue;
            pieces.append({&frame, strokes});
            search(character, classes, letters, full, remaining.mid(front, n - front - 1), pieces,
                   true, out);
            pieces.removeLast();
        }
    }
    for (int len = std::min(chart_.longestRoot(), n); len >= 1; --len) {
        const QVector<int> strokes = remaining.mid(0, len);
        for (const Root* r : chart_.withClasses(classesOf(classes, strokes))) {
            if (r->key != key)
                continue;
            pieces.append({r, strokes});
            search(character, classes, letters, full, remaining.mid(len), pieces, closesLast, out);
            pieces.removeLast();
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
        line.roots = {{own->key, all}};
    } else {
        QVector<Candidate> candidates;
        QVector<Piece> pieces;
        search(character, classes, letters, full, all, pieces, false, candidates);
        decision.candidates = int(candidates.size());
        if (candidates.isEmpty()) {
            decision.reason = QStringLiteral("no segmentation into chart roots gives %1").arg(full);
            return decision;
        }
        const ComponentHint hint = hints_.hint(character, strokeCount, names_);
        for (Candidate& c : candidates) {
            for (const Piece& p : c.pieces)
                if (hint.boundary >= 0 && p.strokes.first() == hint.boundary)
                    c.boundaryKept = 1;
            if (c.pieces.size() < 4 && hint.structure > 0) {
                const int s = identificationStrokeOf(c, strokeCount);
                if (identificationKey(classes[s].digitValue(), hint.structure) == full.back())
                    c.structureAgrees = 1;
            }
        }
        auto rank = [](const Candidate& c) {
            return std::make_tuple(c.sizes, c.boundaryKept, c.namesMatched, c.structureAgrees,
                                   c.characterRoots);
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
                decision.reason = QStringLiteral("%1 decompositions tie").arg(candidates.size());
                return decision;
            }
        }
        line.kind = QStringLiteral("compound");
        for (const Piece& p : best.pieces)
            line.roots.append({p.root->key, p.strokes});
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
