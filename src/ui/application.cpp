#include "ui/application.h"

#include "ui/form11.h"
#include "ui/message_box_reporter.h"

#include <QApplication>

namespace zilvaro {

int runApplication(int argc, char* argv[]) {
    QApplication app(argc, argv);
    MessageBoxReporter reporter;
    FailureGuard guard(reporter);
    Form11 window(QCoreApplication::applicationDirPath(), guard);
    if (!guard.run([&] { window.Form_Load(); })) {
        return 1;
    }
    window.show();
    return app.exec();
}

} // namespace zilvaro
