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

// What the program says, on its error output, when no graphical display can be opened.
QString noDisplayMessage();

// Starts Zilvaro: one instance per user, the main window, the event loop.
int runApplication(int argc, char* argv[], const StartUpOptions& options = {});

} // namespace zilvaro
