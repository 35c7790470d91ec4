#pragma once

#include "core/failure.h"

namespace zilvaro {

// The program's failure treatment: an error message box naming the failure, then the
// end of the program. Nothing needs cleaning up, since nothing is ever written.
class MessageBoxReporter : public FailureReporter {
public:
    [[noreturn]] void report(const QString& message) override;
};

} // namespace zilvaro
