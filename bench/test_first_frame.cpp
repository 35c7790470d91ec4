#include "first_frame.h"

#include "process_stats.h"

#include <QApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

using namespace zilvaro::bench;

TEST(FirstFrame, EndsTheEventLoopOnceTheWindowHasBeenPainted) {
    QWidget window;
    window.resize(200, 100);
    FirstFrameReporter::watch(window);
    window.show();
    // Without a report the loop would end with 1 after ten seconds.
    QTimer::singleShot(10000, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
}

TEST(FirstFrame, AProbeReportsItsTimesAndMemoryAsOneJsonLine) {
    QProcess probe;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const std::int64_t launch = bootClockNanoseconds();
    environment.insert(QLatin1String(FirstFrameReporter::launchVariable), QString::number(launch));
    probe.setProcessEnvironment(environment);
    probe.start(QStringLiteral(ZILVARO_PROBE_BARE), {});
    ASSERT_TRUE(probe.waitForFinished(30000));
    EXPECT_EQ(probe.exitCode(), 0);
    const QByteArray output = probe.readAllStandardOutput();
    ASSERT_EQ(output.count('\n'), 1) << output.toStdString();
    const QJsonObject report = QJsonDocument::fromJson(output).object();
    const double sinceLaunch = report[QStringLiteral("since_launch_ms")].toDouble(-1);
    const double sinceStart = report[QStringLiteral("since_start_ms")].toDouble(-1);
    // Both count from before the probe ran to its frame, which came before now.
    const double upToNow = static_cast<double>(bootClockNanoseconds() - launch) / 1e6;
    EXPECT_GT(sinceLaunch, 0);
    EXPECT_LE(sinceLaunch, upToNow);
    EXPECT_GE(sinceStart, 0);
    EXPECT_LE(sinceStart, upToNow + 10); // the kernel's start time is floored to a tick
    EXPECT_GT(report[QStringLiteral("rss_kb")].toInt(), 1000);
}
