#include "process_stats.h"

#include <QFile>
#include <QList>

#include <algorithm>
#include <stdexcept>
#include <time.h>
#include <unistd.h>

namespace zilvaro::bench {

namespace {

QByteArray readProcFile(const char* path) {
    QFile file(QString::fromLatin1(path));
    // Files of /proc report size 0: read until the end, not by size.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        throw std::runtime_error(std::string("cannot read ") + path);
    }
    return file.readAll();
}

std::optional<std::int64_t> toInteger(const QByteArray& text) {
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (!ok || value < 0) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<std::int64_t> startTimeTicks(const QByteArray& statLine) {
    const qsizetype close = statLine.lastIndexOf(')');
    if (close < 0) {
        return std::nullopt;
    }
    // After the name come field 3 (state) onwards; the start time is field 22.
    const QList<QByteArray> fields = statLine.mid(close + 1).simplified().split(' ');
    constexpr int startTimeField = 22 - 3;
    if (fields.size() <= startTimeField) {
        return std::nullopt;
    }
    return toInteger(fields[startTimeField]);
}

std::optional<std::int64_t> residentKilobytes(const QByteArray& statusText) {
    for (const QByteArray& line : statusText.split('\n')) {
        if (!line.startsWith("VmRSS:")) {
            continue;
        }
        const QList<QByteArray> parts = line.mid(6).simplified().split(' ');
        if (parts.size() != 2 || parts[1] != "kB") {
            return std::nullopt;
        }
        return toInteger(parts[0]);
    }
    return std::nullopt;
}

std::optional<double> median(std::vector<double> values) {
    if (values.empty()) {
        return std::nullopt;
    }
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    if (values.size() % 2 == 1) {
        return *middle;
    }
    const double below = *std::max_element(values.begin(), middle);
    return (below + *middle) / 2;
}

std::int64_t bootClockNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

double millisecondsSinceProcessStart() {
    const std::optional<std::int64_t> ticks = startTimeTicks(readProcFile("/proc/self/stat"));
    if (!ticks) {
        throw std::runtime_error("/proc/self/stat holds no start time");
    }
    const double ticksPerSecond = static_cast<double>(sysconf(_SC_CLK_TCK));
    const double startMs = static_cast<double>(*ticks) * 1000.0 / ticksPerSecond;
    return static_cast<double>(bootClockNanoseconds()) / 1e6 - startMs;
}

std::int64_t residentKilobytesNow() {
    const std::optional<std::int64_t> kb = residentKilobytes(readProcFile("/proc/self/status"));
    if (!kb) {
        throw std::runtime_error("/proc/self/status holds no VmRSS line");
    }
    return *kb;
}

} // namespace zilvaro::bench
