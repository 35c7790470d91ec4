#include "core/code_points.h"
#include "core/gbk.h"

#include <QString>

#include <gtest/gtest.h>

using namespace zilvaro;

TEST(CodePoints, PositionsCountCharactersNotUnits) {
    const QString text = QStringLiteral("a😀字");
    EXPECT_EQ(text.size(), 4);
    EXPECT_EQ(characterIndexOf(text, 0), 0);
    EXPECT_EQ(characterIndexOf(text, 1), 1);
    EXPECT_EQ(characterIndexOf(text, 3), 2);
    EXPECT_EQ(characterIndexOf(text, 4), 3);
    EXPECT_EQ(characterIndexOf(text, 99), 3);
    EXPECT_EQ(unitPositionOf(text, 0), 0);
    EXPECT_EQ(unitPositionOf(text, 2), 3);
    EXPECT_EQ(unitPositionOf(text, 3), 4);
    EXPECT_EQ(unitPositionOf(text, 9), 4);
}

// A surrogate without its partner is one character of one unit, wherever it stands, and
// the GBK helpers count characters by the same rule.
TEST(CodePoints, ALoneSurrogateIsOneCharacter) {
    const QChar high(0xD83D), low(0xDE00);
    const QString lone = QString(high) + u'a' + QString(low) + QString(high);
    EXPECT_EQ(characterIndexOf(lone, lone.size()), 4);
    EXPECT_EQ(unitPositionOf(lone, 1), 1);
    EXPECT_EQ(unitPositionOf(lone, 3), 3);
    EXPECT_EQ(characterCount(lone), 4);
    EXPECT_EQ(firstCharacter(lone), QString(high));
    EXPECT_EQ(characters(lone).size(), 4);

    const QString pair = QString(high) + QString(low);
    EXPECT_EQ(characterCount(pair), 1);
    EXPECT_EQ(firstCharacter(pair), pair);
    EXPECT_EQ(characterCount(QStringView()), 0);
    EXPECT_EQ(firstCharacter(QStringView()), QString());
}
