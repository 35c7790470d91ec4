// A second yardstick of start-up: the bare window with one line of Chinese text in the
// program's Song font. What it costs beyond the bare window is what any window that
// shows Chinese text pays (the font database, the font files, shaping and glyphs).
#include "first_frame.h"

#include "ui/fonts.h"
#include "zilvaro_version.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QWidget>

int main(int argc, char* argv[]) {
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(614, 339);
    window.setWindowTitle(QStringLiteral(" Zilvaro " ZILVARO_VERSION));
    QLabel label(QStringLiteral("五笔字型 86 版查询"), &window);
    label.setFont(zilvaro::songFont(12));
    label.move(20, 20);
    const QRect screen = window.screen()->availableGeometry();
    window.move(screen.center() - window.rect().center());
    zilvaro::bench::FirstFrameReporter::watch(window);
    window.show();
    return app.exec();
}
