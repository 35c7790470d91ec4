#include "common/gb2312.h"

#include "common/data_error.h"
#include "core/gbk.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace zilvaro::tools;

TEST(Gb2312, HoldsTheTwoLevelsInCodeOrder) {
    const QList<Gb2312Character>& all = gb2312Characters();
    ASSERT_EQ(all.size(), 6763);
    EXPECT_EQ(all.first().code, 0xB0A1u);
    EXPECT_EQ(all.first().character, QStringLiteral("啊"));
    EXPECT_EQ(all.last().code, 0xF7FEu);
    EXPECT_EQ(all.last().character, QStringLiteral("齄"));
    QSet<QString> distinct;
    for (int i = 0; i < all.size(); ++i) {
        if (i > 0) {
            EXPECT_LT(all[i - 1].code, all[i].code);
        }
        // The five empty cells at the end of row D7 are no characters.
        EXPECT_FALSE(all[i].code >= 0xD7FA && all[i].code <= 0xD7FE);
        distinct.insert(all[i].character);
    }
    EXPECT_EQ(distinct.size(), 6763);
    const char bytes[2] = {char(0xD7), char(0xF9)}; // 座, the last of level 1
    EXPECT_EQ(zilvaro::fromGbk(QByteArrayView(bytes, 2)), QStringLiteral("座"));
}

TEST(Gb2312, SplitsIntoLevelOneAndLevelTwo) {
    const QStringList one = gb2312Texts(1);
    const QStringList two = gb2312Texts(2);
    ASSERT_EQ(one.size(), 3755);
    ASSERT_EQ(two.size(), 3008);
    EXPECT_EQ(one.last(), QStringLiteral("座"));
    EXPECT_EQ(two.first(), QStringLiteral("亍"));
    EXPECT_EQ(gb2312Texts(), one + two);
    EXPECT_TRUE(gb2312Characters()[3754].levelOne());
    EXPECT_FALSE(gb2312Characters()[3755].levelOne());
    EXPECT_THROW(gb2312Texts(3), DataError);
    EXPECT_THROW(gb2312Texts(-1), DataError);
}
