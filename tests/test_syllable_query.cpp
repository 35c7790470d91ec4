#include "finders/syllable_query.h"

#include <gtest/gtest.h>

using namespace zilvaro;

TEST(PaddedSyllable, FillsTheSixColumnsOfTheReadingField) {
    EXPECT_EQ(paddedSyllable(QStringLiteral("a")), QStringLiteral("a     "));
    EXPECT_EQ(paddedSyllable(QStringLiteral("an")), QStringLiteral("an    "));
    EXPECT_EQ(paddedSyllable(QStringLiteral("lian")), QStringLiteral("lian  "));
    EXPECT_EQ(paddedSyllable(QStringLiteral("zhuan")), QStringLiteral("zhuan "));
    EXPECT_EQ(paddedSyllable(QStringLiteral("zhuang")), QStringLiteral("zhuang"));
    EXPECT_EQ(paddedSyllable(QStringLiteral("zhuangs")), std::nullopt);
}

TEST(PinyinSegment, LetterGroupsAreExactAndCaseSensitive) {
    EXPECT_EQ(pinyinSegmentOf(u'a'), 1);
    EXPECT_EQ(pinyinSegmentOf(u'e'), 1);
    EXPECT_EQ(pinyinSegmentOf(u'f'), 2);
    EXPECT_EQ(pinyinSegmentOf(u'i'), 2); // begins no syllable, still searched
    EXPECT_EQ(pinyinSegmentOf(u'k'), 2);
    EXPECT_EQ(pinyinSegmentOf(u'l'), 3);
    EXPECT_EQ(pinyinSegmentOf(u'q'), 3);
    EXPECT_EQ(pinyinSegmentOf(u'r'), 4);
    EXPECT_EQ(pinyinSegmentOf(u'v'), 4);
    EXPECT_EQ(pinyinSegmentOf(u'x'), 4);
    EXPECT_EQ(pinyinSegmentOf(u'y'), 5);
    EXPECT_EQ(pinyinSegmentOf(u'z'), 5);
    EXPECT_EQ(pinyinSegmentOf(u'Z'), 0);
    EXPECT_EQ(pinyinSegmentOf(u'1'), 0);
    EXPECT_EQ(pinyinSegmentOf(u'字'), 0);
    EXPECT_EQ(pinyinSegmentOf(u' '), 0);
}
