#include "common/rime_code_table.h"

#include "tools_common_files.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace zilvaro::tools;

namespace {

class RimeCodeTable : public test::InputFiles {};

} // namespace

TEST_F(RimeCodeTable, ReadsTheEntriesAfterTheHeaderInFileOrder) {
    const QString path = write("wubi86.dict.yaml", "---\nname: wubi86\n...\n"
                                                   "# a comment\n"
                                                   "一\tggll\t2830000000\r\n"
                                                   "\n"
                                                   "工作\twtaa\t1\n"
                                                   "一\tg\t2015124793\tgg\n"
                                                   "⒈\tzzd\t1000\n"
                                                   "𠀀\tgg\t1\n");
    const std::vector<RimeEntry> entries = readRimeCodeTable(path);
    ASSERT_EQ(entries.size(), 4u); // the symbol on z is no Wubi code
    EXPECT_EQ(entries[0].text, QStringLiteral("一"));
    EXPECT_EQ(entries[0].code, QStringLiteral("ggll"));
    EXPECT_EQ(entries[0].line, 5);
    EXPECT_EQ(entries[1].text, QStringLiteral("工作"));
    EXPECT_EQ(entries[1].line, 7);
    EXPECT_EQ(entries[2].code, QStringLiteral("g")); // weight and stem left out
    EXPECT_EQ(entries[3].text, QStringLiteral("𠀀"));
}

TEST_F(RimeCodeTable, GivesEachSingleCharactersCodesShortestFirstWithoutRepeats) {
    const QHash<QString, QStringList> codes = singleCharacterCodes({{"一", "ggll", 1},
                                                                    {"一", "g", 2},
                                                                    {"一", "ggl", 3},
                                                                    {"一", "g", 4},
                                                                    {"工作", "wtaa", 5},
                                                                    {"子", "bb", 6},
                                                                    {"子", "bbbb", 7},
                                                                    {"子", "bg", 8},
                                                                    {"𠀀", "gg", 9}});
    EXPECT_EQ(codes.value("一"), (QStringList{"g", "ggl", "ggll"}));
    EXPECT_EQ(codes.value("子"), (QStringList{"bb", "bg", "bbbb"})); // one length: file order
    EXPECT_EQ(codes.value("𠀀"), QStringList{"gg"}); // one character of two UTF-16 units
    EXPECT_FALSE(codes.contains("工作"));
    EXPECT_EQ(codes.size(), 3);
}

TEST_F(RimeCodeTable, AMalformedTableNamesTheFileAndTheLine) {
    using ::testing::HasSubstr;
    const auto read = [&](const char* name, const QByteArray& text) {
        const QString path = write(name, text);
        return test::failure([&] { readRimeCodeTable(path); });
    };
    EXPECT_THAT(read("upper.yaml", "...\n一\tg\t1\n字\tPB\t1\n"),
                HasSubstr("upper.yaml:3: bad code \"PB\""));
    EXPECT_THAT(read("long.yaml", "...\n字\tpbfgh\t1\n"), HasSubstr("long.yaml:2: bad code"));
    EXPECT_THAT(read("words.yaml", "...\n中国\tkh1g\t1\n"), HasSubstr("words.yaml:2: bad code"));
    EXPECT_THAT(read("tabless.yaml", "...\n\n中\n"),
                HasSubstr("tabless.yaml:3: expected text, tab, code"));
    EXPECT_THAT(read("empty.yaml", "...\n\tk\t1\n"), HasSubstr("empty.yaml:2: expected text"));
    EXPECT_THAT(read("headless.yaml", "一\tg\t1\n"),
                HasSubstr("headless.yaml: the header has no end line \"...\""));
    EXPECT_THAT(read("latin.yaml", "...\ncaf\xE9\tk\t1\n"), HasSubstr("latin.yaml"));
    EXPECT_THAT(test::failure([&] { readRimeCodeTable(dir.filePath("none.yaml")); }),
                HasSubstr("none.yaml"));
}
