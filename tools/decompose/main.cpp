// decompose: writes data/decomposition.tsv, the Wubi 86 roots of every GB2312 character,
// from the code tables, the stroke data, the root chart and the hand overrides. Run by hand
// from the project folder (or with --project DIR); --report prints the counts and the code
// disagreements of the two code tables.

#include "common/atomic_file.h"
#include "common/data_error.h"
#include "common/gb2312.h"
#include "decomposition_table.h"
#include "root_chart.h"
#include "table_checks.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTextStream>

using namespace zilvaro::decompose;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Derives the Wubi 86 decomposition of the GB2312 characters."));
    parser.addHelpOption();
    const QCommandLineOption project(QStringLiteral("project"),
                                     QStringLiteral("The project folder (default: current)."),
                                     QStringLiteral("dir"), QDir::currentPath());
    const QCommandLineOption report(QStringLiteral("report"),
                                    QStringLiteral("Print the counts and code disagreements."));
    const QCommandLineOption check(QStringLiteral("check"),
                                   QStringLiteral("Write nothing; fail when the committed table "
                                                  "differs from a fresh one."));
    const QCommandLineOption roots(
        QStringLiteral("roots"), QStringLiteral("List every root of the chart with the characters "
                                                "that use it."));
    parser.addOptions({project, report, check, roots});
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    try {
        QElapsedTimer timer;
        timer.start();
        Inputs inputs;
        inputs.projectDir = parser.value(project);
        const Sources sources = Sources::load(inputs);
        const auto overrides =
            loadOverrides(inputs.path(QStringLiteral("data/decomposition-overrides.tsv")), sources);
        const TableResult table = buildTable(sources, overrides);
        const QString text = table.lines.join(u'\n') + u'\n';
        const QString undecided =
            QStringLiteral("# character\tfull code\twhy no decomposition was chosen\n") +
            table.undecided.join(u'\n') + (table.undecided.isEmpty() ? "" : "\n");
        const QString tablePath = inputs.path(QStringLiteral("data/decomposition.tsv"));
        const QString undecidedPath =
            inputs.path(QStringLiteral("data/decomposition-undecided.tsv"));
        QHash<QString, DecompositionLine> lines;
        QStringList order;
        for (const QString& l : table.lines) {
            const auto line = DecompositionLine::parse(l, nullptr);
            lines.insert(line->character, *line);
            order.append(line->character);
        }
        // Every root of the chart shown by its witnesses, every component read as it reads
        // alone or listed with the reason Wubi reads it otherwise.
        const QStringList witnessFaults = witnessProblems(lines, sources.chart, sources.names);
        const QString exceptionsPath =
            inputs.path(QStringLiteral("data/decomposition-exceptions.tsv"));
        const PlacementReport placements =
            comparePlacements(componentPlacements(lines, order, sources.hints, sources.names),
                              ComponentExceptions::load(exceptionsPath));
        if (parser.isSet(roots)) {
            // Each root, how many characters use it, its witnesses, and the first characters
            // whose code pins it (one of the first three roots, or the last of four or more).
            const auto uses = rootUses(lines, order, sources.chart, sources.names);
            QHash<int, QStringList> pinned;
            for (const QString& c : order) {
                const auto& fields = lines[c].roots;
                for (int f = 0; f < fields.size(); ++f) {
                    if (f >= 3 && f != fields.size() - 1)
                        continue;
                    for (const Root* r : rootsOfField(fields[f], c, sources.chart, sources.names)) {
                        QStringList& list = pinned[int(r - sources.chart.roots().data())];
                        if (list.isEmpty() || list.last() != c)
                            list.append(c);
                    }
                }
            }
            for (int i = 0; i < sources.chart.roots().size(); ++i) {
                const Root& root = sources.chart.roots()[i];
                out << root.key << "\t" << root.root << "\t" << uses.value(i).size() << "\t"
                    << root.witnesses.join(u',') << "\t"
                    << pinned.value(i).mid(0, 30).join(QString()) << "\n";
            }
        }
        if (parser.isSet(check)) {
            bool failed = false;
            QFile committed(tablePath);
            if (!committed.open(QIODevice::ReadOnly) ||
                QString::fromUtf8(committed.readAll()) != text) {
                err << tablePath << ": differs from what the inputs give\n";
                failed = true;
            }
            for (const QString& fault : witnessFaults)
                err << fault << "\n";
            if (!placements.unlisted.isEmpty())
                err << placements.unlisted.size()
                    << " components read otherwise than alone, not in " << exceptionsPath << ": "
                    << placements.unlisted.join(u' ') << "\n";
            if (!placements.staleListings.isEmpty())
                err << exceptionsPath
                    << ": listed but read as alone: " << placements.staleListings.join(u' ')
                    << "\n";
            if (failed || !witnessFaults.isEmpty() || !placements.unlisted.isEmpty() ||
                !placements.staleListings.isEmpty())
                return 1;
        } else {
            zilvaro::tools::writeFileAtomically(tablePath, text.toUtf8());
            zilvaro::tools::writeFileAtomically(undecidedPath, undecided.toUtf8());
        }
        if (parser.isSet(report)) {
            out << "characters: " << (table.automatic + table.overridden + table.undecided.size())
                << "\n";
            out << "decided automatically: " << table.automatic << "\n";
            out << "decided by override: " << table.overridden << "\n";
            out << "undecided: " << table.undecided.size() << "\n";
            out << "components placed: " << placements.placements << ", read as alone "
                << placements.asAlone << ", crossed by a larger root or a frame "
                << placements.crossed << ", listed exceptions " << placements.listed
                << ", unlisted " << placements.unlisted.size() << "\n";
            if (!placements.unlisted.isEmpty())
                out << "  unlisted: " << placements.unlisted.join(u' ') << "\n";
            out << "roots without a working witness: " << witnessFaults.size() << "\n";
            for (const QString& fault : witnessFaults)
                out << "  " << fault << "\n";
            if (!sources.supplementRead)
                out << "stroke supplement: data/stroke-supplement.tsv not present yet\n";
            else if (!sources.names.corrected().isEmpty())
                out << "stroke names corrected by the supplement: "
                    << sources.names.corrected().join(u' ') << "\n";
            if (!sources.names.reordered().isEmpty())
                out << "stroke names put into drawing order: "
                    << sources.names.reordered().join(u' ') << "\n";
            const auto disagreements =
                compareCodes(sources.codes, sources.crossCheck, zilvaro::tools::gb2312Texts());
            out << "code disagreements between " << inputs.rime << " and " << inputs.ibus << ": "
                << disagreements.size() << "\n";
            for (const auto& d : disagreements)
                out << "  " << d.character << "\trime: " << d.first.join(u' ')
                    << "\tibus: " << d.second.join(u' ')
                    << (d.fullCodesDiffer ? "\tFULL CODES DIFFER" : "") << "\n";
            out << "time: " << timer.elapsed() << " ms\n";
        }
    } catch (const zilvaro::tools::DataError& e) {
        err << "decompose: " << e.message() << "\n";
        return 1;
    }
    return 0;
}
