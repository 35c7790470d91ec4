#include "core/gbk.h"

#include <gtest/gtest.h>

using namespace zilvaro;

TEST(CharacterKey, GbkCodeReadAsSigned16Bits) {
    EXPECT_EQ(characterKey(u"啊"), -20319); // B0 A1
    EXPECT_EQ(characterKey(u"阿"), -20318); // B0 A2
    EXPECT_EQ(characterKey(u"齄"), -2050);  // F7 FE
    EXPECT_EQ(characterKey(u"，"), -23636); // A3 AC, below every GB2312 character
}

TEST(CharacterKey, OnlyTheFirstCharacterCounts) {
    EXPECT_EQ(characterKey(u"啊阿"), -20319);
    EXPECT_EQ(characterKey(u"啊 "), -20319);
}

TEST(CharacterKey, AsciiHasItsCode) {
    EXPECT_EQ(characterKey(u"a"), 97);
    EXPECT_EQ(characterKey(u" "), 32);
    EXPECT_EQ(characterKey(u"0"), 48);
}

TEST(CharacterKey, NoGbkCodeMatchesNoRecordKey) {
    EXPECT_EQ(characterKey(u"😀"), NoKey);      // outside the Basic Multilingual Plane
    EXPECT_EQ(characterKey(u"\u0E01"), NoKey); // Thai: no GBK code
    EXPECT_EQ(characterKey(u""), NoKey);
    EXPECT_GT(NoKey, 32767); // above every 16-bit key
}

TEST(Gbk, RoundTripAndDoubleByte) {
    const QString text = QStringLiteral("中国 abc");
    const auto bytes = toGbk(text);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(bytes->size(), 8);
    EXPECT_EQ(fromGbk(*bytes), text);
    EXPECT_FALSE(toGbk(u"😀").has_value());
    EXPECT_TRUE(isDoubleByte(u"字"));
    EXPECT_TRUE(isDoubleByte(u"，"));
    EXPECT_FALSE(isDoubleByte(u"a"));
    EXPECT_FALSE(isDoubleByte(u"😀"));
    EXPECT_FALSE(isDoubleByte(u""));
}

TEST(Gbk, InvalidBytesDecodeToReplacementCharacters) {
    const char bytes[] = {'a', static_cast<char>(0xB0)}; // a lead byte without its trail
    EXPECT_EQ(fromGbk(QByteArrayView(bytes, 2)), QStringLiteral("a\uFFFD"));
}

TEST(Characters, CodePointsAreNeverSplit) {
    const QString text = QStringLiteral("😀字a");
    EXPECT_EQ(characterCount(text), 3);
    EXPECT_EQ(firstCharacter(text), QStringLiteral("😀"));
    EXPECT_EQ(characters(text),
              (QStringList{QStringLiteral("😀"), QStringLiteral("字"), QStringLiteral("a")}));
    EXPECT_EQ(firstCharacter(u""), QString());
}
