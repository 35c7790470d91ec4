#include "decomposition_line.h"
#include "root_chart.h"

#include <gtest/gtest.h>

using namespace zilvaro::decompose;

// Readable failures.
void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {
const RootChart& chart() {
    static const RootChart c =
        RootChart::load(QStringLiteral(ZILVARO_SOURCE_DIR "/data/roots.tsv"));
    return c;
}

DecompositionLine line(const char* text) {
    QString error;
    const auto parsed = DecompositionLine::parse(QString::fromUtf8(text), &error);
    EXPECT_TRUE(parsed.has_value()) << error.toStdString();
    return parsed.value_or(DecompositionLine());
}

// 中: 丨 横折 横 丨; 国: 丨 横折 横 横 竖 提 点 横.
CharacterFacts zhong() {
    return {QStringLiteral("2512"), {"k", "kh", "khk"}, 3, false, {}};
}
CharacterFacts guo() {
    return {QStringLiteral("25112141"), {"l", "lg", "lgy", "lgyi"}, 3, false, {}};
}

QString problems(const char* text, const CharacterFacts& facts) {
    return checkLine(line(text), facts, chart()).join(u'|');
}
} // namespace

TEST(DecompositionLine, ReadsAndWritesTheTableFormat) {
    const char* text = "国\tlgyi\tl\tlgy\tcompound\tl:0,1,7\tg:2,3,4,5\ty:6";
    const DecompositionLine guoLine = line(text);
    EXPECT_EQ(guoLine.fullCode, QStringLiteral("lgyi"));
    EXPECT_EQ(guoLine.roots.size(), 3);
    EXPECT_EQ(guoLine.roots[0].strokes, QVector<int>({0, 1, 7}));
    EXPECT_EQ(guoLine.format(), QString::fromUtf8(text));

    QString error;
    EXPECT_FALSE(DecompositionLine::parse(QStringLiteral("中\tkhk\tk\tkh\tcompound"), &error));
    EXPECT_EQ(error, QStringLiteral("expected at least six tab-separated fields, found 5"));
    EXPECT_FALSE(
        DecompositionLine::parse(QStringLiteral("中\tkhk\tk\tkh\tcompound\tk:0,,1"), &error));
    EXPECT_EQ(error, QStringLiteral("中: root \"k:0,,1\" has a bad stroke number"));
    EXPECT_FALSE(
        DecompositionLine::parse(QStringLiteral("中\tkhkhk\tk\tkh\tcompound\tk:0"), &error));
    EXPECT_FALSE(DecompositionLine::parse(QStringLiteral("中\tkhk\tk\tkh\tmixed\tk:0"), &error));
    EXPECT_EQ(error, QStringLiteral("中: unknown kind \"mixed\""));
}

TEST(DecompositionLine, RootCodeFollowsTheNumberOfRoots) {
    EXPECT_EQ(rootCodeOf("compound", line("中\tkhk\tk\tkh\tcompound\tk:0,1,2\th:3").roots, "khk"),
              QStringLiteral("kh"));
    const auto four = line("x\tabcd\t\tabcd\tcompound\ta:0\tb:1\tc:2\tx:3\td:4").roots;
    EXPECT_EQ(rootCodeOf("compound", four, "abcd"), QStringLiteral("abcd"));
    EXPECT_EQ(rootCodeOf("root", {{u'g', {0, 1, 2, 3}}}, "gghg"), QStringLiteral("gghg"));
    EXPECT_EQ(rootCodeOf("stroke", {{u'g', {0}}}, "ggll"), QStringLiteral("gg"));
}

TEST(DecompositionLine, IdentificationStrokeIsTheLastRootsLastStroke) {
    // 国: the frame closes last, the code follows the 丶 inside it.
    EXPECT_EQ(identificationStroke(
                  line("国\tlgyi\tl\tlgy\tcompound\tl:0,1,7\tg:2,3,4,5\ty:6").roots, false),
              6);
    // 这: 辶 carries 文; the code follows 文's last stroke.
    const auto zhe = line("这\typi\tp\typ\tcompound\ty:0,1,2,3\tp:4,5,6").roots;
    EXPECT_EQ(identificationStroke(zhe, true), 3);
    EXPECT_EQ(identificationStroke(zhe, false), 6);
}

TEST(DecompositionLine, TheIssueExamplesPass) {
    EXPECT_EQ(problems("中\tkhk\tk\tkh\tcompound\tk:0,1,2\th:3", zhong()), QString());
    EXPECT_EQ(problems("国\tlgyi\tl\tlgy\tcompound\tl:0,1,7\tg:2,3,4,5\ty:6", guo()), QString());
    EXPECT_EQ(problems("一\tggll\tg\tgg\tstroke\tg:0", {"1", {"g", "ggl", "ggll"}, 0, false, {}}),
              QString());
    EXPECT_EQ(problems("五\tgghg\tgg\tgghg\troot\tg:0,1,2,3",
                       {"1251", {"gg", "ggh", "gghg"}, 0, false, {}}),
              QString());
}

TEST(DecompositionLine, StrokesMustFormAPartition) {
    EXPECT_EQ(problems("中\tkhk\tk\tkh\tcompound\tk:0,1\th:3", zhong()),
              QStringLiteral("stroke 2 is in 0 roots"));
    EXPECT_EQ(problems("中\tkhk\tk\tkh\tcompound\tk:0,1,2\th:2,3", zhong()),
              QStringLiteral("stroke 2 is in 2 roots"));
    EXPECT_EQ(problems("中\tkhk\tk\tkh\tcompound\tk:0,1,2\th:4", zhong()),
              QStringLiteral("stroke 4 does not exist|stroke 3 is in 0 roots"));
}

TEST(DecompositionLine, RootsMustBeChartedAndInWritingOrder) {
    // 丨 横折 is 冂 (m), not a root of k.
    EXPECT_EQ(problems("中\tkhk\tk\tkh\tcompound\tk:0,1\th:2,3", zhong()),
              QStringLiteral("root 1 (k with strokes 25) is not in the chart|"
                             "root 2 (h with strokes 12) is not in the chart"));
    // A root of three runs.
    EXPECT_EQ(
        problems("国\tlgyi\tl\tlgy\tcompound\tl:0,2,7\tg:1,3,4,5\ty:6", guo()).section(u'|', 0, 0),
        QStringLiteral("root 1 has strokes out of order"));
    EXPECT_EQ(problems("中\tkhk\tk\tkh\tcompound\th:3\tk:0,1,2", zhong()),
              QStringLiteral("root 2 begins before root 1"));
}

TEST(DecompositionLine, OnlyAHandLineMayInterleaveItsRoots) {
    // 非: 丨 横 横 横 丨 横 横 横, read as 三 刂 三 with the identification code d.
    const CharacterFacts fei = {QStringLiteral("21112111"), {"djd", "djdd"}, 3, false, {}};
    const char* interleaved = "非\tdjdd\t\tdjd\tcompound\td:1,2,3\tj:0,4\td:5,6,7";
    EXPECT_EQ(checkLine(line(interleaved), fei, chart(), RootOrder::Interleaved), QStringList());
    EXPECT_EQ(problems(interleaved, fei), QStringLiteral("root 2 begins before root 1"));
    // Interleaving still keeps each root's own strokes in writing order, and the partition.
    EXPECT_EQ(checkLine(line("非\tdjdd\t\tdjd\tcompound\td:1,2,3\tj:4,0\td:5,6,7"), fei, chart(),
                        RootOrder::Interleaved),
              QStringList{"root 2 has strokes out of order"});
    EXPECT_EQ(checkLine(line("非\tdjdd\t\tdjd\tcompound\td:1,2,3\tj:0,4\td:4,6,7"), fei, chart(),
                        RootOrder::Interleaved),
              (QStringList{"stroke 4 is in 2 roots", "stroke 5 is in 0 roots"}));
}

TEST(DecompositionLine, TheGeFamilyReadsItsLoneDotBeforeItsPie) {
    // 戊 (一 丿 斜钩 丿 丶) is dnyt: 厂 乙 丶 丿, the dot read before the 撇 of the 戈 tail.
    // In writing order the tool may put that one dot first, where the facts say the 撇 at
    // stroke 3 has such a dot after it; nowhere else.
    const CharacterFacts wu = {QStringLiteral("13534"), {"dny", "dnyt"}, 3, false, {3}};
    const char* dotFirst =
        "戊	dnyt	dny	dnyt	compound	d:0,1	n:2	y:4	t:3";
    EXPECT_EQ(problems(dotFirst, wu), QString());
    CharacterFacts plain = wu;
    plain.dotFirst.clear();
    EXPECT_EQ(problems(dotFirst, plain), QStringLiteral("root 4 begins before root 3"));
    // Only the dot and the 撇 as single roots swap; a root of two strokes does not.
    CharacterFacts elsewhere = wu;
    elsewhere.dotFirst = {2};
    EXPECT_EQ(problems(dotFirst, elsewhere), QStringLiteral("root 4 begins before root 3"));
}

TEST(DecompositionLine, KeysAndCodesMustAgree) {
    // The identification code must fit the last stroke (丨 of 中 gives h, j or k).
    CharacterFacts wrongId = zhong();
    wrongId.codes = {"k", "kh", "khd"};
    EXPECT_EQ(problems("中\tkhd\tk\tkh\tcompound\tk:0,1,2\th:3", wrongId),
              QStringLiteral("identification code d does not fit the last stroke (class 2)"));
    // The full code must be the code table's.
    EXPECT_EQ(problems("中\tkhj\tk\tkh\tcompound\tk:0,1,2\th:3", zhong()),
              QStringLiteral("full code khj is not the code table's"));
    EXPECT_EQ(problems("中\tkhk\t\tkh\tcompound\tk:0,1,2\th:3", zhong()),
              QStringLiteral("short code , expected k"));
    EXPECT_EQ(problems("中\tkhk\tk\tkhk\tcompound\tk:0,1,2\th:3", zhong()),
              QStringLiteral("root code khk, expected kh"));
    // Four roots or more: first, second, third and last keys, no identification code.
    const CharacterFacts jian = {QStringLiteral("51111254"), {"vfhp"}, 3, true, {}};
    const char* jianLine = "建\tvfhp\t\tvfhp\tcompound\tv:0,1,2\tf:3,4\th:5\tp:6,7";
    EXPECT_EQ(problems(jianLine, jian), QString());
    const CharacterFacts otherCode = {QStringLiteral("51111254"), {"vfhy"}, 3, true, {}};
    EXPECT_EQ(problems("建\tvfhy\t\tvfhp\tcompound\tv:0,1,2\tf:3,4\th:5\tp:6,7", otherCode),
              QStringLiteral("keys vfhp do not give the full code vfhy"));
}

TEST(DecompositionLine, KindsMustMatchTheChart) {
    EXPECT_EQ(problems("中\tkhk\tk\tkh\troot\tk:0,1,2,3", zhong()),
              QStringLiteral("kind root but 中 is no root of the chart"));
    EXPECT_EQ(problems("五\tgghg\tgg\tgghg\tkey\tg:0,1,2,3",
                       {"1251", {"gg", "ggh", "gghg"}, 0, false, {}}),
              QStringLiteral("kind key, the chart says root"));
    EXPECT_EQ(
        problems("王\tgggg\tggg\tgggg\tkey\tg:0,1,2,3", {"1121", {"ggg", "gggg"}, 0, false, {}}),
        QString());
}

TEST(DecompositionLine, HandOnlyFormsPassTheChartCheck) {
    // 贯: 母字框 (竖弯 横折), 十 written 竖 first, 贝; the 十 is a hand-only form.
    const CharacterFacts guan = {QStringLiteral("55212534"), {"xfmu"}, 2, false, {}};
    EXPECT_EQ(problems("贯\txfmu\t\txfm\tcompound\tx:0,1\tf:2,3\tm:4,5,6,7", guan), QString());
    // A hand-only form is still bound to its key and its strokes.
    EXPECT_NE(problems("贯\txfmu\t\txfm\tcompound\tx:0,1\tg:2,3\tm:4,5,6,7", guan), QString());
    EXPECT_NE(problems("贯\txfmu\t\txfm\tcompound\tx:0,1,2\tf:3,4\tm:5,6,7", guan), QString());
}

TEST(DecompositionLine, HandOnlyFormsCarryTheirLastStrokeRule) {
    // 延: 丿, 止 with its last 竖 and 横 joined in one 竖弯, and 廴 carrying them. The
    // identification code follows 止's last stroke, which counts as 横 (d), not as the
    // turning stroke drawn (v).
    const CharacterFacts yan = {QStringLiteral("321554"), {"thpd"}, 3, true, {}};
    EXPECT_EQ(problems("延\tthpd\t\tthp\tcompound\tt:0\th:1,2,3\tp:4,5", yan), QString());
    const CharacterFacts turned = {QStringLiteral("321554"), {"thpv"}, 3, true, {}};
    EXPECT_EQ(problems("延\tthpv\t\tthp\tcompound\tt:0\th:1,2,3\tp:4,5", turned), QString());
    const CharacterFacts wrong = {QStringLiteral("321554"), {"thpy"}, 3, true, {}};
    EXPECT_NE(problems("延\tthpy\t\tthp\tcompound\tt:0\th:1,2,3\tp:4,5", wrong), QString());
}

TEST(DecompositionLine, ACharacterRootListsItsStrokesAsItsCodeReadsThem) {
    // The letters after the key name the first, second and last strokes by class.
    EXPECT_EQ(readingOrder(QStringLiteral("1534"), QStringLiteral("agnt")),
              (QVector<int>{0, 1, 3, 2})); // 戈: its 丿 last
    EXPECT_EQ(readingOrder(QStringLiteral("53"), QStringLiteral("ltn")),
              (QVector<int>{1, 0})); // 力: 丿 then 乙
    EXPECT_EQ(readingOrder(QStringLiteral("2121"), QStringLiteral("hhhg")),
              (QVector<int>{0, 2, 1, 3})); // 止: both 竖 before the 横 between them
    EXPECT_EQ(readingOrder(QStringLiteral("442"), QStringLiteral("nyhy")),
              (QVector<int>{0, 2, 1})); // 忄
    EXPECT_EQ(readingOrder(QStringLiteral("1251"), QStringLiteral("gghg")),
              (QVector<int>{0, 1, 2, 3})); // 五, in writing order
    // A letter that names no stroke class, or no stroke of its class left.
    EXPECT_EQ(readingOrder(QStringLiteral("1353334"), QStringLiteral("egey")), QVector<int>());
    EXPECT_EQ(readingOrder(QStringLiteral("11"), QStringLiteral("fgh")), QVector<int>());

    const CharacterFacts ge = {QStringLiteral("1534"), {"agnt"}, 0, false, {}};
    EXPECT_EQ(problems("戈\tagnt\t\tagnt\troot\ta:0,1,3,2", ge), QString());
    EXPECT_EQ(problems("戈\tagnt\t\tagnt\troot\ta:0,1,2,3", ge),
              QStringLiteral("the strokes of a character root are listed as Wubi reads them "
                             "for its code: 0,1,3,2"));
}
