// The pieces of zilvaro-query whose rules a user meets directly.
#include "data/record_file.h"
#include "query/answer_format.h"
#include "query/code_pattern.h"
#include "query/query_data.h"
#include "query/text_walk.h"
#include "query/word_code.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zilvaro::query;

TEST(WordCode, TakesTheKeysTheRuleForTheWordsLengthNames) {
    EXPECT_EQ(wordCode({}), u"");
    EXPECT_EQ(wordCode({u"khk"_qs}), u"");
    EXPECT_EQ(wordCode({u"khk"_qs, u"lgyi"_qs}), u"khlg");
    EXPECT_EQ(wordCode({u"khk"_qs, u"wxfj"_qs, u"wwww"_qs}), u"kwww");
    EXPECT_EQ(
        wordCode({u"khk"_qs, u"wxfj"_qs, u"wwww"_qs, u"nav"_qs, u"awu"_qs, u"tkg"_qs, u"lgyi"_qs}),
        u"kwwl");
}

TEST(CodePattern, ZStandsForAnyKey) {
    EXPECT_FALSE(CodePattern::parse(u""));
    EXPECT_FALSE(CodePattern::parse(u"abcde"));
    EXPECT_FALSE(CodePattern::parse(u"a b"));
    EXPECT_FALSE(CodePattern::parse(u"字"));
    const CodePattern pzf = *CodePattern::parse(u"PzF");
    EXPECT_EQ(pzf.text(), u"pzf");
    EXPECT_TRUE(pzf.matches(u"pbf"));
    EXPECT_FALSE(pzf.matches(u"pbfg"));
    EXPECT_FALSE(pzf.matches(u"pf"));
    EXPECT_TRUE(pzf.begins(u"pwfi"));
    EXPECT_FALSE(pzf.begins(u"pbf"));
    EXPECT_FALSE(pzf.begins(u"pwgi"));
}

TEST(TextWalk, KeepsChineseCharactersWholeAndSkipsEverythingElse) {
    const QString text = u"a字 ，1中。\U00020000Ａ①"_qs + QChar(0xD800) + u"国"_qs;
    const std::vector<QString> found = chineseCharacters(text);
    EXPECT_EQ(found, (std::vector<QString>{u"字"_qs, u"中"_qs, u"\U00020000"_qs, u"国"_qs}));
    EXPECT_TRUE(chineseCharacters(QString(QChar(0xDC00))).empty());
}

TEST(AnswerFormat, CountsWideCharactersTwice) {
    EXPECT_EQ(displayWidth(u"字 p"), 4);
    EXPECT_EQ(displayWidth(u"\U00020000"), 2);
}

TEST(ProgramDir, IsTheProgramsOwnFolderWhereTheRecordFileLiesThereElseTheInstalledOne) {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(u"bin"_qs);
    QDir(dir.path()).mkpath(u"lib/zilvaro"_qs);
    const QString bin = dir.filePath(u"bin"_qs);
    EXPECT_EQ(defaultProgramDir(bin, u"../lib/zilvaro"_qs), dir.filePath(u"lib/zilvaro"_qs));
    QFile record(zilvaro::recordFilePath(bin));
    ASSERT_TRUE(record.open(QIODevice::WriteOnly));
    record.close();
    EXPECT_EQ(defaultProgramDir(bin, u"../lib/zilvaro"_qs), bin);
}
