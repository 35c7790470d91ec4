#include "finders/reading_search.h"

#include "data/reference_tables.h"

#include <gtest/gtest.h>

using namespace zilvaro;

namespace {

std::array<QString, 5> pinyinTable() {
    std::array<QString, 5> segments;
    for (int n = 1; n <= 5; ++n) {
        segments[n - 1] = pinyinSegment(n);
    }
    return segments;
}

} // namespace

TEST(ReadingSearch, StopsAtTheFirstSegmentThatHoldsTheCharacter) {
    std::int32_t cursor = 0;
    const auto runs = readingSearch(pinyinTable(), u"啊", cursor);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0], QStringList({"a     "}));
    EXPECT_EQ(cursor, 0);
}

TEST(ReadingSearch, TwoRowsInOneSegmentEndWithTheLaterOne) {
    const std::array<QString, 5> segments = {QStringLiteral("铛cheng \r\n铛dang  \r\n"), QString(),
                                             QString(), QString(), QString()};
    std::int32_t cursor = 0;
    const auto runs = readingSearch(segments, u"铛", cursor);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0], QStringList({"cheng ", "dang  "}));
}

TEST(ReadingSearch, EarlierSegmentsAreSearchedWholeFirst) {
    std::int32_t cursor = 0;
    // 字 is read zi, in the last segment: the four before find nothing.
    const auto runs = readingSearch(pinyinTable(), u"字", cursor);
    ASSERT_EQ(runs.size(), 5u);
    for (int k = 0; k < 4; ++k) {
        EXPECT_TRUE(runs[k].isEmpty()) << k;
    }
    EXPECT_EQ(runs[4], QStringList({"zi    "}));
    EXPECT_EQ(cursor, 0);
}

TEST(ReadingSearch, ACharacterWithRowsInTwoSegmentsShowsTheLowerOne) {
    const std::array<QString, 5> segments = {QString(), QStringLiteral("行hang  \r\n"), QString(),
                                             QStringLiteral("行xing  \r\n"), QString()};
    std::int32_t cursor = 0;
    const auto runs = readingSearch(segments, u"行", cursor);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_TRUE(runs[0].isEmpty());
    EXPECT_EQ(runs[1], QStringList({"hang  "}));
}

TEST(ReadingSearch, WithoutARowEverySegmentIsSearchedAndNothingFound) {
    // Every GB2312 character has a row; a GBK character outside it, or two characters, none.
    for (const char16_t* query : {u"丂", u"峰峰"}) {
        std::int32_t cursor = 0;
        const auto runs = readingSearch(pinyinTable(), QStringView(query), cursor);
        ASSERT_EQ(runs.size(), 5u);
        for (const QStringList& run : runs) {
            EXPECT_TRUE(run.isEmpty());
        }
        EXPECT_EQ(cursor, 0);
    }
}

TEST(ReadingSearch, AnEmptyReadingDoesNotEndTheSearch) {
    // A match at the very end of a segment reports no columns after it.
    std::array<QString, 5> segments = {QStringLiteral("甲"), QStringLiteral("甲b     \r\n"),
                                       QString(), QString(), QString()};
    std::int32_t cursor = 0;
    const auto runs = readingSearch(segments, u"甲", cursor);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0], QStringList({QString()}));
    EXPECT_EQ(runs[1], QStringList({"b     "}));
}

TEST(ReadingLine, JoinsTheReadingsByTwoBlanksAndCutsWhatDoesNotFit) {
    const QStringList readings = {"xíng", "háng", "héng"};
    EXPECT_EQ(readingLine(readings), "xíng  háng  héng");
    EXPECT_EQ(readingLine({}), "");
    const auto upTo = [](qsizetype n) { return [n](const QString& t) { return t.size() <= n; }; };
    EXPECT_EQ(fittingReadingLine(readings, upTo(16)), "xíng  háng  héng");
    EXPECT_EQ(fittingReadingLine(readings, upTo(15)), "xíng  háng  …");
    // At the least the first reading, with the ellipsis when more follow.
    EXPECT_EQ(fittingReadingLine(readings, upTo(2)), "xíng  …");
    EXPECT_EQ(fittingReadingLine({"zì"}, upTo(0)), "zì");
}
