#include "finders/syllable_query.h"

#include <gtest/gtest.h>

using namespace zilvaro;

TEST(FoldedSyllable, CapitalsAreFoldedToLowerCase) {
    EXPECT_EQ(foldedSyllable(QStringLiteral("ZHONG")), QStringLiteral("zhong"));
    EXPECT_EQ(foldedSyllable(QStringLiteral("Zhong")), QStringLiteral("zhong"));
    EXPECT_EQ(foldedSyllable(QStringLiteral("zhong")), QStringLiteral("zhong"));
    EXPECT_EQ(foldedSyllable(QStringLiteral(" An ")), QStringLiteral(" an "));
    EXPECT_EQ(foldedSyllable(QStringLiteral("输入拼音")), QStringLiteral("输入拼音"));
    EXPECT_EQ(foldedSyllable(QString()), QString());
}

TEST(FoldedSyllable, UmlautSpellingsAfterLAndNBecomeTheTablesU) {
    for (const char* typed : {"lv", "lü", "LV", "LÜ", "Lü"}) {
        EXPECT_EQ(foldedSyllable(QString::fromUtf8(typed)), QStringLiteral("lu")) << typed;
    }
    for (const char* typed : {"nv", "nü", "Nv"}) {
        EXPECT_EQ(foldedSyllable(QString::fromUtf8(typed)), QStringLiteral("nu")) << typed;
    }
    for (const char* typed : {"lve", "lüe", "LVE"}) {
        EXPECT_EQ(foldedSyllable(QString::fromUtf8(typed)), QStringLiteral("lue")) << typed;
    }
    for (const char* typed : {"nve", "nüe"}) {
        EXPECT_EQ(foldedSyllable(QString::fromUtf8(typed)), QStringLiteral("nue")) << typed;
    }
    // Blanks around it stay; the syllable inside is still recognised.
    EXPECT_EQ(foldedSyllable(QStringLiteral(" lv  ")), QStringLiteral(" lu  "));
    // Only those syllables: a v elsewhere is left as typed, as is a ü that is not the
    // whole vowel of one of them.
    EXPECT_EQ(foldedSyllable(QStringLiteral("v")), QStringLiteral("v"));
    EXPECT_EQ(foldedSyllable(QStringLiteral("lva")), QStringLiteral("lva"));
    EXPECT_EQ(foldedSyllable(QStringLiteral("xv")), QStringLiteral("xv"));
    EXPECT_EQ(foldedSyllable(QStringLiteral("lüan")), QStringLiteral("lüan"));
    EXPECT_EQ(foldedSyllable(QStringLiteral("l v")), QStringLiteral("l v"));
}

TEST(PaddedSyllable, FillsTheSixColumnsOfTheReadingField) {
    EXPECT_EQ(paddedSyllable(QStringLiteral("a")), QStringLiteral("a     "));
    EXPECT_EQ(paddedSyllable(QStringLiteral("an")), QStringLiteral("an    "));
    EXPECT_EQ(paddedSyllable(QStringLiteral("lian")), QStringLiteral("lian  "));
    EXPECT_EQ(paddedSyllable(QStringLiteral("zhuan")), QStringLiteral("zhuan "));
    EXPECT_EQ(paddedSyllable(QStringLiteral("zhuang")), QStringLiteral("zhuang"));
    EXPECT_EQ(paddedSyllable(QStringLiteral("zhuangs")), std::nullopt);
}
