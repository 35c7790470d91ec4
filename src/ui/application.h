#pragma once

namespace zilvaro {

// Starts Zilvaro: one instance per user, the main window, the event loop.
int runApplication(int argc, char* argv[]);

} // namespace zilvaro
