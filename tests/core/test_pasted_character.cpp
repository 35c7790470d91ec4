#include "core/pasted_character.h"

#include <gtest/gtest.h>

using namespace zilvaro;

TEST(PastedCharacter, TheFirstChineseCharacterPastPunctuationAndBlanks) {
    EXPECT_EQ(characterToLookUpIn(u"中国"), u"中");
    EXPECT_EQ(characterToLookUpIn(u"我爱五笔。"), u"我");
    EXPECT_EQ(characterToLookUpIn(u"“字”"), u"字");
    EXPECT_EQ(characterToLookUpIn(u"  \t\u3000《字典》"), u"字");
    EXPECT_EQ(characterToLookUpIn(u"\u200b\ufeff\n\r\n字"), u"字"); // invisible marks, breaks
    // Letters and digits before it do not count: the Chinese character is the point.
    EXPECT_EQ(characterToLookUpIn(u"Wubi 86: 五笔"), u"五");
    EXPECT_EQ(characterToLookUpIn(u"1. 〇"), u"〇");
    // Radicals that the character set holds, and a character outside the BMP, whole.
    EXPECT_EQ(characterToLookUpIn(u"，亻"), u"亻");
    EXPECT_EQ(characterToLookUpIn(u"…\U00020000字"), u"\U00020000");
}

TEST(PastedCharacter, WithoutAChineseCharacterTheFirstOneThatIsNotPunctuation) {
    EXPECT_EQ(characterToLookUpIn(u"a"), u"a");
    EXPECT_EQ(characterToLookUpIn(u"  (x1)"), u"x");
    EXPECT_EQ(characterToLookUpIn(u"！€"), u"€");
    EXPECT_EQ(characterToLookUpIn(u"。，、 ？\n"), u"");
    EXPECT_EQ(characterToLookUpIn(u""), u"");
    // A lone surrogate is skipped, not returned as half a character.
    EXPECT_EQ(characterToLookUpIn(QStringView(u"\xd840", 1)), u"");
}
