#include "lookup/identification_code.h"

#include <gtest/gtest.h>

#include <QString>

using namespace zilvaro;

TEST(IdentificationCode, EachKeyLetterNamesItsPicture) {
    const QString letters = QStringLiteral("gfdhjktreyuinbvl");
    for (int i = 0; i < letters.size(); ++i) {
        EXPECT_EQ(identificationPictureIndex(letters[i]), i) << letters[i].toLatin1();
    }
    EXPECT_EQ(identificationPictureIndex(u'y'), 9);
    EXPECT_EQ(identificationPictureIndex(u'l'), 15);
}

TEST(IdentificationCode, OtherCharactersNameNoPicture) {
    for (QChar c : QStringLiteral("GYLaqwsxzcmo 0\u3000\uFF47")) {
        EXPECT_EQ(identificationPictureIndex(c), std::nullopt) << int{c.unicode()};
    }
    EXPECT_EQ(identificationPictureIndex(QChar()), std::nullopt);
}
