// Timings of zilvaro-query on the real data (not a test): a text of 10,000 characters
// answered from the start of a run (the data read included) within 0.2 s, and a search by
// code within 50 ms.
//
//   bench_query [<program folder>]   (the build folder by default)
#include "data/root_file.h"
#include "query/query_data.h"
#include "query/query_run.h"
#include "query_fixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

QString programDir = QStringLiteral(ZILVARO_PROGRAM_DIR);

// 10,000 characters of the data, a comma after every tenth, as a pasted article has them.
QString article() {
    static const QString text = [] {
        QFile file(QDir(programDir).filePath(QString::fromLatin1(zilvaro::RootFileName)));
        QStringList characters;
        if (file.open(QIODevice::ReadOnly)) {
            for (const QByteArray& line : file.readAll().split('\n')) {
                if (!line.isEmpty() && !line.startsWith('#')) {
                    characters << QString::fromUtf8(line.left(line.indexOf('\t')));
                }
            }
        }
        QString t;
        for (int i = 0; !characters.isEmpty() && i < 10000; ++i) {
            t += characters[(i * 7919) % characters.size()];
            if (i % 10 == 9) {
                t += QStringLiteral("，");
            }
        }
        return t;
    }();
    return text;
}

int run(const QStringList& args, const QString& input = {}) {
    return zilvaro::test::runQueryWith(args, programDir, input).status;
}

// A whole run on the article from standard input, reading the data as the program does.
void TenThousandCharacters(benchmark::State& state) {
    const QString text = article();
    if (text.isEmpty()) {
        state.SkipWithError("the character data is not built");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(run({}, text));
    }
}
BENCHMARK(TenThousandCharacters)->Unit(benchmark::kMillisecond);

// The data read once: the record file, the roots file, and the codes and readings the
// program carries.
void LoadData(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(zilvaro::query::QueryData::load(programDir).size());
    }
}
BENCHMARK(LoadData)->Unit(benchmark::kMillisecond);

// A whole run of --code pzf and of --code p (every character beginning with p).
void CodeSearchRun(benchmark::State& state) {
    const QString code = state.range(0) == 0 ? QStringLiteral("pzf") : QStringLiteral("p");
    for (auto _ : state) {
        benchmark::DoNotOptimize(run({QStringLiteral("--code"), code}));
    }
}
BENCHMARK(CodeSearchRun)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The search alone, on data already read.
void CodeSearchAlone(benchmark::State& state) {
    const zilvaro::query::QueryData data = zilvaro::query::QueryData::load(programDir);
    const auto code = *zilvaro::query::CodePattern::parse(u"zzf");
    for (auto _ : state) {
        benchmark::DoNotOptimize(data.byCode(code, -1).size());
    }
}
BENCHMARK(CodeSearchAlone)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (argc > 1) {
        programDir = QString::fromLocal8Bit(argv[1]);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
