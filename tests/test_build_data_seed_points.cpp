#include "data_error.h"
#include "seed_points.h"

#include <gtest/gtest.h>

using namespace zilvaro::build;

namespace {

// A picture's states drawn by hand: rectangles of one state each.
struct Canvas {
    PixelStates states{std::vector<std::uint8_t>(size_t(PictureWidth * PictureHeight), 0)};
    void fill(int left, int top, int width, int height, std::uint8_t state) {
        for (int y = top; y < top + height; ++y) {
            for (int x = left; x < left + width; ++x) {
                states.state[size_t(y * PictureWidth + x)] = state;
            }
        }
    }
    SlotSeeds seeds(int slot) const {
        const std::vector<bool> black = outline(states);
        return slotSeeds(states, black, whiteAreas(states, black), slot, QStringLiteral("字"));
    }
    QString errorOf(int slot) const {
        try {
            seeds(slot);
        } catch (const DataError& e) {
            return e.message();
        }
        return QString();
    }
};

constexpr std::uint8_t Slot0 = InsideBit | 1;
constexpr std::uint8_t Slot1 = InsideBit | 2;

} // namespace

TEST(WhiteAreas, FindsEachClosedAreaAndItsMostInteriorPixel) {
    Canvas c;
    c.fill(10, 10, 20, 10, Slot0); // outline on x 10, 29 and y 10, 19; white x 11-28, y 11-18
    c.fill(50, 50, 7, 30, Slot1);  // white x 51-55, y 51-78
    const std::vector<bool> black = outline(c.states);
    const std::vector<WhiteArea> areas = whiteAreas(c.states, black);
    ASSERT_EQ(areas.size(), 3u); // the background, then the two rectangles in reading order
    EXPECT_EQ(areas[0].state, 0);
    EXPECT_EQ(areas[1].state, Slot0);
    EXPECT_EQ(areas[1].size, 18 * 8);
    // Four pixels from the outline on rows 14 and 15 and columns 14-25: the first of them.
    EXPECT_EQ(areas[1].interior, QPoint(14, 14));
    EXPECT_EQ(areas[2].size, 5 * 28);
    EXPECT_EQ(areas[2].interior.x(), 53);
}

TEST(WhiteAreas, JoinsPixelsOnlyThroughTheirEdges) {
    // A square cut by a one-pixel diagonal: the white pixels on either side touch at
    // corners only, so a fill that follows edges needs a seed on each side.
    Canvas c;
    c.fill(10, 10, 20, 20, Slot0);
    std::vector<bool> black = outline(c.states);
    for (int x = 11; x < 29; ++x) {
        black[size_t((40 - x) * PictureWidth + x)] = true;
    }
    const std::vector<WhiteArea> areas = whiteAreas(c.states, black);
    ASSERT_EQ(areas.size(), 3u);
    EXPECT_EQ(areas[1].size + areas[2].size, 18 * 18 - 17); // 17 pixels of the diagonal lie inside
    EXPECT_EQ(slotSeeds(c.states, black, areas, 0, QStringLiteral("字")).seeds.size(), 2u);
}

TEST(SlotSeeds, PutsTheLargestAreaFirstAndCoversEveryAreaOfTheSlot) {
    Canvas c;
    c.fill(10, 10, 8, 8, Slot0);
    c.fill(40, 10, 20, 20, Slot0);
    c.fill(10, 40, 30, 10, Slot1);
    c.fill(30, 60, 10, 10, Slot0 | Slot1); // an area that both slots' roots cover
    const SlotSeeds first = c.seeds(0);
    ASSERT_EQ(first.seeds.size(), 3u);
    EXPECT_EQ(first.seeds[0], QPoint(49, 19)); // in the 20 x 20 square
    EXPECT_EQ(first.seeds[1], QPoint(34, 64)); // in the shared square
    EXPECT_EQ(first.seeds[2], QPoint(13, 13));
    EXPECT_DOUBLE_EQ(first.coverage, 1.0);
    const SlotSeeds second = c.seeds(1);
    ASSERT_EQ(second.seeds.size(), 2u);
    EXPECT_EQ(second.seeds[1], QPoint(34, 64));
}

TEST(SlotSeeds, KeepsNineSeedsWhenTheRestIsSmallAndStopsOtherwise) {
    Canvas small;
    for (int i = 0; i < 9; ++i) {
        small.fill(2 + 11 * i, 2, 10, 40, Slot0);
    }
    small.fill(2, 60, 3, 3, Slot0); // a tenth area of one white pixel
    const SlotSeeds nine = small.seeds(0);
    EXPECT_EQ(nine.seeds.size(), size_t(MaxSeeds));
    EXPECT_GT(nine.coverage, 0.99);
    EXPECT_LT(nine.coverage, 1.0);

    Canvas many;
    for (int i = 0; i < 12; ++i) {
        many.fill(2 + 8 * i, 2, 7, 7, Slot0);
    }
    EXPECT_TRUE(many.errorOf(0).startsWith(u"字: the root of slot 0 needs more than 9 seed points"))
        << many.errorOf(0).toStdString();
}

TEST(Slivers, AreDrawnBlackWhenARootHasMoreAreasThanSeeds) {
    Canvas c;
    for (int i = 0; i < 9; ++i) {
        c.fill(2 + 11 * i, 2, 10, 40, Slot0);
    }
    c.fill(2, 60, 4, 5, Slot0);          // six white pixels
    c.fill(20, 60, 3, 3, Slot0 | Slot1); // one white pixel, shared with slot 1
    c.fill(40, 60, 30, 10, Slot1);
    std::vector<bool> black = outline(c.states);
    const std::vector<bool> before = black;
    const auto drawn =
        fillSlivers(c.states, black, {true, false, false, false}, QStringLiteral("字"));
    EXPECT_EQ(drawn, (std::array{6 + 1, 1, 0, 0}));
    int added = 0;
    for (size_t p = 0; p < black.size(); ++p) {
        added += black[p] != before[p];
    }
    EXPECT_EQ(added, 6 + 1);
    const std::vector<WhiteArea> areas = whiteAreas(c.states, black);
    const SlotSeeds seeds = slotSeeds(c.states, black, areas, 0, QStringLiteral("字"));
    EXPECT_EQ(seeds.seeds.size(), 9u);
    EXPECT_DOUBLE_EQ(seeds.coverage, 1.0);
    EXPECT_EQ(slotSeeds(c.states, black, areas, 1, QStringLiteral("字")).seeds.size(), 1u);

    // A root with nine areas or fewer keeps them all.
    fillSlivers(c.states, black, {false, true, false, false}, QStringLiteral("字"));
    EXPECT_EQ(whiteAreas(c.states, black).size(), areas.size());

    // The tenth area is more than a sliver: the root cannot be coloured with nine seeds.
    c.fill(2, 80, 7, 7, Slot0);
    black = outline(c.states);
    try {
        fillSlivers(c.states, black, {true, true, false, false}, QStringLiteral("字"));
        FAIL() << "no error";
    } catch (const DataError& e) {
        EXPECT_EQ(e.message(), u"字: the root of slot 0 needs more than 9 seed points "
                               u"(12 white areas, the tenth of 25 pixels)");
    }
}

TEST(SlotSeeds, GivesARootDrawnAsOutlineOneSeedOnItsOwnBlackPixels) {
    Canvas c;
    c.fill(10, 10, 40, 2, Slot0); // two pixels thick: no white inside
    const SlotSeeds seeds = c.seeds(0);
    ASSERT_EQ(seeds.seeds.size(), 1u);
    EXPECT_EQ(c.states.at(seeds.seeds[0].x(), seeds.seeds[0].y()), Slot0);
    EXPECT_TRUE(outline(c.states)[size_t(seeds.seeds[0].y() * PictureWidth + seeds.seeds[0].x())]);
    EXPECT_DOUBLE_EQ(seeds.coverage, 1.0);

    EXPECT_TRUE(c.errorOf(1).startsWith(u"字: the root of slot 1 covers no pixel"));
}

TEST(SeedList, WritesTwipsRightAlignedInFourColumns) {
    EXPECT_EQ(formatSeedList({}), u"");
    EXPECT_EQ(formatSeedList({QPoint(1, 2), QPoint(107, 108), QPoint(0, 66)}),
              u"  15  3016051620   0 990");
}
