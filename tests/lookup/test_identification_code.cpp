#include "lookup/identification_code.h"

#include <gtest/gtest.h>

#include <QString>

using namespace zilvaro;

TEST(IdentificationCode, EachKeyLetterNamesItsPicture) {
    const QString letters = QStringLiteral("gfdhjktreyuinbvl");
    for (int i = 0; i < letters.size(); ++i) {
        EXPECT_EQ(identificationPictureIndex(letters[i]), i) << letters[i].toLatin1();
        EXPECT_TRUE(isIdentificationLetter(letters[i]));
    }
    EXPECT_EQ(identificationPictureIndex(u'y'), 9);
    EXPECT_EQ(identificationPictureIndex(u'l'), 15);
}

TEST(IdentificationCode, TheLastStrokeAndTheStructureChooseTheLetter) {
    EXPECT_EQ(identificationLetter(1, 1), u'g');
    EXPECT_EQ(identificationLetter(1, 3), u'd');
    EXPECT_EQ(identificationLetter(2, 3), u'k'); // 中: last stroke 丨, mixed
    EXPECT_EQ(identificationLetter(4, 3), u'i'); // 国: last stroke 丶 inside 囗
    EXPECT_EQ(identificationLetter(5, 1), u'n');
    EXPECT_EQ(identificationLetter(5, 3), u'v');
    // The picture of each letter lies in its class's three, in the order of the structures.
    for (int strokeClass = 1; strokeClass <= 5; ++strokeClass) {
        for (int structure = 1; structure <= 3; ++structure) {
            EXPECT_EQ(identificationPictureIndex(identificationLetter(strokeClass, structure)),
                      (strokeClass - 1) * 3 + structure - 1);
        }
    }
    for (const auto& [strokeClass, structure] : {std::pair{0, 1}, {6, 1}, {1, 0}, {1, 4}}) {
        EXPECT_EQ(identificationLetter(strokeClass, structure), QChar());
    }
}

TEST(IdentificationCode, OtherCharactersNameNoPicture) {
    for (QChar c : QStringLiteral("GYLaqwsxzcmo 0\u3000\uFF47")) {
        EXPECT_EQ(identificationPictureIndex(c), std::nullopt) << int{c.unicode()};
        EXPECT_FALSE(isIdentificationLetter(c));
    }
    EXPECT_EQ(identificationPictureIndex(QChar()), std::nullopt);
}

TEST(IdentificationCode, EachLetterSaysWhatTheCodeMeans) {
    EXPECT_EQ(identificationMeaning(u'f'), QStringLiteral("识别码 F：上下型，末笔为横"));
    EXPECT_EQ(identificationMeaning(u'g'), QStringLiteral("识别码 G：左右型，末笔为横"));
    EXPECT_EQ(identificationMeaning(u'k'), QStringLiteral("识别码 K：杂合型，末笔为竖"));
    EXPECT_EQ(identificationMeaning(u'e'), QStringLiteral("识别码 E：杂合型，末笔为撇"));
    EXPECT_EQ(identificationMeaning(u'u'), QStringLiteral("识别码 U：上下型，末笔为捺"));
    EXPECT_EQ(identificationMeaning(u'v'), QStringLiteral("识别码 V：杂合型，末笔为折"));
    EXPECT_EQ(identificationMeaning(u'l'), QStringLiteral("识别码 L：硬性规定，单笔画的末两码"));
    EXPECT_EQ(identificationMeaning(u'F'), QString());
    EXPECT_EQ(identificationMeaning(u'a'), QString());
}
