#pragma once

#include <QString>

namespace zilvaro {

enum class DisplayProbe {
    Answers,    // the X server answered the connection (whatever it said)
    Silent,     // it took the connection and said nothing within the time
    Unreached,  // nothing could be connected to: the toolkit says so itself, at once
    NotChecked, // a display on another host, which is not probed
};

// Opens the X display named as DISPLAY names it (":0", ":1.0", "unix:2", "localhost:10",
// "127.0.0.1:3") and sends the opening of the X protocol, the way the toolkit's own
// connection starts: a server that does not answer within timeoutMs is Silent. Nothing
// waits longer than that, and the connection is closed before the toolkit opens its own.
DisplayProbe xDisplayAnswers(const QString& display, int timeoutMs);

} // namespace zilvaro
