#include "ui/message_box_reporter.h"

#include "core/error_output.h"

#include <QMessageBox>

#include <cstdio>
#include <cstdlib>

namespace zilvaro {

void MessageBoxReporter::report(const QString& message) {
    writeErrorLine(QStringLiteral("zilvaro: ") + message);
    // Plain text: a path may hold anything, markup included.
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Zilvaro"), message, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    std::fflush(nullptr);
    // Ends the process here: the handler that failed must not go on, and the toolkit's
    // event loop must not see the failure.
    std::_Exit(EXIT_FAILURE);
}

} // namespace zilvaro
