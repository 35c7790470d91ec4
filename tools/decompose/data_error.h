#pragma once

#include <QString>

#include <stdexcept>

namespace zilvaro::decompose {

// A malformed input: names the file and the line (0 when the whole file is at fault).
class DataError : public std::runtime_error {
public:
    DataError(const QString& file, int line, const QString& message);
    QString file() const { return file_; }
    int line() const { return line_; }
    QString message() const { return message_; }
    // "file:line: message", or "file: message" without a line.
    QString text() const;

private:
    QString file_;
    int line_;
    QString message_;
};

} // namespace zilvaro::decompose
