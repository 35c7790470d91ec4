#include "finders/segment_hits.h"

#include "data/reference_tables.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace zilvaro;

TEST(SegmentHits, AStrokeCodeListsItsCharactersInRowOrder) {
    std::int32_t cursor = 0;
    const QStringList feng = segmentHits(textSearch, strokeSegment(2), u"25232", cursor);
    EXPECT_EQ(QSet<QString>(feng.begin(), feng.end()),
              QSet<QString>({"峰", "刿", "峁", "峤", "峥", "嵛"}));
    EXPECT_EQ(feng.size(), 6);
    EXPECT_EQ(feng.front(), QStringLiteral("峰")); // the most common first
    EXPECT_EQ(cursor, 0);
    EXPECT_EQ(segmentHits(textSearch, strokeSegment(1), u"10000", cursor), QStringList({"一"}));
    EXPECT_EQ(segmentHits(textSearch, strokeSegment(5), u"50000", cursor), QStringList({"乙"}));
}

TEST(SegmentHits, TheLongestStrokeListIsWhole) {
    std::int32_t cursor = 0;
    const QStringList hits = segmentHits(textSearch, strokeSegment(2), u"25124", cursor);
    ASSERT_EQ(hits.size(), 116);
    EXPECT_EQ(hits.mid(0, 2), QStringList({"员", "思"}));
    EXPECT_EQ(cursor, 0);
}

TEST(SegmentHits, ACodeNoRowHasListsNothing) {
    std::int32_t cursor = 0;
    EXPECT_TRUE(segmentHits(textSearch, strokeSegment(2), u"25230", cursor).isEmpty());
    EXPECT_TRUE(segmentHits(textSearch, strokeSegment(2), u"20200", cursor).isEmpty());
    EXPECT_EQ(cursor, 0);
}

TEST(SegmentHits, APaddedSyllableMatchesOnlyWholeReadings) {
    std::int32_t cursor = 0;
    EXPECT_TRUE(segmentHits(textSearch, pinyinSegment(1), u"a     ", cursor)
                    .join(QString())
                    .startsWith(QStringLiteral("啊阿")));
    const QStringList an = segmentHits(textSearch, pinyinSegment(1), u"an    ", cursor);
    const QStringList loose = segmentHits(textSearch, pinyinSegment(1), u"an", cursor);
    EXPECT_FALSE(an.isEmpty());
    EXPECT_GT(loose.size(), an.size()); // ban, can, ang ... as well
    EXPECT_EQ(cursor, 0);
}

TEST(SegmentHits, TheReadingSearchListsEveryRowOfTheCharacter) {
    const QString rows = QStringLiteral("铛cheng \r\n铛dang  \r\n挡dang  \r\n        \r\n");
    std::int32_t cursor = 0;
    EXPECT_EQ(segmentHits(textSearchF, rows, u"铛", cursor), QStringList({"cheng ", "dang  "}));
    EXPECT_EQ(cursor, 0);
}

TEST(SegmentHits, StartsWhereTheCursorStands) {
    const QString rows = QStringLiteral("丨20000\r\n上21100\r\n非21111\r\n");
    std::int32_t cursor = 8; // past the first row
    EXPECT_EQ(segmentHits(textSearch, rows, u"2", cursor), QStringList({"上", "非"}));
    EXPECT_EQ(cursor, 0);
}

TEST(SegmentHits, AMatchInTheFirstColumnIsListedWithEmptyText) {
    const QString rows = QStringLiteral("丨20000\r\n上21100\r\n");
    std::int32_t cursor = 0;
    EXPECT_EQ(segmentHits(textSearch, rows, u"丨", cursor), QStringList({QString()}));
    EXPECT_EQ(cursor, 0);
}
