#include "lookup/root_fill.h"

#include "lookup/flood_fill.h"
#include "lookup/picture_surface.h"
#include "picture_art.h"

#include <gtest/gtest.h>

using namespace zilvaro;
using namespace zilvaro::test;

namespace {
const QRgb Black = qRgb(0, 0, 0);
}

TEST(RootFill, FillsEachSeedsAreaBlack) {
    // Two white cells inside a black frame, and a red cell.
    const QImage picture = fromArt({
        "#########",
        "#..#..#r#",
        "#..#..###",
        "#########",
    });
    PictureSurface slot(9, 4);
    slot.setPicture(picture);
    // Seed 1 in the left cell at pixel (1, 1); seed 2 in the same cell at (2, 2);
    // seed 3 on the frame; seed 4 far outside.
    fillSlotFromSeedList(slot, u"  15  15  30  30   0   09999 100");
    EXPECT_EQ(toArt(slot.surface()), (std::vector<std::string>{
                                         "#########",
                                         "####..#r#",
                                         "####..###",
                                         "#########",
                                     }));
    // The red cell's area turns black too; a list of blanks paints nothing more.
    fillSlotFromSeedList(slot, u" 105  15");
    fillSlotFromSeedList(slot, QString(72, u' '));
    EXPECT_EQ(toArt(slot.surface())[1], "####..###");
    EXPECT_EQ(slot.FillStyle(), FillTransparent);
}

// Module3::FloodFillPicture on a picture box, in twips.

TEST(FloodFillPicture, SeedInTwipsGoesToTheNearestPixel) {
    PictureSurface box(4, 1);
    box.setPicture(fromArt({"..#."}));
    // 22 twips is 1.47 pixels, pixel 1; 23 twips is 1.53, pixel 2 (black already).
    Module3::FloodFillPicture(box, 23, 0, BoxBlack);
    EXPECT_EQ(toArt(box.surface()), std::vector<std::string>{"..#."});
    Module3::FloodFillPicture(box, 22, 0, BoxColour{0x0000FF}); // 00BBGGRR: red
    EXPECT_EQ(toArt(box.surface()), std::vector<std::string>{"rr#."});
    // Pixel 3, from 45 twips: a separate area.
    Module3::FloodFillPicture(box, 45, 7, BoxColour{0xFF0000}); // blue
    EXPECT_EQ(toArt(box.surface()), std::vector<std::string>{"rr#b"});
}

TEST(FloodFillPicture, SeedOutsideOrOnBlackPaintsNothing) {
    PictureSurface box(3, 3);
    box.setPicture(fromArt({"...", ".#.", "..."}));
    const QImage before = box.surface();
    for (auto [x, y] : {std::pair{-15, 0}, {0, -8}, {45, 0}, {0, 38}, {100000, 100000}}) {
        Module3::FloodFillPicture(box, x, y, BoxBlack);
    }
    Module3::FloodFillPicture(box, 15, 15, BoxBlack); // the black centre
    EXPECT_EQ(box.surface(), before);
    // A point just inside (37 twips is 2.47 pixels) still fills.
    Module3::FloodFillPicture(box, 37, 37, BoxBlack);
    EXPECT_EQ(countColour(box.surface(), Black), 9);
}

TEST(FloodFillPicture, BorderColourBoundsTheArea) {
    PictureSurface box(6, 3);
    box.setPicture(fromArt({"..r...", ".br...", "..r..."}));
    Module3::FloodFillPicture(box, 0, 0, BoxBlack, BoxColour{0x0000FF});
    EXPECT_EQ(toArt(box.surface()), (std::vector<std::string>{"##r...", "##r...", "##r..."}));
}

TEST(FloodFillPicture, KeepsTheBoxsOwnBrush) {
    PictureSurface box(3, 1);
    box.setPicture(fromArt({"..."}));
    box.setFillStyle(FillTransparent);
    box.setFillColor(0x00FF00);
    Module3::FloodFillPicture(box, 0, 0, BoxBlack);
    // The fill painted black with a solid brush, whatever the box's brush was...
    EXPECT_EQ(toArt(box.surface()), std::vector<std::string>{"###"});
    // ...and the box's brush is the same afterwards: a fill with it paints nothing.
    EXPECT_EQ(box.FillStyle(), FillTransparent);
    EXPECT_EQ(box.FillColor(), 0x00FF00u);
    EXPECT_TRUE(box.ExtFloodFill(0, 0, BoxBlack, FloodMode::Surface));
    EXPECT_EQ(toArt(box.surface()), std::vector<std::string>{"###"});
    box.setFillStyle(FillSolid);
    EXPECT_TRUE(box.ExtFloodFill(0, 0, BoxBlack, FloodMode::Surface));
    EXPECT_EQ(toArt(box.surface()), std::vector<std::string>{"ggg"});
}
