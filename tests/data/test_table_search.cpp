#include "data/table_search.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace zilvaro;

namespace {

// The beginning of the second stroke segment and of the first pinyin segment.
const QString strokeRows = QStringLiteral("丨20000\r\n上21100\r\n非21111\r\n");
const QString pinyinRows = QStringLiteral("啊a     \r\n阿a     \r\n吖a     \r\n        \r\n");

using Search = TableHit (*)(QStringView, QStringView, std::int32_t&);

// Calls the search until it misses, as every caller does; returns the hit texts.
QStringList enumerate(Search search, const QString& segment, const QString& needle,
                      std::int32_t& cursor) {
    QStringList hits;
    for (int guard = 0; guard < 10000; ++guard) {
        const TableHit hit = search(segment, needle, cursor);
        if (!hit.found) {
            return hits;
        }
        hits.append(hit.text);
    }
    ADD_FAILURE() << "the enumeration did not end";
    return hits;
}

} // namespace

TEST(TextSearch, WorkedExampleCursorValues) {
    std::int32_t cursor = 0;
    const TableHit hit = textSearch(strokeRows, u"21100", cursor);
    EXPECT_TRUE(hit.found);
    EXPECT_EQ(hit.text, QStringLiteral("上"));
    EXPECT_EQ(cursor, 16); // the LF of the second row
    EXPECT_EQ(strokeRows[cursor - 1], u'\n');

    const TableHit next = textSearch(strokeRows, u"21100", cursor);
    EXPECT_FALSE(next.found);
    EXPECT_EQ(cursor, 0);
}

TEST(TextSearch, MatchInTheFirstRowReportsTheFirstColumn) {
    std::int32_t cursor = 0;
    const TableHit hit = textSearch(strokeRows, u"20000", cursor);
    EXPECT_TRUE(hit.found);
    EXPECT_EQ(hit.text, QStringLiteral("丨"));
    EXPECT_EQ(cursor, 8); // the LF of the first row

    cursor = 0;
    const TableHit pinyin = textSearch(pinyinRows, u"a     ", cursor);
    EXPECT_EQ(pinyin.text, QStringLiteral("啊"));
    EXPECT_EQ(cursor, 9);
}

TEST(TextSearch, EnumerationListsEveryRowInOrderAndEndsAtZero) {
    const QString segment = QStringLiteral("峰25232\r\n刿25232\r\n峡25234\r\n峁25232\r\n");
    std::int32_t cursor = 0;
    EXPECT_EQ(enumerate(&textSearch, segment, "25232", cursor), (QStringList{"峰", "刿", "峁"}));
    EXPECT_EQ(cursor, 0);
    // The cursor serves every segment: the next enumeration starts at the first row.
    EXPECT_EQ(enumerate(&textSearch, strokeRows, "20000", cursor), QStringList{"丨"});
    EXPECT_EQ(cursor, 0);
}

TEST(TextSearch, HitOnTheLastRowLeavesTheCursorAtTheEndThenMisses) {
    std::int32_t cursor = 0;
    textSearch(strokeRows, u"21111", cursor);
    EXPECT_EQ(cursor, strokeRows.size());
    EXPECT_FALSE(textSearch(strokeRows, u"21111", cursor).found);
    EXPECT_EQ(cursor, 0);
}

TEST(TextSearch, UnpaddedSyllableAlsoMatchesLongerSyllables) {
    const QString segment =
        QStringLiteral("联lian  \r\n莲lian  \r\n良liang \r\n凉liang \r\n梁liang \r\n        \r\n");
    std::int32_t cursor = 0;
    EXPECT_EQ(enumerate(&textSearch, segment, "lian  ", cursor), (QStringList{"联", "莲"}));
    EXPECT_EQ(enumerate(&textSearch, segment, "lian", cursor),
              (QStringList{"联", "莲", "良", "凉", "梁"}));
    EXPECT_EQ(cursor, 0);
}

TEST(TextSearch, MissLeavesNothingToShowAndResetsTheCursor) {
    std::int32_t cursor = 9; // left by an earlier hit
    const TableHit miss = textSearch(strokeRows, u"45544", cursor);
    EXPECT_FALSE(miss.found);
    EXPECT_TRUE(miss.text.isEmpty());
    EXPECT_EQ(cursor, 0);
}

TEST(TextSearch, CursorOutsideTheTextMissesAndRestarts) {
    for (std::int32_t start : {static_cast<std::int32_t>(strokeRows.size()), 1000, -3}) {
        std::int32_t cursor = start;
        EXPECT_FALSE(textSearch(strokeRows, u"20000", cursor).found) << start;
        EXPECT_EQ(cursor, 0) << start;
        EXPECT_TRUE(textSearch(strokeRows, u"20000", cursor).found) << start;
    }
}

TEST(TextSearch, ComparisonIsExactAndEmptyNeedleFindsNothing) {
    std::int32_t cursor = 0;
    EXPECT_FALSE(textSearch(pinyinRows, u"A     ", cursor).found);
    EXPECT_FALSE(textSearch(pinyinRows, u"ａ", cursor).found); // full-width letter
    EXPECT_FALSE(textSearch(pinyinRows, u"", cursor).found);
    EXPECT_FALSE(textSearchF(pinyinRows, u"", cursor).found);
    EXPECT_EQ(cursor, 0);
}

TEST(TextSearchF, WorkedExampleCursorValues) {
    std::int32_t cursor = 0;
    const TableHit hit = textSearchF(pinyinRows, u"阿", cursor);
    EXPECT_TRUE(hit.found);
    EXPECT_EQ(hit.text, QStringLiteral("a     "));
    EXPECT_EQ(cursor, 18); // the LF of the second row
    EXPECT_EQ(pinyinRows[cursor - 1], u'\n');

    EXPECT_FALSE(textSearchF(pinyinRows, u"阿", cursor).found);
    EXPECT_EQ(cursor, 0);
}

TEST(TextSearchF, MatchInTheFirstRowReportsItsSyllableField) {
    std::int32_t cursor = 0;
    const TableHit hit = textSearchF(pinyinRows, u"啊", cursor);
    EXPECT_EQ(hit.text, QStringLiteral("a     "));
    EXPECT_EQ(cursor, 9);
    // The next call starts at the following row, so 啊 is not found again.
    EXPECT_FALSE(textSearchF(pinyinRows, u"啊", cursor).found);
}

TEST(TextSearchF, CharacterOnConsecutiveRowsIsFoundOnBoth) {
    const QString segment = QStringLiteral("铛cheng \r\n铛dang  \r\n挡dang  \r\n        \r\n");
    std::int32_t cursor = 0;
    EXPECT_EQ(enumerate(&textSearchF, segment, "铛", cursor), (QStringList{"cheng ", "dang  "}));
    EXPECT_EQ(cursor, 0);
}

TEST(TextSearchF, ReportsWhatRemainsNearTheEnd) {
    const QString segment = QStringLiteral("啊ab");
    std::int32_t cursor = 0;
    const TableHit hit = textSearchF(segment, u"啊", cursor);
    EXPECT_EQ(hit.text, QStringLiteral("ab"));
    EXPECT_FALSE(textSearchF(segment, u"啊", cursor).found);
    EXPECT_EQ(cursor, 0);
}

TEST(TableSearch, TheTwoCursorsAreIndependent) {
    std::int32_t strokeCursor = 0;
    std::int32_t pinyinCursor = 0;
    textSearch(strokeRows, u"20000", strokeCursor);
    EXPECT_EQ(textSearchF(pinyinRows, u"啊", pinyinCursor).text, QStringLiteral("a     "));
    EXPECT_EQ(strokeCursor, 8);
    EXPECT_EQ(textSearch(strokeRows, u"21100", strokeCursor).text, QStringLiteral("上"));
}
