// In-process timings of the main window: the lookup of every character, the stroke
// search "25124", the syllable "ji" and a paste of 1 MB into each single-line field,
// each as the user starts them.
// Usage: bench_window [--program-dir=FOLDER] [Google Benchmark flags]
#include "program_folder.h"

#include "core/gbk.h"
#include "form11_fixture.h"
#include "record_builder.h"
#include "ui/caret_boxes.h"
#include "ui/form11.h"
#include "ui/simple_combo.h"
#include "ui/url_opener.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <iostream>
#include <time.h>
#include <vector>

using namespace zilvaro;

namespace {

struct CollectingReporter : FailureReporter {
    QStringList messages;
    void report(const QString& message) override { messages.append(message); }
};

struct NoOpener : UrlOpener {
    void open(const QString&) override {}
};

// The window every benchmark drives, made once over the chosen program folder.
struct Window {
    CollectingReporter reporter;
    FailureGuard guard{reporter};
    NoOpener opener;
    std::unique_ptr<test::Form11Probe> form;
};
Window* window = nullptr;

// Rows of the stroke pickers' lists: 一 丨 丿 丶 乙, then the blank (Combo2..Combo5).
constexpr int blankRow = 5;

// Chooses a row of a stroke picker from its list, as a click does.
void chooseInPicker(int picker, int row) {
    QComboBox* combo = window->form->strokePickers[picker - 1];
    combo->setCurrentIndex(row);
    emit combo->activated(row);
}

int countHits(const QString& strip) {
    return static_cast<int>(QString(strip).remove(u' ').size());
}

bool failed(benchmark::State& state) {
    if (window->reporter.messages.isEmpty()) {
        return false;
    }
    state.SkipWithError(window->reporter.messages.join('\n').toStdString().c_str());
    return true;
}

double milliseconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double threadCpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The median of each row and the median and largest of those.
struct Spread {
    double median = 0;
    double worst = 0;
};
Spread spreadOfMedians(std::vector<std::vector<double>>& rows) {
    std::vector<double> medians;
    for (std::vector<double>& t : rows) {
        std::nth_element(t.begin(), t.begin() + static_cast<std::ptrdiff_t>(t.size() / 2), t.end());
        medians.push_back(t[t.size() / 2]);
    }
    std::sort(medians.begin(), medians.end());
    return {medians[medians.size() / 2], medians.back()};
}

// Every character once per iteration, each timed alone from the write of Text23 to the
// end of its presentation, on the wall clock and in the thread's CPU time. Per
// character the median over the iterations is kept (a single slow run is the
// scheduler's, not the lookup's); reported are the median and the worst of those, and
// the slowest single lookup seen.
void BM_LookupEveryCharacter(benchmark::State& state) {
    test::Form11Probe& form = *window->form;
    const QStringList characters = test::gb2312Characters();
    std::vector<std::vector<double>> times(static_cast<size_t>(characters.size()));
    std::vector<std::vector<double>> cpuTimes(times.size());
    int misses = 0;
    for (auto _ : state) {
        for (qsizetype i = 0; i < characters.size(); ++i) {
            form.Text23.set(QString()); // a lookup that showed an identification code
            const double cpuStart = threadCpuMilliseconds();
            const auto start = std::chrono::steady_clock::now();
            form.Text23.set(characters[i]);
            const auto end = std::chrono::steady_clock::now();
            times[static_cast<size_t>(i)].push_back(milliseconds(end - start));
            cpuTimes[static_cast<size_t>(i)].push_back(threadCpuMilliseconds() - cpuStart);
            misses += form.LookupFound == -1 ? 0 : 1;
        }
    }
    if (failed(state)) {
        return;
    }
    if (misses > 0) {
        state.SkipWithError("some characters were not found in the record file");
        return;
    }
    double slowest = 0;
    for (const std::vector<double>& t : times) {
        slowest = std::max(slowest, *std::max_element(t.begin(), t.end()));
    }
    const Spread wall = spreadOfMedians(times);
    const Spread cpu = spreadOfMedians(cpuTimes);
    state.counters["characters"] = static_cast<double>(characters.size());
    state.counters["median_ms"] = wall.median;
    state.counters["worst_ms"] = wall.worst;
    state.counters["cpu_median_ms"] = cpu.median;
    state.counters["cpu_worst_ms"] = cpu.worst;
    state.counters["slowest_single_ms"] = slowest;
}
BENCHMARK(BM_LookupEveryCharacter)->Iterations(5)->Unit(benchmark::kMillisecond);

// Picks 丨 乙 一 丨, then times the choice of 丶 as the last stroke: the search "25124",
// the strip growing hit by hit, and the lookup and reverse lookup of the first hit.
void BM_StrokeSearch25124(benchmark::State& state) {
    const int rows[] = {1, 4, 0, 1};
    for (int picker = 1; picker <= 4; ++picker) {
        chooseInPicker(picker, rows[picker - 1]);
    }
    for (auto _ : state) {
        state.PauseTiming();
        chooseInPicker(5, blankRow); // code 25120: the next choice is a real change
        state.ResumeTiming();
        chooseInPicker(5, 3);
    }
    if (failed(state)) {
        return;
    }
    test::Form11Probe& form = *window->form;
    if (form.Text2bhw.text() != QStringLiteral("25124") || countHits(form.text6()) != 116) {
        state.SkipWithError("the stroke search did not list the 116 characters of 25124");
        return;
    }
    state.counters["hits"] = countHits(form.text6());
}
BENCHMARK(BM_StrokeSearch25124)->Unit(benchmark::kMillisecond);

int rowOf(const SimpleCombo* combo, const QString& syllable) {
    for (int i = 0; i < combo->count(); ++i) {
        if (combo->itemText(i) == syllable) {
            return i;
        }
    }
    return -1;
}

// Times the choice of the syllable "ji" in the syllable picker: its search, the strip,
// and the lookup and reverse lookup of the first hit.
void BM_SyllableJi(benchmark::State& state) {
    test::Form11Probe& form = *window->form;
    const int ji = rowOf(form.Combo6, QStringLiteral("ji"));
    const int other = rowOf(form.Combo6, QStringLiteral("a"));
    if (ji < 0 || other < 0) {
        state.SkipWithError("the syllable picker lacks ji or a");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        form.Combo6->chooseRow(other);
        state.ResumeTiming();
        form.Combo6->chooseRow(ji);
    }
    if (failed(state)) {
        return;
    }
    if (countHits(form.text6()) < 90) {
        state.SkipWithError("the syllable ji listed too few characters");
        return;
    }
    state.counters["hits"] = countHits(form.text6());
}
BENCHMARK(BM_SyllableJi)->Unit(benchmark::kMillisecond);

// Times a paste of 1 MB of text into each single-line field, as the context menu's paste
// does: the field's cut and every handler the paste starts. Reported is the slowest
// field's time.
void BM_PasteMegabyte(benchmark::State& state) {
    test::Form11Probe& form = *window->form;
    QString text = QStringLiteral("字");
    while (text.size() < 512 * 1024) {
        text += QStringLiteral("zhuang一字");
    }
    QGuiApplication::clipboard()->setText(text);
    std::vector<QLineEdit*> fields = {form.Text5, form.Combo6->editField()};
    for (QComboBox* picker : form.strokePickers) {
        fields.push_back(picker->lineEdit());
    }
    double slowest = 0;
    for (auto _ : state) {
        for (QLineEdit* field : fields) {
            state.PauseTiming();
            field->selectAll();
            const auto start = std::chrono::steady_clock::now();
            state.ResumeTiming();
            field->paste();
            slowest = std::max(slowest, milliseconds(std::chrono::steady_clock::now() - start));
        }
    }
    if (failed(state)) {
        return;
    }
    state.counters["slowest_field_ms"] = slowest;
}
BENCHMARK(BM_PasteMegabyte)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
    QString requested;
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], "--program-dir=", 14) == 0) {
            requested = QString::fromLocal8Bit(argv[i] + 14);
        } else {
            rest.push_back(argv[i]);
        }
    }
    int restCount = static_cast<int>(rest.size());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(restCount, rest.data());
    benchmark::Initialize(&restCount, rest.data());
    if (benchmark::ReportUnrecognizedArguments(restCount, rest.data())) {
        return 2;
    }
    try {
        const bench::BenchFolder folder = bench::chooseProgramFolder(
            requested, QStringLiteral(ZILVARO_PROGRAM_DIR), QStringLiteral(ZILVARO_MADE_UP_DIR));
        std::cerr << "bench_window: " << folder.description.toStdString() << '\n';
        benchmark::AddCustomContext("data", folder.description.toStdString());
        Window w;
        window = &w;
        w.form = std::make_unique<test::Form11Probe>(folder.path, w.guard, w.opener);
        if (!w.guard.run([&] { w.form->Form_Load(); })) {
            std::cerr << "bench_window: " << w.reporter.messages.join('\n').toStdString() << '\n';
            return 1;
        }
        w.form->show();
        if (!QTest::qWaitForWindowExposed(w.form.get())) {
            std::cerr << "bench_window: the main window was never shown\n";
            return 1;
        }
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
        window = nullptr;
    } catch (const std::exception& e) {
        std::cerr << "bench_window: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
