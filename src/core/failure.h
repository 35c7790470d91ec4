#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <stdexcept>

namespace zilvaro {

// The text with every control character but the line break written out as \xNN, so
// that a message shows whole: a NUL would end it early in C strings and message boxes, and
// other control characters show as nothing or as garbage.
QString visibleText(const QString& text);

// A failure raised inside a handler: a file that cannot be opened or read, a record
// number out of range, a missing picture. No handler catches it; it leaves the handler
// at once and reaches the program-wide treatment (FailureGuard), which shows it and ends
// the program. The message names what failed (a file's path, a record number); control
// characters in it are written out (visibleText).
class Failure : public std::runtime_error {
public:
    explicit Failure(const QString& message);
    QString message() const { return message_; }

private:
    QString message_;
};

// Where a failure goes once it has left its handler. The program's reporter shows an
// error message box and ends the program; tests inject one that only records.
class FailureReporter {
public:
    virtual ~FailureReporter() = default;
    virtual void report(const QString& message) = 0;
};

// The one place every handler entry from the toolkit (a signal, an event) runs through.
// Handlers that call other handlers, or that run them through a write, call them
// directly, so a failure travels up to the toolkit entry and stops there: it never
// unwinds through Qt's event loop. The reporter then tells the user and ends the
// program (the program's reporter does not return). After a failure every later entry
// is ignored, so a reporter that returns (as in tests) sees a program that does nothing
// more.
class FailureGuard {
public:
    explicit FailureGuard(FailureReporter& reporter) : reporter_(&reporter) {}

    // Runs the handler; returns false when a failure ended it (and was reported) or when
    // an earlier failure has already ended the program.
    bool run(const std::function<void()>& handler);

    bool failed() const { return failed_; }

private:
    FailureReporter* reporter_;
    bool failed_ = false;
};

} // namespace zilvaro
