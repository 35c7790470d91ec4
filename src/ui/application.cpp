#include "ui/application.h"

#include "ui/form11.h"
#include "ui/message_box_reporter.h"
#include "ui/single_instance.h"
#include "ui/url_opener.h"

#include <QApplication>
#include <QScreen>

namespace zilvaro {

int runApplication(int argc, char* argv[], const StartUpOptions& options) {
    // The window is laid out in 96-dpi pixels; on high-DPI screens Qt scales it by a
    // whole factor, so the sharp (2x) pictures land pixel for pixel. A fractional
    // factor forced by QT_SCALE_FACTOR, which Qt never rounds, shows them smoothed.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zilvaro"));

    // A second instance ends at once and silently, before any window exists.
    const SingleInstance instance;
    if (!instance.acquired()) {
        return 0;
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
    return app.exec();
}

} // namespace zilvaro
