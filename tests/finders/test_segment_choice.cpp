#include "finders/segment_choice.h"

#include <gtest/gtest.h>

using namespace zilvaro;

TEST(StrokeSegment, TheFirstStrokeChoosesTheSegment) {
    EXPECT_EQ(strokeSegmentOf(u"10000"), 1);
    EXPECT_EQ(strokeSegmentOf(u"25232"), 2);
    EXPECT_EQ(strokeSegmentOf(u"33333"), 3);
    EXPECT_EQ(strokeSegmentOf(u"41000"), 4);
    EXPECT_EQ(strokeSegmentOf(u"52000"), 5);
    EXPECT_EQ(strokeSegmentOf(u"20200"), 2); // searched, though no code has it
}

TEST(StrokeSegment, NoFirstStrokeSearchesNothing) {
    EXPECT_EQ(strokeSegmentOf(u"00000"), 0);
    EXPECT_EQ(strokeSegmentOf(u"02000"), 0);
    EXPECT_EQ(strokeSegmentOf(u""), 0);
    EXPECT_EQ(strokeSegmentOf(u"60000"), 0);
    EXPECT_EQ(strokeSegmentOf(u"一0000"), 0);
}

TEST(PinyinSegment, LetterGroupsAreExactAndCaseSensitive) {
    EXPECT_EQ(pinyinSegmentOf(u"a"), 1);
    EXPECT_EQ(pinyinSegmentOf(u"e"), 1);
    EXPECT_EQ(pinyinSegmentOf(u"f"), 2);
    EXPECT_EQ(pinyinSegmentOf(u"i"), 2); // begins no syllable, still searched
    EXPECT_EQ(pinyinSegmentOf(u"k"), 2);
    EXPECT_EQ(pinyinSegmentOf(u"l"), 3);
    EXPECT_EQ(pinyinSegmentOf(u"q"), 3);
    EXPECT_EQ(pinyinSegmentOf(u"r"), 4);
    EXPECT_EQ(pinyinSegmentOf(u"v"), 4);
    EXPECT_EQ(pinyinSegmentOf(u"x"), 4);
    EXPECT_EQ(pinyinSegmentOf(u"y"), 5);
    EXPECT_EQ(pinyinSegmentOf(u"z"), 5);
    EXPECT_EQ(pinyinSegmentOf(u"Z"), 0);
    EXPECT_EQ(pinyinSegmentOf(u"1"), 0);
    EXPECT_EQ(pinyinSegmentOf(u"字"), 0);
    EXPECT_EQ(pinyinSegmentOf(u" "), 0);
}
TEST(PinyinSegment, OnlyTheFirstCharacterCounts) {
    EXPECT_EQ(pinyinSegmentOf(u"zhuang"), 5);
    EXPECT_EQ(pinyinSegmentOf(u"an    "), 1);
    EXPECT_EQ(pinyinSegmentOf(u"Zha"), 0);
    EXPECT_EQ(pinyinSegmentOf(u""), 0);
}
