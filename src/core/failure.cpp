#include "core/failure.h"

namespace zilvaro {

QString visibleText(const QString& text) {
    QString visible;
    visible.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != u'\n') || (u >= 0x7F && u <= 0x9F)) {
            visible += QStringLiteral("\\x") +
                       QString::number(static_cast<int>(u), 16).toUpper().rightJustified(2, u'0');
        } else {
            visible += c;
        }
    }
    return visible;
}

Failure::Failure(const QString& message)
    : std::runtime_error(visibleText(message).toStdString()), message_(visibleText(message)) {}

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
        message = visibleText(QString::fromLocal8Bit(error.what()));
    }
    failed_ = true;
    reporter_->report(message);
    return false;
}

} // namespace zilvaro
