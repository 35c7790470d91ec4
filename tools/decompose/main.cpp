// decompose: writes data/decomposition.tsv, the Wubi 86 roots of every GB2312 character,
// from the code tables, the stroke data, the root chart and the hand overrides. Run by hand
// from the project folder (or with --project DIR); --report prints the counts and the code
// disagreements of the two code tables.

#include "data_error.h"
#include "decomposition_table.h"

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
    parser.addOptions({project, report, check});
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
        if (parser.isSet(check)) {
            QFile committed(tablePath);
            if (!committed.open(QIODevice::ReadOnly) ||
                QString::fromUtf8(committed.readAll()) != text) {
                err << tablePath << ": differs from what the inputs give\n";
                return 1;
            }
        } else {
            writeAtomically(tablePath, text);
            writeAtomically(undecidedPath, undecided);
        }
        if (parser.isSet(report)) {
            out << "characters: " << (table.automatic + table.overridden + table.undecided.size())
                << "\n";
            out << "decided automatically: " << table.automatic << "\n";
            out << "decided by override: " << table.overridden << "\n";
            out << "undecided: " << table.undecided.size() << "\n";
            if (!sources.supplementRead)
                out << "stroke supplement: data/stroke-supplement.tsv not present yet\n";
            else if (!sources.names.corrected().isEmpty())
                out << "stroke names corrected by the supplement: "
                    << sources.names.corrected().join(u' ') << "\n";
            if (!sources.names.reordered().isEmpty())
                out << "stroke names put into drawing order: "
                    << sources.names.reordered().join(u' ') << "\n";
            const auto disagreements =
                compareCodes(sources.codes, sources.crossCheck, gb2312Characters());
            out << "code disagreements between " << inputs.rime << " and " << inputs.ibus << ": "
                << disagreements.size() << "\n";
            for (const auto& d : disagreements)
                out << "  " << d.character << "\trime: " << d.first.join(u' ')
                    << "\tibus: " << d.second.join(u' ')
                    << (d.fullCodesDiffer ? "\tFULL CODES DIFFER" : "") << "\n";
            out << "time: " << timer.elapsed() << " ms\n";
        }
    } catch (const DataError& e) {
        err << "decompose: " << e.text() << "\n";
        return 1;
    }
    return 0;
}
