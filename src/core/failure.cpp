#include "core/failure.h"

namespace zilvaro {

Failure::Failure(const QString& message)
    : std::runtime_error(message.toStdString()), message_(message) {}

bool FailureGuard::run(const std::function<void()>& handler) {
    if (failed_) {
        return false;
    }
    QString message;
    try {
        handler();
        return true;
    } catch (const Failure& failure) {
        message = failure.message();
    } catch (const std::exception& error) {
        message = QString::fromLocal8Bit(error.what());
    }
    failed_ = true;
    reporter_->report(message);
    return false;
}

} // namespace zilvaro
