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

TEST(Gbk, EveryDoubleByteCodeDecodesToOneCharacterThatEncodesBack) {
    // The decoder and the encoder are separate conversions; across the whole
    // double-byte range each must undo the other, and a run of codes decodes as the
    // codes one by one.
    QByteArray all;
    QString decodedOneByOne;
    int valid = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) {
                continue;
            }
            const char pair[] = {static_cast<char>(lead), static_cast<char>(trail)};
            const QString one = fromGbk(QByteArrayView(pair, 2));
            if (one.contains(QChar::ReplacementCharacter)) {
                continue;
            }
            ++valid;
            ASSERT_EQ(one.size(), 1) << lead << ' ' << trail;
            EXPECT_EQ(toGbk(one), QByteArray(pair, 2)) << lead << ' ' << trail;
            all.append(pair, 2);
            decodedOneByOne += one;
        }
    }
    EXPECT_GE(valid, 21000); // CP936 defines 21886 double-byte codes
    EXPECT_EQ(fromGbk(all), decodedOneByOne);
    const char broken[] = {static_cast<char>(0xB0), static_cast<char>(0xA1),
                           static_cast<char>(0xFF), 'x', static_cast<char>(0xB0)};
    EXPECT_EQ(fromGbk(QByteArrayView(broken, 5)), QStringLiteral("啊\uFFFDx\uFFFD"));
}
