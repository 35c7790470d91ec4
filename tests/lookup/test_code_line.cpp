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
