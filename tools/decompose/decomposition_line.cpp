#include "decomposition_line.h"

#include "code_table.h"
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
} // namespace

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
    return problems;
}

} // namespace zilvaro::decompose
