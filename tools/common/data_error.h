#pragma once

#include <QString>

#include <stdexcept>

namespace zilvaro::tools {

// A problem in a tool's input or output: a malformed line, a missing or unreadable file,
// a character that cannot be built. The message names the file and the line, or the
// character, concerned; the tool stops with it and leaves no half-written output.
class DataError : public std::runtime_error {
public:
    // A message that already names where the fault lies.
    explicit DataError(const QString& message);
    // "file:line: message", or "file: message" where the whole file is at fault (line 0).
    DataError(const QString& file, int line, const QString& message);

    QString message() const { return message_; }

private:
    QString message_;
};

} // namespace zilvaro::tools
