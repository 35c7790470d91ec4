#include "data_error.h"

namespace zilvaro::decompose {

namespace {
QString describe(const QString& file, int line, const QString& message) {
    return line > 0 ? QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(message)
                    : QStringLiteral("%1: %2").arg(file, message);
}
} // namespace

DataError::DataError(const QString& file, int line, const QString& message)
    : std::runtime_error(describe(file, line, message).toStdString()), file_(file), line_(line),
      message_(message) {}

QString DataError::text() const {
    return describe(file_, line_, message_);
}

} // namespace zilvaro::decompose
