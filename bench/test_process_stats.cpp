#include "process_stats.h"

#include <gtest/gtest.h>

#include <unistd.h>

using namespace zilvaro::bench;

namespace {
// A /proc/<pid>/stat line whose fields 3.. are "S 1 2 ... " with field 22 = 98765.
QByteArray statLine(const QByteArray& name) {
    QByteArray line = "4242 (" + name + ")";
    for (int field = 3; field <= 52; ++field) {
        line += ' ';
        line += field == 3 ? QByteArray("S") : QByteArray::number(field == 22 ? 98765 : field);
    }
    return line + '\n';
}
} // namespace

TEST(StartTime, IsField22CountedFromTheEndOfTheName) {
    EXPECT_EQ(startTimeTicks(statLine("probe_bare")), 98765);
    // A name may hold blanks and parentheses of its own.
    EXPECT_EQ(startTimeTicks(statLine("a b) 7 (c")), 98765);
    EXPECT_EQ(startTimeTicks(statLine(") ) )")), 98765);
}

TEST(StartTime, RejectsLinesWithoutAStartTime) {
    EXPECT_EQ(startTimeTicks(""), std::nullopt);
    EXPECT_EQ(startTimeTicks("4242 probe S 1 2 3"), std::nullopt);       // no name in parentheses
    EXPECT_EQ(startTimeTicks("4242 (probe) S 1 2 3 4 5"), std::nullopt); // cut short
    QByteArray garbled = statLine("probe");
    garbled.replace("98765", "98x65");
    EXPECT_EQ(startTimeTicks(garbled), std::nullopt);
}

TEST(StartTime, OfThisProcessLiesInThePastOnTheBootClock) {
    // A clock other than the one /proc counts from would put the start in the future
    // or days back.
    const double ms = millisecondsSinceProcessStart();
    EXPECT_GE(ms, 0.0);
    EXPECT_LT(ms, 10 * 60 * 1000.0);
}

TEST(ResidentSize, IsReadFromTheVmRssLine) {
    const QByteArray status = "Name:\tprobe\nVmPeak:\t  999 kB\nVmRSS:\t   51234 kB\n"
                              "RssAnon:\t 1 kB\n";
    EXPECT_EQ(residentKilobytes(status), 51234);
    EXPECT_EQ(residentKilobytes("Name:\tprobe\nVmPeak:\t999 kB\n"), std::nullopt);
    EXPECT_EQ(residentKilobytes("VmRSS:\t51234 MB\n"), std::nullopt);
    EXPECT_EQ(residentKilobytes("VmRSS:\tmany kB\n"), std::nullopt);
    EXPECT_GT(residentKilobytesNow(), 0);
}

TEST(Median, OfOddAndEvenCountsAndOfNone) {
    EXPECT_EQ(median({}), std::nullopt);
    EXPECT_EQ(median({7}), 7.0);
    EXPECT_EQ(median({9, 1, 5}), 5.0);
    EXPECT_EQ(median({4, 1, 3, 2}), 2.5);
    EXPECT_EQ(median({100, 2, 2, 1, 2, 50}), 2.0);
    EXPECT_EQ(median({3, 1}), 2.0);
}
