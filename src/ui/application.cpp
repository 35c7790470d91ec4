#include "ui/application.h"

#include "ui/form11.h"
#include "ui/message_box_reporter.h"
#include "ui/single_instance.h"
#include "ui/url_opener.h"

#include <QApplication>
#include <QScreen>

#include <cstdio>
#include <cstdlib>

namespace zilvaro {

namespace {

QtMessageHandler toolkitHandler = nullptr;

// While the toolkit starts: its fatal message, that no platform plugin could start
// (there is no display), ends the program with a plain message and status 1 instead of
// an abort and a core dump.
void startUpMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        if (toolkitHandler) {
            toolkitHandler(type, context, message);
        }
        return;
    }
    std::fputs(noDisplayMessage().toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
    std::fflush(nullptr);
    std::_Exit(EXIT_FAILURE);
}

} // namespace

QString noDisplayMessage() {
    const QByteArray display = qgetenv("DISPLAY");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    QString where;
    if (display.isEmpty() && wayland.isEmpty()) {
        where = QStringLiteral("neither DISPLAY nor WAYLAND_DISPLAY is set");
    } else {
        QStringList named;
        if (!display.isEmpty()) {
            named.append(QStringLiteral("DISPLAY=") + QString::fromLocal8Bit(display));
        }
        if (!wayland.isEmpty()) {
            named.append(QStringLiteral("WAYLAND_DISPLAY=") + QString::fromLocal8Bit(wayland));
        }
        where = named.join(QStringLiteral(", ")) + QStringLiteral(" cannot be opened");
    }
    return QStringLiteral("zilvaro: Zilvaro needs a graphical display, and there is none (%1). "
                          "Start it from a desktop session.")
        .arg(where);
}

int runApplication(int argc, char* argv[], const StartUpOptions& options) {
    // The window is laid out in 96-dpi pixels; on high-DPI screens Qt scales it by a
    // whole factor, so the sharp (2x) pictures land pixel for pixel. A fractional
    // factor forced by QT_SCALE_FACTOR, which Qt never rounds, shows them smoothed.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    toolkitHandler = qInstallMessageHandler(startUpMessage);
    QApplication app(argc, argv);
    qInstallMessageHandler(toolkitHandler);
    QApplication::setApplicationName(QStringLiteral("zilvaro"));

    // A second instance brings the first one's window forward and ends, at once and
    // silently, before any window of its own exists.
    SingleInstance instance;
    if (instance.outcome() == SingleInstance::Outcome::Second) {
        instance.requestActivation();
        return 0;
    }
    if (instance.outcome() == SingleInstance::Outcome::Unchecked) {
        // The lookup is the job; one instance is a convenience.
        std::fprintf(stderr, "zilvaro: %s; starting without the single-instance check\n",
                     instance.problem().toLocal8Bit().constData());
    }

    MessageBoxReporter reporter;
    FailureGuard guard(reporter);
    const QString programDir =
        options.programDir.isEmpty() ? QCoreApplication::applicationDirPath() : options.programDir;
    Form11 window(programDir, guard, desktopUrlOpener());
    if (!guard.run([&] { window.Form_Load(); })) {
        return 1;
    }
    const QRect screen = window.screen()->availableGeometry();
    window.move(screen.center() - window.rect().center());
    if (options.beforeShow) {
        options.beforeShow(window);
    }
    window.show();
    instance.onActivationRequest([&window] { bringWindowForward(window); });
    return app.exec();
}

} // namespace zilvaro
