#include "shape.h"
#include "shape_rules.h"
#include "strokes.h"

#include <gtest/gtest.h>

using namespace zilvaro::decompose;

namespace {
QVector<Median> strokesOf(const char* character, const QVector<int>& which = {}) {
    const StrokeOutline outline =
        loadHanziWriter(QStringLiteral(ZILVARO_SOURCE_DIR "/node_modules/hanzi-writer-data"),
                        QString::fromUtf8(character));
    if (which.isEmpty())
        return outline.medians;
    QVector<Median> out;
    for (int s : which)
        out.append(outline.medians[s]);
    return out;
}
} // namespace

TEST(ShapeDistance, IgnoresPlaceAndSizeButNotShape) {
    const QVector<Median> cross = {{{0, 50}, {100, 50}}, {{50, 100}, {50, 0}}};
    const QVector<Median> smallCross = {{{500, 520}, {540, 520}}, {{520, 540}, {520, 500}}};
    EXPECT_NEAR(shapeDistance(cross, cross), 0.0, 1e-9);
    EXPECT_NEAR(shapeDistance(cross, smallCross), 0.0, 1e-9);
    // The same two strokes in the other order, or a vertical drawn upwards, differ.
    const QVector<Median> swapped = {cross[1], cross[0]};
    EXPECT_GT(shapeDistance(cross, swapped), PoorShape);
    const QVector<Median> upwards = {cross[0], {{50, 0}, {50, 100}}};
    EXPECT_GT(shapeDistance(cross, upwards), 0.2);
    EXPECT_EQ(shapeDistance(cross, {cross[0]}), -1);
    EXPECT_EQ(shapeDistance({}, {}), -1);
}

TEST(ShapeDistance, TellsRootsFromStrokesOfTheSameNames) {
    // 国's frame and 可's 丁 have their roots' shapes; 丨 𠃌 丨 of 再 is no 山.
    EXPECT_LT(shapeDistance(strokesOf("国", {0, 1, 7}), strokesOf("囗")), 0.1);
    EXPECT_LT(shapeDistance(strokesOf("可", {0, 4}), strokesOf("丁")), 0.2);
    EXPECT_LT(shapeDistance(strokesOf("再", {1, 2}), strokesOf("冂")), 0.2);
    EXPECT_GT(shapeDistance(strokesOf("再", {1, 2, 3}), strokesOf("山")), PoorShape);
    EXPECT_GT(shapeDistance(strokesOf("锦", {10, 11, 12}), strokesOf("山")), PoorShape);
}

namespace {
bool holds(const char* rule, const char* character, const QVector<int>& strokes) {
    QString error;
    const ShapeRule r = ShapeRule::parse(QString::fromUtf8(rule), int(strokes.size()), &error);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    return r.holds(strokesOf(character, strokes));
}
} // namespace

TEST(ShapeRule, TellsRootsFromStrokesThatOnlyTouch) {
    // 大: its 撇 crosses the 横; the 八 under the 横 of 寒 and 其 only touches it.
    EXPECT_TRUE(holds("穿(1,0)", "达", {0, 1, 2}));
    EXPECT_FALSE(holds("穿(1,0)", "寒", {7, 8, 9}));
    EXPECT_FALSE(holds("穿(1,0)", "其", {5, 6, 7}));
    // 十: its 竖 crosses the 横; the 竖 of 下 hangs from it.
    EXPECT_TRUE(holds("穿(1,0)", "十", {0, 1}));
    EXPECT_FALSE(holds("穿(1,0)", "下", {0, 1}));
    // ⺊: the 横 leaves the middle of the 竖; the 竖 of 惠 and 禺 stands on the 提 (⊥).
    EXPECT_TRUE(holds("中起(1,0)", "点", {0, 1}));
    EXPECT_TRUE(holds("中起(1,0)", "颅", {0, 1}));
    EXPECT_FALSE(holds("中起(1,0)", "惠", {5, 6}));
    EXPECT_FALSE(holds("中起(1,0)", "禺", {6, 7}));
    // 五: the 横折 crosses the middle of the 竖; the 口 under the 一 of 璺 and 爨 starts at
    // the top of its 竖.
    EXPECT_TRUE(holds("中起(2,1)", "吾", {0, 1, 2, 3}));
    EXPECT_FALSE(holds("中起(2,1)", "璺", {6, 7, 8, 9}));
    EXPECT_FALSE(holds("中起(2,1)", "爨", {6, 7, 8, 9}));
    // 犬: the dot above the 横; the dot of 太 lies under it.
    EXPECT_TRUE(holds("上(3,0)", "犬", {0, 1, 2, 3}));
    EXPECT_FALSE(holds("上(3,0)", "太", {0, 1, 2, 3}));
    // Alternatives: one of them is enough.
    EXPECT_TRUE(holds("中起(1,0)|穿(1,0)", "十", {0, 1}));
}
