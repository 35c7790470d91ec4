#include "common/data_error.h"
#include "component_hints.h"
#include "decomposer.h"
#include "root_chart.h"
#include "strokes.h"
#include "table_checks.h"

#include <gtest/gtest.h>

using namespace zilvaro::decompose;
using zilvaro::tools::DataError;

void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {
DecompositionLine lineOf(const char* text) {
    QString error;
    const auto line = DecompositionLine::parse(QString::fromUtf8(text), &error);
    EXPECT_TRUE(line.has_value()) << error.toStdString();
    return line.value_or(DecompositionLine());
}

struct Real {
    RootChart chart = RootChart::load(QStringLiteral(ZILVARO_SOURCE_DIR "/data/roots.tsv"));
    StrokeNames names = StrokeNames::loadCncharOrder(
        QStringLiteral(ZILVARO_SOURCE_DIR "/node_modules/cnchar-order/cnchar.order.min.js"));
};
const Real& real() {
    static const Real r;
    return r;
}

QString errorOf(const QString& text) {
    try {
        ComponentExceptions::parse(text, QStringLiteral("exceptions.tsv"));
    } catch (const DataError& e) {
        return e.message();
    }
    return {};
}
} // namespace

TEST(ComponentSplit, ComparesStrokesAndKeys) {
    // 卒 alone: 亠 人 人 十. Inside 醉 (after the seven strokes of 酉) the same groups on the
    // same keys read as alone; on other keys, or grouped otherwise, they do not.
    const QVector<RootField> own =
        lineOf("卒\tywwf\t\tywwf\tcompound\ty:0,1\tw:2,3\tw:4,5\tf:6,7").roots;
    auto split = [&](const char* line) { return componentSplit(lineOf(line).roots, 7, 15, own); };
    EXPECT_EQ(split("醉\tsgyf\t\tsgyf\tcompound\ts:0,1,2,3,4,5\tg:6\ty:7,8\tw:9,10\tw:11,12\t"
                    "f:13,14"),
              ComponentSplit::AsAlone);
    EXPECT_EQ(split("醉\tsgyf\t\tsgyf\tcompound\ts:0,1,2,3,4,5\tg:6\ty:7,8\tw:9,10\tt:11,12\t"
                    "f:13,14"),
              ComponentSplit::OtherKeys);
    EXPECT_EQ(split("醉\tsgyf\t\tsgyf\tcompound\ts:0,1,2,3,4,5\tg:6\ty:7,8\tw:9,10\tw:11\t"
                    "w:12\tf:13,14"),
              ComponentSplit::Otherwise);
    EXPECT_EQ(split("醉\tsgyf\t\tsgyf\tcompound\ts:0,1,2,3,4,5\tg:6,7,8\tw:9,10\tw:11,12\t"
                    "f:13,14"),
              ComponentSplit::Crossed);
}

TEST(ComponentExceptions, LinesNeedAReasonAndAreListedOnce) {
    const auto exceptions = ComponentExceptions::parse(
        QStringLiteral("# comment\n\n牧\t牛\t牜 beside a root is 丿 and 扌\r\n"),
        QStringLiteral("exceptions.tsv"));
    EXPECT_EQ(exceptions.size(), 1);
    EXPECT_TRUE(exceptions.contains(QStringLiteral("牧"), QStringLiteral("牛")));
    EXPECT_FALSE(exceptions.contains(QStringLiteral("牛"), QStringLiteral("牧")));
    EXPECT_EQ(exceptions.reason(QStringLiteral("牧"), QStringLiteral("牛")),
              QStringLiteral("牜 beside a root is 丿 and 扌"));
    EXPECT_EQ(errorOf(QStringLiteral("牧\t牛\n")),
              QStringLiteral("exceptions.tsv:1: expected 3 tab-separated columns"));
    EXPECT_EQ(errorOf(QStringLiteral("牧\t牛\t \n")),
              QStringLiteral("exceptions.tsv:1: an exception needs its reason"));
    EXPECT_EQ(errorOf(QStringLiteral("\t牛\twhy\n")),
              QStringLiteral("exceptions.tsv:1: no character or no component"));
    EXPECT_EQ(errorOf(QStringLiteral("牧\t牛\twhy\n牧\t牛\tagain\n")),
              QStringLiteral("exceptions.tsv:2: 牛 in 牧 is listed twice"));
}

TEST(ComponentExceptions, PlacementsCountAgainstTheList) {
    const auto exceptions = ComponentExceptions::parse(
        QStringLiteral("牧\t牛\t牜 is 丿 and 扌\n醉\t卒\tnot really\n"), QStringLiteral("x"));
    const QVector<Placement> placements = {
        {QStringLiteral("牧"), QStringLiteral("牛"), 0, 4, ComponentSplit::Otherwise},
        {QStringLiteral("牧"), QStringLiteral("攵"), 4, 8, ComponentSplit::AsAlone},
        {QStringLiteral("醉"), QStringLiteral("卒"), 7, 15, ComponentSplit::AsAlone},
        {QStringLiteral("翠"), QStringLiteral("卒"), 6, 14, ComponentSplit::OtherKeys},
        {QStringLiteral("国"), QStringLiteral("玉"), 1, 6, ComponentSplit::Crossed}};
    const PlacementReport report = comparePlacements(placements, exceptions);
    EXPECT_EQ(report.placements, 5);
    EXPECT_EQ(report.asAlone, 2);
    EXPECT_EQ(report.crossed, 1);
    EXPECT_EQ(report.listed, 1);
    // Read otherwise without a reason, and a reason that no longer applies.
    EXPECT_EQ(report.unlisted, QStringList{QStringLiteral("翠(卒)")});
    EXPECT_EQ(report.staleListings, QStringList{QStringLiteral("醉(卒)")});
}

TEST(Witnesses, AWitnessMustUseItsRoot) {
    const RootChart& chart = real().chart;
    QHash<QString, DecompositionLine> lines;
    for (const char* text : {"地\tfbn\tf\tfb\tcompound\tf:0,1,2\tb:3,4,5",
                             "江\tiag\t\tia\tcompound\ti:0,1,2\ta:3,4,5"})
        lines.insert(lineOf(text).character, lineOf(text));
    // 地 shows 土 (and 士, the same strokes on the same key); 江 shows 工, not 土.
    auto shows = [&](const char* character, const char* root) {
        for (const RootField& f : lines.value(QString::fromUtf8(character)).roots)
            for (const Root* r : rootsOfField(f, QString::fromUtf8(character), chart, real().names))
                if (r->root == QString::fromUtf8(root))
                    return true;
        return false;
    };
    EXPECT_TRUE(shows("地", "土"));
    EXPECT_TRUE(shows("地", "士"));
    EXPECT_FALSE(shows("地", "工"));
    EXPECT_TRUE(shows("江", "工"));
    EXPECT_FALSE(shows("江", "土"));
    // With only these two lines, every other root's witnesses have no line, and 土's
    // second witness 城 has none either; 工's 江 passes, its 功 has no line.
    const QStringList problems = witnessProblems(lines, chart, real().names);
    EXPECT_TRUE(problems.contains(QStringLiteral("roots.tsv:%1: 土: witness 城 has no line")
                                      .arg(chart.characterRoot(QStringLiteral("土"))->line)));
    for (const QString& p : problems)
        EXPECT_FALSE(p.contains(QStringLiteral("witness 地")) ||
                     p.contains(QStringLiteral("witness 江")))
            << p.toStdString();
    // A line keyed otherwise no longer shows the root: 地 read as 工 and 也.
    lines.insert(QStringLiteral("地"), lineOf("地\tfbn\tf\tfb\tcompound\ta:0,1,2\tb:3,4,5"));
    const QStringList wrong = witnessProblems(lines, chart, real().names);
    EXPECT_TRUE(std::any_of(wrong.begin(), wrong.end(), [](const QString& p) {
        return p.contains(QStringLiteral(": 土: witness 地 (a:0,1,2\tb:3,4,5) does not use it"));
    }));
}

TEST(Witnesses, StrokeNamesPickTheRootAmongTheKeysRoots) {
    // 夕 and 夂 share their classes but not their keys; 人 and 八 share both, so a field
    // on W with 撇 and 捺 is either.
    const RootChart& chart = real().chart;
    const auto roots = rootsOfField({u'w', {0, 1}}, QStringLiteral("从"), chart, real().names);
    QStringList names;
    for (const Root* r : roots)
        names.append(r->root);
    names.sort();
    EXPECT_EQ(names, (QStringList{QStringLiteral("人"), QStringLiteral("八")}));
    EXPECT_TRUE(rootsOfField({u'g', {0, 1}}, QStringLiteral("从"), chart, real().names).isEmpty());
    // A stroke out of range names no root.
    EXPECT_TRUE(rootsOfField({u'w', {7, 8}}, QStringLiteral("从"), chart, real().names).isEmpty());
}
