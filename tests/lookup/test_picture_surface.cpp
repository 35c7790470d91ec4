#include "core/failure.h"
#include "lookup/picture_surface.h"
#include "lookup/root_fill.h"
#include "picture_art.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QTemporaryDir>

using namespace zilvaro;
using namespace zilvaro::test;

namespace {
const QRgb Black = qRgb(0, 0, 0);
const QRgb White = qRgb(255, 255, 255);
} // namespace

TEST(PictureSurface, ColoursConvertBetweenBoxAndImageOrder) {
    EXPECT_EQ(boxColourFromRgb(qRgb(0x12, 0x34, 0x56)), 0x563412u);
    EXPECT_EQ(rgbFromBoxColour(0x563412u) & 0xFFFFFFu, 0x123456u);
    EXPECT_EQ(boxColourFromRgb(qRgba(255, 0, 0, 0)), 0x0000FFu); // alpha is dropped
}

TEST(PictureSurface, AnEmptySlotIsWhiteAtItsFixedSize) {
    PictureSurface slot;
    EXPECT_EQ(slot.surface().size(), QSize(112, 113));
    EXPECT_EQ(countColour(slot.surface(), White), 112 * 113);
    EXPECT_FALSE(slot.hasPicture());
    EXPECT_EQ(slot.ScaleMode(), ScaleUnit::Twip);
    // 1680 x 1695 twips.
    EXPECT_DOUBLE_EQ(slot.ScaleX(1680, ScaleUnit::Twip, ScaleUnit::Pixel), 112);
    EXPECT_DOUBLE_EQ(slot.ScaleY(1695, ScaleUnit::Twip, ScaleUnit::Pixel), 113);
    EXPECT_DOUBLE_EQ(slot.ScaleX(2, ScaleUnit::Pixel, ScaleUnit::Twip), 30);
}

TEST(PictureSurface, DrawsThePictureUnscaledAtTheTopLeftOnWhite) {
    PictureSurface small(5, 4);
    small.setPicture(fromArt({"#.#", "rbg"}));
    EXPECT_EQ(toArt(small.surface()),
              (std::vector<std::string>{"#.#..", "rbg..", ".....", "....."}));

    // A picture larger than the box is cut at the box's edges.
    PictureSurface tiny(2, 1);
    tiny.setPicture(fromArt({"#r#", "###"}));
    EXPECT_EQ(toArt(tiny.surface()), std::vector<std::string>{"#r"});

    // A stored resolution other than 96 dpi does not scale the picture.
    QImage dense = fromArt({"##", "##"});
    dense.setDotsPerMeterX(11811); // 300 dpi
    dense.setDotsPerMeterY(11811);
    dense.setDevicePixelRatio(2.0);
    PictureSurface box(4, 4);
    box.setPicture(dense);
    EXPECT_EQ(countColour(box.surface(), Black), 4);
}

TEST(PictureSurface, SettingCopyingAndEmptyingDiscardFills) {
    const QImage picture = fromArt({"..", "#."});
    PictureSurface first(3, 3);
    first.setPicture(picture);
    first.setFillStyle(FillSolid);
    first.setFillColor(0x0000FF);
    ASSERT_TRUE(first.ExtFloodFill(0, 0, BoxWhite, FloodMode::Surface));
    EXPECT_EQ(toArt(first.surface()), (std::vector<std::string>{"rrr", "#rr", "rrr"}));

    // A copy takes the picture alone; the source keeps its fills.
    PictureSurface second(3, 3);
    second.copyPictureFrom(first);
    EXPECT_EQ(toArt(second.surface()), (std::vector<std::string>{"...", "#..", "..."}));
    EXPECT_EQ(first.Point(0, 0), 0x0000FF);

    // Clearing the drawing keeps the picture; setting a picture again starts afresh.
    first.clearDrawing();
    EXPECT_EQ(toArt(first.surface()), toArt(second.surface()));
    first.ExtFloodFill(0, 0, BoxWhite, FloodMode::Surface);
    first.setPicture(picture);
    EXPECT_EQ(toArt(first.surface()), toArt(second.surface()));

    // Emptying leaves white and no picture: a copy from an empty box empties too.
    first.clearPicture();
    EXPECT_FALSE(first.hasPicture());
    EXPECT_EQ(countColour(first.surface(), White), 9);
    second.copyPictureFrom(first);
    EXPECT_EQ(countColour(second.surface(), White), 9);
    second.setPicture(picture);
    second.setPicture(QImage());
    EXPECT_FALSE(second.hasPicture());
}

TEST(PictureSurface, PointReadsThePixelUnderTwipsOrMinusOneOutside) {
    PictureSurface box(3, 2);
    box.setPicture(fromArt({".r.", "..b"}));
    EXPECT_EQ(box.Point(15, 0), 0x0000FF);  // red, in 00BBGGRR
    EXPECT_EQ(box.Point(22, 0), 0x0000FF);  // 1.47 -> pixel 1
    EXPECT_EQ(box.Point(29, 0), 0xFFFFFF);  // 1.93 -> pixel 2
    EXPECT_EQ(box.Point(37, 22), 0xFF0000); // (2.47, 1.47) -> (2, 1): blue
    EXPECT_EQ(box.Point(38, 0), -1);        // 2.53 -> pixel 3, outside
    EXPECT_EQ(box.Point(0, 23), -1);        // 1.53 -> row 2, outside
    EXPECT_EQ(box.Point(-8, 0), -1);        // -0.53 -> pixel -1

    box.setScaleMode(ScaleUnit::Pixel);
    EXPECT_EQ(box.Point(2, 1), 0xFF0000);
    EXPECT_EQ(box.Point(3, 0), -1);
    // Halves go to even: 0.5 to pixel 0 and 1.5 to pixel 2, neither of them the red 1.
    EXPECT_EQ(box.Point(0.5, 0), 0xFFFFFF);
    EXPECT_EQ(box.Point(1.5, 0), 0xFFFFFF);
    EXPECT_EQ(box.Point(1.4, 0), 0x0000FF);
    EXPECT_EQ(box.Point(-0.5, -0.5), 0xFFFFFF);
}

TEST(PictureSurface, FillStylesPaintWithTheBrush) {
    PictureSurface box(10, 10);
    EXPECT_EQ(box.FillStyle(), FillTransparent);
    EXPECT_THROW(box.setFillStyle(2), Failure);
    EXPECT_THROW(box.setFillStyle(-1), Failure);

    // Transparent: the area exists but nothing is painted.
    EXPECT_TRUE(box.ExtFloodFill(0, 0, BoxWhite, FloodMode::Surface));
    EXPECT_EQ(countColour(box.surface(), White), 100);

    // Solid: the whole area in the brush's colour.
    box.setFillStyle(FillSolid);
    box.setFillColor(BoxBlack);
    EXPECT_TRUE(box.ExtFloodFill(5, 5, BoxWhite, FloodMode::Surface));
    EXPECT_EQ(countColour(box.surface(), Black), 100);

    // A colour beyond 24 bits (a Point outside) bounds nothing.
    EXPECT_FALSE(box.ExtFloodFill(5, 5, 0xFFFFFFFFu, FloodMode::Surface));
    EXPECT_FALSE(box.ExtFloodFill(5, 5, 0xFFFFFFFFu, FloodMode::Border));
}

TEST(PictureSurface, ChangesRunTheChangeHandler) {
    PictureSurface box(4, 4);
    int changes = 0;
    box.setChangeHandler([&] { ++changes; });
    box.setPicture(fromArt({"#"}));
    box.clearDrawing();
    box.clearPicture();
    EXPECT_EQ(changes, 3);
    box.setFillStyle(FillSolid);
    EXPECT_FALSE(box.ExtFloodFill(9, 9, BoxWhite, FloodMode::Surface)); // outside
    EXPECT_EQ(changes, 3);
    EXPECT_TRUE(box.ExtFloodFill(1, 1, BoxWhite, FloodMode::Surface));
    EXPECT_EQ(changes, 4);
}

// The decomposition pictures are 1-bit BMPs of 108 x 109 pixels.
TEST(PictureSurface, LoadsAndFillsAOneBitBmp) {
    QImage art(108, 109, QImage::Format_RGB32);
    art.fill(White);
    // A black ring around the centre and a black bar at the bottom.
    for (int y = 0; y < 109; ++y) {
        for (int x = 0; x < 108; ++x) {
            const int dx = x - 54;
            const int dy = y - 50;
            const int d2 = dx * dx + dy * dy;
            if ((d2 >= 20 * 20 && d2 <= 24 * 24) || y >= 100) {
                art.setPixel(x, y, Black);
            }
        }
    }
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("字.bmp"));
    const QImage mono = art.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
    ASSERT_TRUE(mono.save(path, "BMP"));

    const QImage loaded(path);
    ASSERT_FALSE(loaded.isNull());
    EXPECT_EQ(loaded.depth(), 1);
    EXPECT_EQ(loaded.size(), QSize(108, 109));

    PictureSurface slot;
    slot.setPicture(loaded);
    EXPECT_EQ(toArt(slot.surface(), 108, 109), toArt(art));
    // The slot's strip beyond the picture is white.
    EXPECT_EQ(slot.Point(110 * 15, 0), 0xFFFFFF);
    EXPECT_EQ(slot.Point(0, 112 * 15), 0xFFFFFF);

    // Fill the inside of the ring: exactly the disc inside turns black.
    slot.setFillStyle(FillSolid);
    slot.setFillColor(BoxBlack);
    ASSERT_TRUE(slot.ExtFloodFill(54, 50, BoxWhite, FloodMode::Surface));
    int disc = 0;
    for (int y = 0; y < 109; ++y) {
        for (int x = 0; x < 108; ++x) {
            const int d2 = (x - 54) * (x - 54) + (y - 50) * (y - 50);
            disc += d2 < 20 * 20 ? 1 : 0;
        }
    }
    EXPECT_EQ(countColour(slot.surface(), Black), countColour(art, Black) + disc);
    // The bar and the ring were black already, and the outside stays white.
    EXPECT_EQ(slot.Point(0, 0), 0xFFFFFF);
}

TEST(PictureSurface, EveryKindOfPictureLandsAsPaintingPutsIt) {
    // Opaque pictures are copied, others painted over white: each must come out as
    // painting the picture onto a white slot does.
    QImage mono(108, 109, QImage::Format_Mono);
    mono.setColor(0, qRgb(0, 0, 0));
    mono.setColor(1, qRgb(255, 255, 255));
    QImage indexed(120, 50, QImage::Format_Indexed8); // wider than the slot
    indexed.setColorCount(3);
    indexed.setColor(0, qRgb(200, 10, 10));
    indexed.setColor(1, qRgb(10, 200, 10));
    indexed.setColor(2, qRgb(10, 10, 200));
    QImage translucent(40, 120, QImage::Format_ARGB32); // taller than the slot
    for (int y = 0; y < 120; ++y) {
        for (int x = 0; x < 120; ++x) {
            if (x < 108 && y < 109) {
                mono.setPixel(x, y, (x * y + x) % 3 == 0 ? 0 : 1);
            }
            if (y < 50) {
                indexed.setPixel(x, y, static_cast<uint>((x + y) % 3));
            }
            if (x < 40) {
                translucent.setPixel(x, y, qRgba(0, 0, 255, (x * 6 + y) % 256));
            }
        }
    }
    for (const QImage& picture : {mono, indexed, translucent}) {
        SCOPED_TRACE(picture.format());
        QImage expected(112, 113, QImage::Format_RGB32);
        expected.fill(Qt::white);
        QPainter(&expected).drawImage(QPoint(0, 0), picture);
        PictureSurface slot;
        slot.setPicture(picture);
        EXPECT_EQ(slot.surface(), expected);
    }
}

TEST(PictureSurface, ASharpPictureDoublesTheSurfaceAndHalvesTheTwipsOfAPixel) {
    PictureSurface box(3, 2);
    // A picture of device pixel ratio 2: six by four pixels on the box's three by two.
    QImage sharp = fromArt({"......", "..r...", "......", ".....b"});
    sharp.setDevicePixelRatio(2.0);
    box.setPicture(sharp);
    EXPECT_EQ(box.scale(), 2);
    EXPECT_EQ(box.logicalSize(), QSize(3, 2));
    EXPECT_EQ(box.surface().size(), QSize(6, 4));
    EXPECT_EQ(box.surface().devicePixelRatio(), 2.0);
    // 7.5 twips a pixel: 15 twips is pixel 2, 22 twips is 2.93 -> pixel 3.
    EXPECT_EQ(box.Point(15, 7), 0x0000FF); // (2, 0.93 -> 1): red
    EXPECT_EQ(box.Point(22, 7), 0xFFFFFF);
    EXPECT_EQ(box.Point(37, 22), 0xFF0000); // (4.93, 2.93) -> (5, 3): blue
    EXPECT_EQ(box.Point(41, 0), 0xFFFFFF);  // 5.47 -> pixel 5, inside
    EXPECT_EQ(box.Point(42, 0), -1);        // 5.6 -> pixel 6, outside
    EXPECT_DOUBLE_EQ(box.ScaleX(15, ScaleUnit::Twip, ScaleUnit::Pixel), 2.0);

    // A flood fill from a seed in twips covers the area under it at device pixels.
    box.setFillStyle(FillSolid);
    box.setFillColor(BoxBlack);
    Module3::FloodFillPicture(box, 15, 7, BoxBlack); // the red pixel alone
    EXPECT_EQ(toArt(box.surface()),
              (std::vector<std::string>{"......", "..#...", "......", ".....b"}));

    // Copying keeps the scale; emptying, or a picture of ratio 1, returns to ratio 1.
    PictureSurface other(3, 2);
    other.copyPictureFrom(box);
    EXPECT_EQ(other.scale(), 2);
    EXPECT_EQ(toArt(other.surface()),
              (std::vector<std::string>{"......", "..r...", "......", ".....b"}));
    other.setPicture(fromArt({"r.."}));
    EXPECT_EQ(other.scale(), 1);
    EXPECT_EQ(other.surface().size(), QSize(3, 2));
    EXPECT_EQ(other.Point(0, 0), 0x0000FF);
    box.clearPicture();
    EXPECT_EQ(box.scale(), 1);
    EXPECT_EQ(box.surface().size(), QSize(3, 2));
    EXPECT_EQ(box.surface().devicePixelRatio(), 1.0);
}
