#include "core/code_points.h"

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
