#include "lookup/code_line.h"

#include <gtest/gtest.h>

using namespace zilvaro;

namespace {
// Codes as the detail boxes hold them: four characters, filled with blanks.
QString line(const char* full, const char* shortCode, const char* root) {
    auto padded = [](const char* code) { return QString::fromLatin1(code).leftJustified(4); };
    return codeLine(padded(full), padded(shortCode), padded(root));
}
} // namespace

TEST(CodeLine, RulesOneAndTwoListAllThreeCodesShortestFirst) {
    EXPECT_EQ(line("abcd", "abc", "ab"), "ab  abc  abcd"); // rule 1
    EXPECT_EQ(line("abcd", "a", "abc"), "a  abc  abcd");   // rule 2
    // An empty root or short code is the shortest; the trimming drops its separator.
    EXPECT_EQ(line("abcd", "ab", ""), "ab  abcd");
    EXPECT_EQ(line("abcd", "", "ab"), "ab  abcd");
}

TEST(CodeLine, RulesThreeAndFourShowTheRootCodeInPlaceOfTheFullCode) {
    // Rule 4: the root code stands for the full code of its length.
    EXPECT_EQ(line("abcd", "ab", "wxyz"), "ab  wxyz");
    EXPECT_EQ(line("abc", "a", "abc"), "a  abc");
    // Rules 3 and 4 both hold when S is empty: R alone, not the full code.
    EXPECT_EQ(line("abcd", "", "wxyz"), "wxyz");
    // Rule 3 alone: no codes at all.
    EXPECT_EQ(line("", "", ""), "");
}

TEST(CodeLine, BlanksAroundTheCodesDoNotCount) {
    EXPECT_EQ(codeLine(u" abcd ", u"  ab", u"a   "), "a  ab  abcd");
    EXPECT_EQ(codeLine(u"abcd", u"  a ", u" abc"), "a  abc  abcd");
    // Only blanks are trimmed; another character is part of a code.
    EXPECT_EQ(codeLine(u"abcd", u"\tab", u"abcd"), "\tab  abcd");
}

TEST(CodeLine, WithoutARuleListsTheCharactersOwnCodes) {
    // |R| = |S| < |F|: the same root and short code once, then the full code.
    EXPECT_EQ(line("abcd", "ab", "ab"), "ab  abcd");
    // Different codes of one length keep the order R, S.
    EXPECT_EQ(line("abcd", "cd", "ab"), "ab  cd  abcd");
    // A short code longer than the root and full codes.
    EXPECT_EQ(line("abc", "abcd", "abc"), "abc  abcd");
    EXPECT_EQ(line("abce", "abcd", "a"), "a  abcd  abce");
    // A root code with neither full nor short code.
    EXPECT_EQ(line("", "", "a"), "a");
    // No full code.
    EXPECT_EQ(line("", "ab", "abc"), "ab  abc");
}

TEST(CodeLine, NamesTheRuleThatGivesTheLine) {
    const auto rule = [](const char* full, const char* shortCode, const char* root) {
        return codeLineRule(QString::fromLatin1(full), QString::fromLatin1(shortCode),
                            QString::fromLatin1(root));
    };
    EXPECT_EQ(rule("abcd", "abc", "ab"), 1);
    EXPECT_EQ(rule("khk", "k", "kh"), 2);
    EXPECT_EQ(rule("vbg", "", "vb"), 2); // no short code: S < R < F
    EXPECT_EQ(rule("abcd", "ab", "wxyz"), 4);
    EXPECT_EQ(rule("gghg", "", "gghg"), 4); // 3 and 4 both hold; the later one counts
    EXPECT_EQ(rule("", "", ""), 3);
    EXPECT_EQ(rule(" abcd", "ab  ", " ab "), 0); // blanks do not count: |R| = |S| < |F|
    EXPECT_EQ(rule("abc", "abc", "ab"), 0);
    EXPECT_TRUE(codeLineHasRule(u"gghg", u"gg", u"gghg"));
    EXPECT_FALSE(codeLineHasRule(u"abcd", u"ab", u"ab"));
}

TEST(WubiCodeLine, ShowsOnlyTheCodesThatTypeTheCharacterShortestFirst) {
    // One of each kind: a full code alone, short codes of the second and third level, the
    // first level, and a key-name character.
    EXPECT_EQ(wubiCodeLine(shownCodes(u"父", u"wqu ")), "wqu");
    EXPECT_EQ(wubiCodeLine(shownCodes(u"字", u"pbf ")), "pb  pbf");
    EXPECT_EQ(wubiCodeLine(shownCodes(u"长", u"tayi")), "ta  tay  tayi");
    EXPECT_EQ(wubiCodeLine(shownCodes(u"一", u"ggll")), "g  ggl  ggll");
    EXPECT_EQ(wubiCodeLine(shownCodes(u"工", u"aaaa")), "a  aaa  aaaa");
    // The published table's codes, not the record's: its root keys (wq for 父) are no
    // code of the character.
    EXPECT_EQ(shownCodes(u"父", u"abcd"), (QStringList{"wqu"}));
    // Outside the table, the record's full code alone; nothing without one.
    EXPECT_EQ(shownCodes(u"丂", u" gnv "), QStringList{"gnv"});
    EXPECT_EQ(shownCodes(u"丂", u"    "), QStringList());
    EXPECT_EQ(wubiCodeLine({}), "");
}

TEST(WubiCodeLine, TheTooltipNamesEachCodesKind) {
    EXPECT_EQ(wubiCodeTip({"g", "ggl", "ggll"}), "g：一级简码\nggl：三级简码\nggll：全码");
    EXPECT_EQ(wubiCodeTip({"pb", "pbf"}), "pb：二级简码\npbf：全码");
    EXPECT_EQ(wubiCodeTip({"wqu"}), "wqu：全码");
    // Two codes of the full length are both full codes.
    EXPECT_EQ(wubiCodeKind("abce", {"ab", "abcd", "abce"}), "全码");
    EXPECT_EQ(wubiCodeKind("ab", {"ab", "abcd", "abce"}), "二级简码");
    EXPECT_EQ(wubiCodeTip({}), "");
}

TEST(CopyLine, HoldsTheCharacterItsCodesAndItsReadings) {
    EXPECT_EQ(copyLine("字", {"pb", "pbf"}, {"zì"}), "字 pb pbf zì");
    EXPECT_EQ(copyLine("行", {"tf", "tfhh"}, {"xíng", "háng", "héng"}),
              "行 tf tfhh xíng háng héng");
    EXPECT_EQ(copyLine("丂", {"gnv"}, {}), "丂 gnv");
    EXPECT_EQ(copyLine("", {"pb"}, {"zì"}), "");
}
