// Measures whole-process start-up: runs Zilvaro's start-up probe, the bare-window probe
// and the text-window probe in turn, many times each, and prints the medians and the
// ratios to the bare window as JSON (and, for reading them, to the text window). The
// probes share a runtime folder of their own, so that a Zilvaro running on the same
// desktop (its single-instance lock) does not end Zilvaro's probe at once.
// Usage: startup_harness [--runs N] [--program-dir FOLDER]
#include "first_frame.h"
#include "process_stats.h"
#include "program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <stdexcept>
#include <vector>

using namespace zilvaro::bench;

namespace {

struct Frame {
    double sinceLaunchMs = 0;
    double sinceStartMs = 0;
    double rssKb = 0;
};

// Runs one probe to its first frame, with runtimeDir as its XDG_RUNTIME_DIR, and reads
// its report.
Frame runProbe(const QString& program, const QStringList& arguments, const QString& runtimeDir) {
    QProcess probe;
    probe.setProgram(program);
    probe.setArguments(arguments);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
    environment.insert(QLatin1String(FirstFrameReporter::launchVariable),
                       QString::number(bootClockNanoseconds()));
    probe.setProcessEnvironment(environment);
    probe.start();
    if (!probe.waitForFinished(20000)) {
        probe.kill();
        probe.waitForFinished();
        throw std::runtime_error(program.toStdString() + " showed no first frame in 20 s");
    }
    const QByteArray output = probe.readAllStandardOutput().trimmed();
    const QJsonObject report = QJsonDocument::fromJson(output.split('\n').last()).object();
    if (probe.exitCode() != 0 || !report.contains(QStringLiteral("rss_kb"))) {
        throw std::runtime_error(program.toStdString() + " gave no first-frame report (exit code " +
                                 std::to_string(probe.exitCode()) +
                                 "): " + probe.readAllStandardError().toStdString());
    }
    return {report[QStringLiteral("since_launch_ms")].toDouble(),
            report[QStringLiteral("since_start_ms")].toDouble(),
            report[QStringLiteral("rss_kb")].toDouble()};
}

struct Series {
    std::vector<double> launchMs, startMs, rssKb;
    void add(const Frame& f) {
        launchMs.push_back(f.sinceLaunchMs);
        startMs.push_back(f.sinceStartMs);
        rssKb.push_back(f.rssKb);
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    int runs = 25;
    QString requested;
    const QStringList args = QCoreApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--runs") && i + 1 < args.size()) {
            runs = args[++i].toInt();
        } else if (args[i] == QLatin1String("--program-dir") && i + 1 < args.size()) {
            requested = args[++i];
        } else {
            std::fprintf(stderr, "usage: startup_harness [--runs N] [--program-dir FOLDER]\n");
            return 2;
        }
    }
    if (runs < 1) {
        std::fprintf(stderr, "startup_harness: --runs needs a positive count\n");
        return 2;
    }
    try {
        const BenchFolder folder = chooseProgramFolder(
            requested, QStringLiteral(ZILVARO_PROGRAM_DIR), QStringLiteral(ZILVARO_MADE_UP_DIR));
        const QString here = QCoreApplication::applicationDirPath();
        const QString zilvaro = QDir(here).filePath(QStringLiteral("probe_zilvaro"));
        const QString bare = QDir(here).filePath(QStringLiteral("probe_bare"));
        const QString text = QDir(here).filePath(QStringLiteral("probe_text"));
        const QStringList zilvaroArgs{QStringLiteral("--program-dir"), folder.path};
        // Made with mode 0700, as the program trusts a runtime folder; removed at the end.
        const QTemporaryDir runtime(QDir::temp().filePath(QStringLiteral("zilvaro-bench-XXXXXX")));
        if (!runtime.isValid()) {
            throw std::runtime_error("cannot make a runtime folder for the probes: " +
                                     runtime.errorString().toStdString());
        }
        const QString runtimeDir = runtime.path();

        // One run of each first, not counted: it brings the libraries and the data into
        // the page cache for both alike.
        runProbe(zilvaro, zilvaroArgs, runtimeDir);
        runProbe(bare, {}, runtimeDir);
        runProbe(text, {}, runtimeDir);
        Series z, b, t;
        for (int i = 0; i < runs; ++i) {
            z.add(runProbe(zilvaro, zilvaroArgs, runtimeDir));
            b.add(runProbe(bare, {}, runtimeDir));
            t.add(runProbe(text, {}, runtimeDir));
        }
        QJsonObject out;
        out[QStringLiteral("data")] = folder.description;
        out[QStringLiteral("runs")] = runs;
        const auto put = [&](const char* name, const std::vector<double>& values) {
            const double m = *median(values);
            out[QLatin1String(name)] = m;
            return m;
        };
        const double zl = put("zilvaro_ms", z.launchMs);
        const double bl = put("bare_ms", b.launchMs);
        put("zilvaro_since_start_ms", z.startMs);
        put("bare_since_start_ms", b.startMs);
        const double zr = put("zilvaro_rss_kb", z.rssKb);
        const double br = put("bare_rss_kb", b.rssKb);
        const double tl = put("text_ms", t.launchMs);
        const double tr = put("text_rss_kb", t.rssKb);
        out[QStringLiteral("startup_ratio")] = zl / bl;
        out[QStringLiteral("memory_ratio")] = zr / br;
        out[QStringLiteral("startup_ratio_to_text")] = zl / tl;
        out[QStringLiteral("memory_ratio_to_text")] = zr / tr;
        std::fputs(QJsonDocument(out).toJson(QJsonDocument::Indented).constData(), stdout);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "startup_harness: %s\n", e.what());
        return 1;
    }
    return 0;
}
