#include "finders/stroke_code.h"

#include <gtest/gtest.h>

using namespace zilvaro;

TEST(StrokePiece, OnlyExactlyOneStrokeCharacterCounts) {
    for (const char16_t* stroke : {u"一", u"丨", u"丿", u"丶", u"乙"}) {
        EXPECT_EQ(strokePiece(QString::fromUtf16(stroke)), QString::fromUtf16(stroke));
    }
    EXPECT_EQ(strokePiece(QStringLiteral(" ")), QStringLiteral(" "));
    EXPECT_EQ(strokePiece(QString()), QStringLiteral(" "));
    EXPECT_EQ(strokePiece(QStringLiteral("一丨")), QStringLiteral(" ")); // two strokes typed
    EXPECT_EQ(strokePiece(QStringLiteral("一 ")), QStringLiteral(" "));
    EXPECT_EQ(strokePiece(QStringLiteral("1")), QStringLiteral(" "));
    EXPECT_EQ(strokePiece(QStringLiteral("|")), QStringLiteral(" "));
    EXPECT_EQ(strokePiece(QStringLiteral("二")), QStringLiteral(" "));
}

TEST(StrokeDigit, EachStrokeHasItsClass) {
    EXPECT_EQ(strokeDigit(u' '), u'0');
    EXPECT_EQ(strokeDigit(u'一'), u'1');
    EXPECT_EQ(strokeDigit(u'丨'), u'2');
    EXPECT_EQ(strokeDigit(u'丿'), u'3');
    EXPECT_EQ(strokeDigit(u'丶'), u'4');
    EXPECT_EQ(strokeDigit(u'乙'), u'5');
    EXPECT_EQ(strokeDigit(u'3'), u'3'); // a digit already replaced stays
}

TEST(StrokeCode, FivePickersGiveFiveDigits) {
    EXPECT_EQ(strokeCodeOf({"一", " ", " ", " ", " "}), QStringLiteral("10000"));
    EXPECT_EQ(strokeCodeOf({"一", "一", "一", "丨", " "}), QStringLiteral("11120"));
    EXPECT_EQ(strokeCodeOf({"丨", "乙", "丨", "丿", "丨"}), QStringLiteral("25232"));
    // Empty, typed or doubled texts are no stroke, wherever they stand.
    EXPECT_EQ(strokeCodeOf({"", "丶", "一丨", "x", "乙"}), QStringLiteral("04005"));
}
