#include "core/failure.h"

#include <gtest/gtest.h>

using namespace zilvaro;

namespace {
struct RecordingReporter : FailureReporter {
    QStringList messages;
    void report(const QString& message) override { messages.append(message); }
};
} // namespace

TEST(FailureGuard, AFailureLeavesTheHandlerAtOnceAndIsReported) {
    RecordingReporter reporter;
    FailureGuard guard(reporter);
    bool after = false;
    EXPECT_FALSE(guard.run([&] {
        throw Failure(QStringLiteral("Bad record number 0"));
        after = true;
    }));
    EXPECT_FALSE(after);
    EXPECT_EQ(reporter.messages, QStringList{QStringLiteral("Bad record number 0")});
    EXPECT_TRUE(guard.failed());
}

TEST(FailureGuard, AfterAFailureNoHandlerRuns) {
    RecordingReporter reporter;
    FailureGuard guard(reporter);
    guard.run([] { throw Failure(QStringLiteral("x")); });
    bool ran = false;
    EXPECT_FALSE(guard.run([&] { ran = true; }));
    EXPECT_FALSE(ran);
    EXPECT_EQ(reporter.messages.size(), 1);
}

TEST(FailureGuard, OtherExceptionsAreFailuresToo) {
    RecordingReporter reporter;
    FailureGuard guard(reporter);
    EXPECT_TRUE(guard.run([] {}));
    guard.run([] { throw std::runtime_error("boom"); });
    EXPECT_EQ(reporter.messages, QStringList{QStringLiteral("boom")});
}

TEST(Failure, ControlCharactersAreWrittenOutSoTheMessageShowsWhole) {
    const QString character = QString(QChar(u'\0')) + QStringLiteral(" ");
    const Failure failure(QStringLiteral("Cannot read the picture /p/bmp/") + character +
                          QStringLiteral(".bmp: it does not exist\n\x1b[31m\u0085"));
    EXPECT_EQ(failure.message(), QStringLiteral("Cannot read the picture /p/bmp/\\x00 .bmp: it "
                                                "does not exist\n\\x1B[31m\\x85"));
    // The C string carries all of it: nothing is cut at the NUL.
    EXPECT_EQ(QString::fromUtf8(failure.what()), failure.message());
    EXPECT_EQ(visibleText(QStringLiteral("字 <h1>\t")), QStringLiteral("字 <h1>\\x09"));
}
