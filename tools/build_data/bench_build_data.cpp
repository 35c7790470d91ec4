// Timings of the data build, one character at a time: the whole build draws 6763 of them
// on two cores and must take under 20 seconds, so one character may cost about 5 ms of one
// core. A simple character, a compound of three roots and one of six are timed, from the
// stroke outlines on disk to the picture and the record.
//
//   bench_build_data <hanzi-writer-data folder>

#include "character_data.h"
#include "decomposition.h"
#include "stroke_outlines.h"

#include <QCoreApplication>
#include <QImage>

#include <benchmark/benchmark.h>

namespace {

QString strokeFolder;

void buildOne(benchmark::State& state, const char* line) {
    using namespace zilvaro::build;
    const Decomposition entry =
        parseDecompositionLine(QString::fromUtf8(line), QStringLiteral("bench"));
    for (auto _ : state) {
        const CharacterData data =
            buildCharacter(entry, loadStrokeOutlines(strokeFolder, entry.character));
        benchmark::DoNotOptimize(data.record.data());
    }
}

} // namespace

BENCHMARK_CAPTURE(buildOne, wang_key, "王\tgggg\tggg\tgggg\tkey\tg:0,1,2,3");
BENCHMARK_CAPTURE(buildOne, guo_three_roots, "国\tlgyi\tl\tlgy\tcompound\tl:0,1,7\tg:2,3,4,5\ty:6");
BENCHMARK_CAPTURE(buildOne, ying_six_roots,
                  "赢\tynky\t\tynky\tcompound\ty:0,1\tn:2\tk:3,4,5\te:6,7,8,9,10\te:11,12,13\t"
                  "m:14,15\ty:16");

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_build_data <hanzi-writer-data folder>\n");
        return 2;
    }
    strokeFolder = QString::fromLocal8Bit(argv[1]);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
