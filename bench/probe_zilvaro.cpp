// Zilvaro's own start-up, as the program runs it, reporting its first frame.
// Usage: probe_zilvaro [--program-dir FOLDER]
#include "first_frame.h"

#include "ui/application.h"

#include <QString>

#include <cstring>
#include <vector>

int main(int argc, char* argv[]) {
    zilvaro::StartUpOptions options;
    std::vector<char*> rest{argv[0]};
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--program-dir") == 0 && i + 1 < argc) {
            options.programDir = QString::fromLocal8Bit(argv[++i]);
        } else {
            rest.push_back(argv[i]);
        }
    }
    rest.push_back(nullptr);
    options.beforeShow = [](QWidget& window) { zilvaro::bench::FirstFrameReporter::watch(window); };
    int restCount = static_cast<int>(rest.size()) - 1;
    return zilvaro::runApplication(restCount, rest.data(), options);
}
