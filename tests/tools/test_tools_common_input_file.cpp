#include "common/input_file.h"

#include "tools_common_files.h"

#include <gmock/gmock.h>

using namespace zilvaro::tools;
using test::failure;
using ::testing::HasSubstr;

namespace {
class InputFile : public test::InputFiles {};
} // namespace

TEST_F(InputFile, ReadsBytesAndNamesAFileThatCannotBeRead) {
    const QString path = write(QStringLiteral("a.txt"), "\xE5\xAD\x97\n");
    EXPECT_EQ(readInputFile(path), QByteArray("\xE5\xAD\x97\n"));
    EXPECT_EQ(readUtf8InputFile(path), QStringLiteral("字\n"));
    EXPECT_THAT(failure([&] { readInputFile(dir.filePath(QStringLiteral("none.tsv"))); }),
                HasSubstr("none.tsv: cannot be read ("));
    // A folder opens but is no input file.
    EXPECT_THAT(failure([&] { readInputFile(dir.path()); }), HasSubstr("cannot be read"));
}

TEST_F(InputFile, StrictReadingRefusesBytesThatAreNotUtf8) {
    const QString path = write(QStringLiteral("latin.txt"), "caf\xE9\n");
    EXPECT_EQ(readUtf8InputFile(path).size(), 5); // decoded with a replacement character
    EXPECT_THAT(failure([&] { readStrictUtf8InputFile(path); }),
                HasSubstr("latin.txt: not valid UTF-8"));
}

TEST(TsvLines, SkipsBlankAndCommentLinesAndKeepsTheLineNumbers) {
    const QList<TsvLine> lines =
        tsvLines(QStringLiteral("# header\n\na\tb\r\n\r\n#x\tno\nc\t\td\n  \n"));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0].number, 3);
    EXPECT_EQ(lines[0].text, QStringLiteral("a\tb")); // CR LF ends a line as LF does
    EXPECT_EQ(lines[0].fields, QStringList({QStringLiteral("a"), QStringLiteral("b")}));
    EXPECT_EQ(lines[1].number, 6);
    EXPECT_EQ(lines[1].fields.size(), 3); // an empty field stays a field
    // A line of blanks is data: the table's own reader decides what it means.
    EXPECT_EQ(lines[2].number, 7);
    EXPECT_TRUE(tsvLines(QString()).isEmpty());
    EXPECT_EQ(tsvLines(QStringLiteral("last\tline")).size(), 1); // no final line break
}
