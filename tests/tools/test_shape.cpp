#include "shape.h"
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
