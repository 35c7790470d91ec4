// Builds the program's character data: bmp/<character>.bmp, the sharp pictures' pack
// bmp@2x.pack, wwbb11.dat and roots.tsv, from the decomposition table and the stroke outlines of
// hanzi-writer-data, naming the roots by the root chart and cnchar-order's stroke names.
//
//   build_data <decomposition.tsv> <hanzi-writer-data folder> <licence file> <program folder>
//              <roots.tsv chart> <cnchar-order script> <stroke supplement> <drawing order>
//              <frequency list>

#include "common/data_error.h"
#include "data_builder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 10) {
        std::fprintf(stderr, "usage: build_data <decomposition.tsv> <hanzi-writer-data folder> "
                             "<licence file> <program folder> <root chart> <cnchar-order "
                             "script> <stroke supplement> <drawing order> <frequency list>\n");
        return 2;
    }
    QElapsedTimer timer;
    timer.start();
    try {
        const zilvaro::build::BuildSummary summary = zilvaro::build::buildProgramData(
            {args[1], args[2], args[3], args[4], {args[5], args[6], args[7], args[8], args[9]}});
        QStringList least;
        for (const auto& [coverage, character] : summary.leastCovered) {
            least << QStringLiteral("%1 %2%").arg(character).arg(coverage * 100, 0, 'f', 1);
        }
        std::printf(
            "build_data: built %d pictures, as many sharp ones in bmp@2x.pack, wwbb11.dat and "
            "roots.tsv in %.1f s\n",
            summary.characters, static_cast<double>(timer.elapsed()) / 1000.0);
        // Every root passed its coverage check, or the build would have stopped above; the
        // figures are there to follow the data, not a problem to act on.
        std::printf("build_data: for information (all is well): the roots least covered by "
                    "their fills, slivers aside: %s\n",
                    qPrintable(least.join(QStringLiteral(", "))));
        return 0;
    } catch (const zilvaro::tools::DataError& e) {
        std::fprintf(stderr, "build_data: %s\n", qPrintable(e.message()));
        return 1;
    }
}
