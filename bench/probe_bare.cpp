// The yardstick of start-up: a bare Qt Widgets window of the main window's size, started
// the way Zilvaro starts, reporting its first frame.
#include "first_frame.h"
#include "zilvaro_version.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

int main(int argc, char* argv[]) {
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(614, 339);
    window.setWindowTitle(QStringLiteral(" Zilvaro " ZILVARO_VERSION));
    const QRect screen = window.screen()->availableGeometry();
    window.move(screen.center() - window.rect().center());
    zilvaro::bench::FirstFrameReporter::watch(window);
    window.show();
    return app.exec();
}
