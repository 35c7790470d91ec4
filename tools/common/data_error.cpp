#include "data_error.h"

namespace zilvaro::tools {

namespace {
QString describe(const QString& file, int line, const QString& message) {
    return line > 0 ? QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(message)
                    : QStringLiteral("%1: %2").arg(file, message);
}
} // namespace

DataError::DataError(const QString& message)
    : std::runtime_error(message.toStdString()), message_(message) {}

DataError::DataError(const QString& file, int line, const QString& message)
    : DataError(describe(file, line, message)) {}

} // namespace zilvaro::tools
