#pragma once

#include <QObject>

class QWidget;

namespace zilvaro::bench {

// Watches a top-level window for its first frame: once its first paint has been
// handled (and the frame flushed to the platform), it writes one JSON line to standard
// output and ends the event loop:
//   {"since_start_ms": ..., "since_launch_ms": ..., "rss_kb": ...}
// since_start_ms counts from the process start recorded by the kernel (clock-tick
// resolution); since_launch_ms from the boot-clock time in nanoseconds that a launcher
// put into ZILVARO_BENCH_LAUNCH_NS just before starting the process (-1 without it).
// rss_kb is the resident set size at that moment.
class FirstFrameReporter : public QObject {
    Q_OBJECT

public:
    static constexpr const char* launchVariable = "ZILVARO_BENCH_LAUNCH_NS";

    // Watches window; the reporter becomes the window's child.
    static void watch(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit FirstFrameReporter(QWidget& window);
    void report();

    bool painted_ = false;
};

} // namespace zilvaro::bench
