#include "common/stroke_packages.h"

#include "common/gb2312.h"
#include "strokes.h"
#include "table_builder.h"
#include "tools_common_files.h"

#include <gmock/gmock.h>

using namespace zilvaro::tools;
using test::failure;
using ::testing::HasSubstr;

namespace {
class StrokePackages : public test::InputFiles {};

const QString packageRoot = QStringLiteral(ZILVARO_SOURCE_DIR);
const QString orderPath = packageRoot + "/node_modules/cnchar-order/cnchar.order.min.js";
const QString supplementPath = packageRoot + "/data/stroke-supplement.tsv";
} // namespace

TEST(StrokeClasses, NamesFallIntoTheFiveClasses) {
    EXPECT_EQ(strokeClassOfName(u"横"), 1);
    EXPECT_EQ(strokeClassOfName(u"提"), 1); // 提 counts as 横
    EXPECT_EQ(strokeClassOfName(u"竖钩"), 2);
    EXPECT_EQ(strokeClassOfName(u"撇"), 3);
    EXPECT_EQ(strokeClassOfName(u"捺"), 4);
    EXPECT_EQ(strokeClassOfName(u"点2"), 4);
    for (const char16_t* turning : {u"横折", u"竖提", u"撇点", u"弯钩", u"横折折折钩", u"斜钩"})
        EXPECT_EQ(strokeClassOfName(turning), 5) << QString::fromUtf16(turning).toStdString();
    EXPECT_EQ(strokeClassOfName(u"口"), 0);
    EXPECT_EQ(strokeClassOfName(u"弯"), 0); // a hook alone is no stroke
    EXPECT_EQ(strokeClassOfName(u""), 0);
}

TEST(StrokeClasses, ALettersClassFollowsItsNameAndMustFitItsKind) {
    EXPECT_EQ(strokeClass({"横", "平笔"}), 1);
    EXPECT_EQ(strokeClass({"提", "平笔"}), 1);
    EXPECT_EQ(strokeClass({"竖", "平笔"}), 2);
    EXPECT_EQ(strokeClass({"竖钩", "折笔"}), 2);
    EXPECT_EQ(strokeClass({"撇", "平笔"}), 3);
    EXPECT_EQ(strokeClass({"点", "平笔"}), 4);
    EXPECT_EQ(strokeClass({"点2", "平笔"}), 4);
    EXPECT_EQ(strokeClass({"捺", "平笔"}), 4);
    EXPECT_EQ(strokeClass({"横折钩", "折笔"}), 5);
    EXPECT_EQ(strokeClass({"横撇|横钩", "折笔"}), 5); // two names: the first one counts
    EXPECT_THROW(strokeClass({"弯", "平笔"}), DataError);
    EXPECT_THROW(strokeClass({"横", "曲笔"}), DataError);
    // Name and kind disagree.
    EXPECT_THAT(failure([] {
                    strokeClass({"横折", "平笔"});
                }),
                HasSubstr("stroke \"横折\" (平笔) has no stroke class"));
    EXPECT_THROW(strokeClass({"撇", "折笔"}), DataError);
}

TEST_F(StrokePackages, ReadsStrokeOrdersFromTheScriptsJsonLiterals) {
    const QString good =
        write("order.js", "x=JSON.parse('{\"一\":\"j\",\"丁\":\"jg\"}'),\n"
                          "y=JSON.parse('{\"j\":{\"name\":\"横\",\"type\":\"平笔\"},"
                          "\"g\":{\"name\":\"竖钩\",\"type\":\"折笔\"}}')");
    const StrokeOrders orders = readStrokeOrders(good);
    EXPECT_EQ(orders.orders.value("丁"), "jg");
    EXPECT_EQ(orders.letters.value(u'g').name, "竖钩");

    const QString broken = write("broken.js", "\n\nx=JSON.parse('{\"一\":}')");
    EXPECT_THAT(failure([&] { readStrokeOrders(broken); }), HasSubstr("broken.js:3: "));
    const QString noLetters = write("half.js", "x=JSON.parse('{\"一\":\"j\"}')");
    EXPECT_THAT(failure([&] { readStrokeOrders(noLetters); }), HasSubstr("half.js: no stroke"));
    const QString capital = write("capital.js", "x=JSON.parse('{\"一\":\"J\"}')");
    EXPECT_THAT(failure([&] { readStrokeOrders(capital); }),
                HasSubstr("capital.js:1: malformed stroke order"));
    const QString open = write("open.js", "x=JSON.parse('{\"一\":\"j\"}");
    EXPECT_THAT(failure([&] { readStrokeOrders(open); }), HasSubstr("unterminated"));
}

TEST_F(StrokePackages, ReadsTheSupplementInOrderAndNamesTheLineOfAFault) {
    const QString good = write("good.tsv", "# character\tstrokes\n丨\tf\r\n\n扌\tjgi\n");
    const QList<SupplementLine> lines = readStrokeSupplement(good);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[1].character, "扌");
    EXPECT_EQ(lines[1].letters, "jgi");
    EXPECT_EQ(lines[1].line, 4);
    const QString bad = write("bad.tsv", "# character\tstrokes\n丨\tf\n扌 jgi\n");
    EXPECT_THAT(failure([&] { readStrokeSupplement(bad); }), HasSubstr("bad.tsv:3: expected"));
    const QString twice = write("twice.tsv", "丨\tf\n丨\tf\n");
    EXPECT_THAT(failure([&] { readStrokeSupplement(twice); }),
                HasSubstr("twice.tsv:2: 丨 is in the supplement twice"));
    const QString two = write("two.tsv", "丨丨\tff\n");
    EXPECT_THAT(failure([&] { readStrokeSupplement(two); }), HasSubstr("two.tsv:1:"));
    EXPECT_THAT(failure([&] { readStrokeSupplement(dir.filePath("none.tsv")); }),
                HasSubstr("none.tsv: cannot be read"));
}

// The stroke table (make_tables) and the decomposer read the same packages; every
// character must get the same classes from both, or the stroke finder and the
// identification codes would disagree.
TEST(StrokeClasses, TheStrokeTableAndTheDecomposerAgreeOnEveryCharacter) {
    const StrokeOrders orders = readStrokeOrders(orderPath);
    const QList<SupplementLine> supplement = readStrokeSupplement(supplementPath);
    zilvaro::decompose::StrokeNames names =
        zilvaro::decompose::StrokeNames::loadCncharOrder(orderPath);
    names.addSupplement(supplementPath);
    for (auto it = orders.letters.cbegin(); it != orders.letters.cend(); ++it)
        EXPECT_EQ(strokeClass(it.value()), names.letterClass(it.key()))
            << QString(it.key()).toStdString();

    const QList<make_tables::StrokeRow> rows =
        make_tables::strokeRows(gb2312Characters(), orders, supplement, {});
    ASSERT_EQ(rows.size(), 6763);
    for (const make_tables::StrokeRow& row : rows) {
        QList<int> classes;
        for (const QChar digit : names.classes(row.character.character))
            classes.append(digit.digitValue());
        EXPECT_EQ(make_tables::strokeCode(classes), row.code)
            << row.character.character.toStdString();
    }
}
