#pragma once

#include <QString>

#include <stdexcept>

namespace zilvaro::build {

// A problem in the input data (a malformed table line, missing or unreadable stroke
// outlines, a root that cannot be coloured). The message names the file, the line or the
// character concerned; the build stops with it and leaves no output behind.
class DataError : public std::runtime_error {
public:
    explicit DataError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    QString message() const { return message_; }

private:
    QString message_;
};

} // namespace zilvaro::build
