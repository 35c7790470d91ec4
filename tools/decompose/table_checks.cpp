#include "table_checks.h"

#include "common/data_error.h"
#include "common/input_file.h"
#include "component_hints.h"
#include "root_chart.h"
#include "strokes.h"

#include <QSet>

namespace zilvaro::decompose {

using tools::DataError;
using tools::readUtf8InputFile;
using tools::tsvLines;

QVector<const Root*> rootsOfField(const RootField& field, const QString& character,
                                  const RootChart& chart, const StrokeNames& names) {
    const QString letters = names.letters(character);
    QString classes;
    for (int s : field.strokes) {
        if (s < 0 || s >= letters.size())
            return {};
        classes += QChar(u'0' + names.letterClass(letters[s]));
    }
    QVector<const Root*> best;
    int bestFit = -1;
    for (const Root* root : chart.withClasses(classes)) {
        if (root->key != field.key)
            continue;
        int exact = 0;
        int loose = 0;
        for (int i = 0; i < field.strokes.size(); ++i) {
            const QStringList strokeNames = names.namesOfLetter(letters[field.strokes[i]]);
            const QString& wanted = root->strokes[i];
            if (strokeNames.contains(wanted))
                ++exact;
            else if (std::any_of(strokeNames.begin(), strokeNames.end(),
                                 [&](const QString& n) { return isNameVariant(n, wanted); }))
                ++loose;
        }
        const int fit = 2 * exact + loose;
        if (fit > bestFit) {
            best.clear();
            bestFit = fit;
        }
        if (fit == bestFit)
            best.append(root);
    }
    return best;
}

QHash<int, QStringList> rootUses(const QHash<QString, DecompositionLine>& lines,
                                 const QStringList& order, const RootChart& chart,
                                 const StrokeNames& names) {
    QHash<int, QStringList> uses;
    for (const QString& c : order) {
        const auto line = lines.constFind(c);
        if (line == lines.cend())
            continue;
        for (const RootField& field : line->roots)
            for (const Root* root : rootsOfField(field, c, chart, names)) {
                const int index = int(root - chart.roots().data());
                if (uses[index].isEmpty() || uses[index].last() != c)
                    uses[index].append(c);
            }
    }
    return uses;
}

QStringList witnessProblems(const QHash<QString, DecompositionLine>& lines, const RootChart& chart,
                            const StrokeNames& names) {
    QStringList problems;
    for (const Root& root : chart.roots()) {
        const QString where = QStringLiteral("roots.tsv:%1: %2").arg(root.line).arg(root.root);
        if (root.witnesses.isEmpty())
            problems.append(where + QStringLiteral(" has no witness"));
        for (const QString& w : root.witnesses) {
            const auto line = lines.constFind(w);
            if (line == lines.cend()) {
                problems.append(where + QStringLiteral(": witness %1 has no line").arg(w));
                continue;
            }
            bool shown = false;
            for (const RootField& field : line->roots)
                shown = shown || rootsOfField(field, w, chart, names).contains(&root);
            if (!shown)
                problems.append(where + QStringLiteral(": witness %1 (%2) does not use it")
                                            .arg(w, line->format().section(u'\t', 5)));
        }
    }
    return problems;
}

QVector<Placement> componentPlacements(const QHash<QString, DecompositionLine>& lines,
                                       const QStringList& order, const ComponentHints& hints,
                                       const StrokeNames& names) {
    QVector<Placement> out;
    for (const QString& c : order) {
        const auto line = lines.constFind(c);
        if (line == lines.cend())
            continue;
        const int count = strokeTotal(line->roots);
        const ComponentHint hint = hints.hint(c, count, names);
        if (!hint.isPair())
            continue;
        const int ranges[2][2] = {{0, hint.boundary}, {hint.boundary, count}};
        for (int k = 0; k < 2; ++k) {
            const auto own = lines.constFind(hint.components[k]);
            if (own == lines.cend() || strokeTotal(own->roots) != ranges[k][1] - ranges[k][0])
                continue;
            out.append({c, hint.components[k], ranges[k][0], ranges[k][1],
                        componentSplit(line->roots, ranges[k][0], ranges[k][1], own->roots)});
        }
    }
    return out;
}

ComponentExceptions ComponentExceptions::load(const QString& path) {
    return parse(readUtf8InputFile(path), path);
}

ComponentExceptions ComponentExceptions::parse(const QString& text, const QString& path) {
    ComponentExceptions out;
    for (const tools::TsvLine& line : tsvLines(text)) {
        const QStringList& f = line.fields;
        if (f.size() != 3)
            throw DataError(path, line.number, QStringLiteral("expected 3 tab-separated columns"));
        if (f[0].isEmpty() || f[1].isEmpty())
            throw DataError(path, line.number, QStringLiteral("no character or no component"));
        if (f[2].trimmed().isEmpty())
            throw DataError(path, line.number, QStringLiteral("an exception needs its reason"));
        const QPair<QString, QString> key{f[0], f[1]};
        if (out.reasons_.contains(key))
            throw DataError(path, line.number,
                            QStringLiteral("%1 in %2 is listed twice").arg(f[1], f[0]));
        out.reasons_.insert(key, f[2]);
    }
    return out;
}

PlacementReport comparePlacements(const QVector<Placement>& placements,
                                  const ComponentExceptions& exceptions) {
    PlacementReport report;
    QSet<QPair<QString, QString>> readOtherwise;
    for (const Placement& p : placements) {
        ++report.placements;
        switch (p.split) {
        case ComponentSplit::AsAlone:
            ++report.asAlone;
            break;
        case ComponentSplit::Crossed:
            ++report.crossed;
            break;
        case ComponentSplit::OtherKeys:
        case ComponentSplit::Otherwise:
            readOtherwise.insert({p.character, p.component});
            if (exceptions.contains(p.character, p.component))
                ++report.listed;
            else
                report.unlisted.append(p.character + u'(' + p.component + u')');
            break;
        }
    }
    for (const auto& key : exceptions.listed())
        if (!readOtherwise.contains(key))
            report.staleListings.append(key.first + u'(' + key.second + u')');
    report.staleListings.sort();
    return report;
}

} // namespace zilvaro::decompose
