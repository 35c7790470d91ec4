#include "common/data_error.h"
#include "seed_points.h"

#include <gtest/gtest.h>

using namespace zilvaro::build;
using zilvaro::tools::DataError;

namespace {

// A picture's states drawn by hand: rectangles of one state each, in the decomposition
// picture or (scale 2) in the sharp one.
struct Canvas {
    explicit Canvas(int scale = 1)
        : states{std::vector<std::uint8_t>(size_t(PictureWidth * PictureHeight * scale * scale), 0),
                 PictureWidth * scale, PictureHeight * scale} {}
    PixelStates states;
    void fill(int left, int top, int width, int height, std::uint8_t state) {
        for (int y = top; y < top + height; ++y) {
            for (int x = left; x < left + width; ++x) {
                states.state[size_t(y * states.width + x)] = state;
            }
        }
    }
    SlotSeeds seeds(int slot) const {
        std::vector<bool> black = outline(states);
        const SeedPicture picture(states, black);
        return slotSeeds({&picture}, slot, QStringLiteral("字"));
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
    const SeedPicture picture(c.states, black);
    EXPECT_EQ(slotSeeds({&picture}, 0, QStringLiteral("字")).seeds.size(), 2u);
}

TEST(SlotSeeds, PutsTheLargestAreaFirstAndCoversEveryAreaOfTheSlot) {
    Canvas c;
    c.fill(10, 10, 8, 8, Slot0);
    c.fill(40, 10, 20, 20, Slot0);
    c.fill(10, 40, 30, 10, Slot1);
    c.fill(30, 60, 10, 10, Slot0 | Slot1); // an area that both slots' roots cover
    const SlotSeeds first = c.seeds(0);
    // In twips, 15 to the pixel: the most interior pixels (49, 19), (34, 64) and (13, 13).
    ASSERT_EQ(first.seeds.size(), 3u);
    EXPECT_EQ(first.seeds[0], QPoint(735, 285)); // in the 20 x 20 square
    EXPECT_EQ(first.seeds[1], QPoint(510, 960)); // in the shared square
    EXPECT_EQ(first.seeds[2], QPoint(195, 195));
    EXPECT_EQ(first.coverage, std::vector<double>{1.0});
    const SlotSeeds second = c.seeds(1);
    ASSERT_EQ(second.seeds.size(), 2u);
    EXPECT_EQ(second.seeds[1], QPoint(510, 960));
}

TEST(SlotSeeds, KeepsNineSeedsWhenTheRestIsSmallAndStopsOtherwise) {
    Canvas small;
    for (int i = 0; i < 9; ++i) {
        small.fill(2 + 11 * i, 2, 10, 40, Slot0);
    }
    small.fill(2, 60, 3, 3, Slot0); // a tenth area of one white pixel
    const SlotSeeds nine = small.seeds(0);
    EXPECT_EQ(nine.seeds.size(), size_t(zilvaro::MaxSeeds));
    EXPECT_GT(nine.coverage[0], 0.99);
    EXPECT_LT(nine.coverage[0], 1.0);

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
    const SeedPicture picture(c.states, black);
    const SlotSeeds seeds = slotSeeds({&picture}, 0, QStringLiteral("字"));
    EXPECT_EQ(seeds.seeds.size(), 9u);
    EXPECT_DOUBLE_EQ(seeds.coverage[0], 1.0);
    EXPECT_EQ(slotSeeds({&picture}, 1, QStringLiteral("字")).seeds.size(), 1u);

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
    const int x = pixelOfTwips(seeds.seeds[0].x(), 1);
    const int y = pixelOfTwips(seeds.seeds[0].y(), 1);
    EXPECT_EQ(c.states.at(x, y), Slot0);
    EXPECT_TRUE(outline(c.states)[size_t(y * PictureWidth + x)]);
    EXPECT_DOUBLE_EQ(seeds.coverage[0], 1.0);

    EXPECT_TRUE(c.errorOf(1).startsWith(u"字: the root of slot 1 covers no pixel"));
}

TEST(SeedList, FindsThePixelOfTwipsAsTheProgramsFillDoes) {
    // 15 twips a pixel in the decomposition picture, 7.5 in the sharp one, to the nearest.
    EXPECT_EQ(pixelOfTwips(0, 1), 0);
    EXPECT_EQ(pixelOfTwips(7, 1), 0);
    EXPECT_EQ(pixelOfTwips(8, 1), 1);
    EXPECT_EQ(pixelOfTwips(1620, 1), 108);
    EXPECT_EQ(pixelOfTwips(3, 2), 0);
    EXPECT_EQ(pixelOfTwips(4, 2), 1);
    EXPECT_EQ(pixelOfTwips(11, 2), 1);
    EXPECT_EQ(pixelOfTwips(12, 2), 2);
    EXPECT_EQ(pixelOfTwips(1620, 2), 216);
}

namespace {

// The seeds of slot 0 for a decomposition picture and a sharp one drawn by hand.
SlotSeeds sharedSeeds(const Canvas& low, const Canvas& sharp) {
    std::vector<bool> lowBlack = outline(low.states);
    std::vector<bool> sharpBlack = outline(sharp.states);
    const SeedPicture lowPicture(low.states, lowBlack);
    const SeedPicture sharpPicture(sharp.states, sharpBlack, false);
    return slotSeeds({&lowPicture, &sharpPicture}, 0, QStringLiteral("字"));
}

} // namespace

TEST(SharedSeeds, LieInTheRootInBothPicturesWhereTheAreasAreOffsetByAPixel) {
    // A stroke whose one white column is x = 20 in the picture (outline at 19 and 21) but
    // x = 41 in the sharp one, where the seed of the picture's pixel (300 twips, pixel 40)
    // would fall on the outline. Only 304 to 307 twips hit both.
    Canvas low;
    low.fill(19, 10, 3, 30, Slot0);
    Canvas sharp(2);
    sharp.fill(40, 20, 3, 60, Slot0);
    const SlotSeeds seeds = sharedSeeds(low, sharp);
    ASSERT_EQ(seeds.seeds.size(), 1u);
    EXPECT_EQ(pixelOfTwips(seeds.seeds[0].x(), 1), 20);
    EXPECT_EQ(pixelOfTwips(seeds.seeds[0].x(), 2), 41);
    EXPECT_EQ(seeds.coverage, (std::vector<double>{1.0, 1.0}));
    EXPECT_EQ(seeds.rootPixels, (std::vector<int>{3 * 30, 3 * 60}));
}

TEST(SharedSeeds, CoverAreasThatOnlyOnePictureSplits) {
    // The sharp picture splits the root in two (a cut across it); the picture does not.
    // Two seeds: both land in the picture's one area, one in each of the sharp areas.
    Canvas low;
    low.fill(10, 10, 40, 10, Slot0);
    Canvas sharp(2);
    sharp.fill(20, 20, 40, 20, Slot0);
    sharp.fill(60, 20, 2, 20, Slot1); // the cut: another root's stroke
    sharp.fill(62, 20, 38, 20, Slot0);
    const SlotSeeds seeds = sharedSeeds(low, sharp);
    ASSERT_EQ(seeds.seeds.size(), 2u);
    EXPECT_EQ(seeds.coverage, (std::vector<double>{1.0, 1.0}));
    for (const QPoint& seed : seeds.seeds) {
        EXPECT_EQ(low.states.at(pixelOfTwips(seed.x(), 1), pixelOfTwips(seed.y(), 1)), Slot0);
    }
}

TEST(SharedSeeds, NameTheCharacterWhenNoPointServesBothPictures) {
    // The sharp picture draws the stroke elsewhere: every point of the picture's root
    // falls on the background or the outline of the sharp one.
    Canvas low;
    low.fill(10, 10, 10, 10, Slot0);
    Canvas sharp(2);
    sharp.fill(120, 120, 20, 20, Slot0);
    try {
        sharedSeeds(low, sharp);
        FAIL() << "no error";
    } catch (const DataError& e) {
        EXPECT_TRUE(e.message().startsWith(u"字: the root of slot 0 "));
        EXPECT_TRUE(e.message().contains(u"picture")) << e.message().toStdString();
    }
}

TEST(Slivers, MayBeLargeWhereEveryShownRootCoversThem) {
    // Slot 0 has nine areas of its own and a tenth, larger than a sliver, that slot 1's
    // root covers too: with slots 0 and 1 shown, both fill it anyway, so it is drawn black.
    Canvas c;
    for (int i = 0; i < 9; ++i) {
        c.fill(2 + 11 * i, 2, 10, 40, Slot0);
    }
    c.fill(2, 60, 10, 10, Slot0 | Slot1); // 64 white pixels
    c.fill(40, 60, 30, 10, Slot1);
    std::vector<bool> black = outline(c.states);
    EXPECT_EQ(fillSlivers(c.states, black, {true, true, false, false}, QStringLiteral("字")),
              (std::array{64, 64, 0, 0}));
    // With slot 2 shown as well, the area would stay white there: it is no sliver.
    black = outline(c.states);
    EXPECT_THROW(fillSlivers(c.states, black, {true, true, true, false}, QStringLiteral("字")),
                 DataError);
}
