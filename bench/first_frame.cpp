#include "first_frame.h"

#include "process_stats.h"

#include <QCoreApplication>
#include <QEvent>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace zilvaro::bench {

void FirstFrameReporter::watch(QWidget& window) {
    window.installEventFilter(new FirstFrameReporter(window));
}

FirstFrameReporter::FirstFrameReporter(QWidget& window) : QObject(&window) {}

bool FirstFrameReporter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && !painted_) {
        painted_ = true;
        // The window's own paint comes first; its children are painted and the frame is
        // flushed in the same pass, so the report waits until that pass has returned.
        QTimer::singleShot(0, this, &FirstFrameReporter::report);
    }
    return QObject::eventFilter(watched, event);
}

void FirstFrameReporter::report() {
    const std::int64_t now = bootClockNanoseconds();
    const double sinceStart = millisecondsSinceProcessStart();
    const std::int64_t rss = residentKilobytesNow();
    bool haveLaunch = false;
    const qint64 launch = qEnvironmentVariable(launchVariable).toLongLong(&haveLaunch);
    QJsonObject line;
    line[QStringLiteral("since_start_ms")] = sinceStart;
    line[QStringLiteral("since_launch_ms")] =
        haveLaunch ? static_cast<double>(now - launch) / 1e6 : -1.0;
    line[QStringLiteral("rss_kb")] = static_cast<qint64>(rss);
    std::fputs(QJsonDocument(line).toJson(QJsonDocument::Compact).constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
    QCoreApplication::exit(0);
}

} // namespace zilvaro::bench
