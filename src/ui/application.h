#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace zilvaro {

// What a caller other than the program itself (a start-up probe) may change about the
// start-up. The program runs with the defaults.
struct StartUpOptions {
    // The folder that holds wwbb11.dat and bmp/; empty means the program's own folder.
    QString programDir;
    // Runs once, right before the main window is first shown.
    std::function<void(QWidget& window)> beforeShow;
};

// What the program says, on its error output, when no graphical display can be opened:
// it names the display tried (display, from -display, or else DISPLAY and
// WAYLAND_DISPLAY), or the platform when one other than X or Wayland was asked for
// (-platform or QT_QPA_PLATFORM); silent says the display took the connection and did
// not answer in time.
QString noDisplayMessage(const QString& display = {}, const QString& platform = {},
                         bool silent = false);

// How long an X display has to answer the connection at start-up.
inline constexpr int DisplayAnswerMs = 2000;

// Starts Zilvaro: one instance per user, the main window, the event loop.
int runApplication(int argc, char* argv[], const StartUpOptions& options = {});

} // namespace zilvaro
