#include "lookup/flood_fill.h"
#include "lookup/picture_surface.h"
#include "picture_art.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

#include <deque>

using namespace zilvaro;
using namespace zilvaro::test;

namespace {

const QRgb Black = qRgb(0, 0, 0);
const QRgb White = qRgb(255, 255, 255);
const QRgb Red = qRgb(255, 0, 0);
const QRgb Blue = qRgb(0, 0, 255);

// The plain breadth-first fill the scanline fill must agree with.
QImage referenceFill(QImage image, int x, int y, QRgb colour, FloodMode mode, QRgb fill) {
    const QImage before = image;
    auto joins = [&](int px, int py) {
        const bool same = (before.pixel(px, py) & 0xFFFFFFu) == (colour & 0xFFFFFFu);
        return mode == FloodMode::Surface ? same : !same;
    };
    if (!joins(x, y)) {
        return image;
    }
    std::vector<bool> seen(static_cast<std::size_t>(image.width() * image.height()));
    std::deque<QPoint> queue{QPoint(x, y)};
    seen[static_cast<std::size_t>(y * image.width() + x)] = true;
    while (!queue.empty()) {
        const QPoint p = queue.front();
        queue.pop_front();
        image.setPixel(p, fill);
        for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint n = p + d;
            if (n.x() < 0 || n.y() < 0 || n.x() >= image.width() || n.y() >= image.height()) {
                continue;
            }
            const auto i = static_cast<std::size_t>(n.y() * image.width() + n.x());
            if (!seen[i] && joins(n.x(), n.y())) {
                seen[i] = true;
                queue.push_back(n);
            }
        }
    }
    return image;
}

} // namespace

TEST(FloodFill, SurfaceModePaintsOnlyTheConnectedAreaOfTheSeedColour) {
    QImage image = fromArt({
        "..........",
        ".####.....",
        ".#..#..b..",
        ".#..#.....",
        ".####.....",
        "..........",
    });
    EXPECT_TRUE(floodFill(image, 2, 2, White, FloodMode::Surface, Red));
    EXPECT_EQ(toArt(image), (std::vector<std::string>{
                                "..........",
                                ".####.....",
                                ".#rr#..b..",
                                ".#rr#.....",
                                ".####.....",
                                "..........",
                            }));
    // The outside is one area that surrounds the box and the blue dot.
    EXPECT_TRUE(floodFill(image, 0, 0, White, FloodMode::Surface, Blue));
    EXPECT_EQ(countColour(image, Blue), 60 - 12 - 4);
    EXPECT_EQ(countColour(image, Red), 4);
}

TEST(FloodFill, BorderModePaintsEveryColourUpToTheBorder) {
    QImage image = fromArt({
        "rrrrrr...",
        "r.b#.r.b.",
        "r#.gbr...",
        "rrrrrr...",
    });
    EXPECT_TRUE(floodFill(image, 1, 1, Red, FloodMode::Border, Black));
    EXPECT_EQ(toArt(image), (std::vector<std::string>{
                                "rrrrrr...",
                                "r####r.b.",
                                "r####r...",
                                "rrrrrr...",
                            }));
    // A seed on the border colour has no area.
    EXPECT_FALSE(floodFill(image, 0, 0, Red, FloodMode::Border, Black));
    EXPECT_EQ(countColour(image, Red), 16);
}

TEST(FloodFill, SeedsOutsideOrOfAnotherColourPaintNothing) {
    const QImage original = fromArt({"...", ".#.", "..."});
    for (QPoint seed : {QPoint(-1, 0), QPoint(0, -1), QPoint(3, 0), QPoint(0, 3),
                        QPoint(-100000, 5), QPoint(1 << 30, 1 << 30)}) {
        QImage image = original;
        EXPECT_FALSE(floodFill(image, seed.x(), seed.y(), White, FloodMode::Surface, Red));
        EXPECT_FALSE(floodFill(image, seed.x(), seed.y(), Black, FloodMode::Border, Red));
        EXPECT_EQ(image, original);
    }
    // Surface mode, seed not of the surface colour.
    QImage image = original;
    EXPECT_FALSE(floodFill(image, 1, 1, White, FloodMode::Surface, Red));
    EXPECT_EQ(image, original);
}

TEST(FloodFill, SeedOnTheFillColourLeavesThePictureAsItWas) {
    const QImage original = fromArt({"##..", "#..#", "####"});
    QImage image = original;
    // Black painted black: the area exists, and nothing changes.
    EXPECT_TRUE(floodFill(image, 0, 0, Black, FloodMode::Surface, Black));
    EXPECT_EQ(image, original);
}

TEST(FloodFill, DoesNotLeakThroughADiagonalGapInAnOutline) {
    // The outline's pixels touch only at corners on the right-hand side.
    QImage image = fromArt({
        "........",
        ".####...",
        ".#..#...",
        ".#...#..",
        ".#..#...",
        ".####...",
        "........",
    });
    EXPECT_TRUE(floodFill(image, 2, 2, White, FloodMode::Surface, Red));
    EXPECT_EQ(toArt(image), (std::vector<std::string>{
                                "........",
                                ".####...",
                                ".#rr#...",
                                ".#rrr#..",
                                ".#rr#...",
                                ".####...",
                                "........",
                            }));
}

TEST(FloodFill, ReachesEveryCornerOfWindingAreas) {
    // A spiral and a comb: runs that must be found above and below, left and right of
    // where the fill comes from.
    QImage image = fromArt({
        ".........#.......",
        ".#######.#.#.#.#.",
        ".#.....#.#.#.#.#.",
        ".#.###.#.#.#.#.#.",
        ".#.#.#.#.#.#.#.#.",
        ".#.#...#...#...#.",
        ".#.#####.#######.",
        ".#...............",
        ".#########.######",
        "...........#.....",
    });
    const QImage expected = referenceFill(image, 4, 4, White, FloodMode::Surface, Red);
    EXPECT_TRUE(floodFill(image, 4, 4, White, FloodMode::Surface, Red));
    EXPECT_EQ(toArt(image), toArt(expected));
    EXPECT_EQ(countColour(image, White), 5); // walled off at the bottom right
}

TEST(FloodFill, AgreesWithABreadthFirstFillOnNoise) {
    QRandomGenerator random(20261209);
    for (int round = 0; round < 20; ++round) {
        QImage image(37, 23, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const auto r = random.bounded(10);
                image.setPixel(x, y, r < 4 ? Black : (r < 5 ? Blue : White));
            }
        }
        const int x = static_cast<int>(random.bounded(image.width()));
        const int y = static_cast<int>(random.bounded(image.height()));
        const QRgb seed = image.pixel(x, y);
        for (FloodMode mode : {FloodMode::Surface, FloodMode::Border}) {
            const QRgb bound = mode == FloodMode::Surface ? seed : Black;
            QImage filled = image;
            floodFill(filled, x, y, bound, mode, Red);
            EXPECT_EQ(toArt(filled), toArt(referenceFill(image, x, y, bound, mode, Red)))
                << "round " << round << " seed " << x << "," << y;
        }
    }
}

TEST(FloodFill, HandsEachPixelOfTheAreaToThePainterOnce) {
    QImage image = fromArt({"..#..", ".#...", "....#", "##.#."});
    std::vector<int> hits(static_cast<std::size_t>(image.width() * image.height()), 0);
    EXPECT_TRUE(findFloodArea(image, 0, 0, White, FloodMode::Surface, [&](int y, int from, int to) {
        ASSERT_LE(from, to);
        for (int x = from; x <= to; ++x) {
            ++hits[static_cast<std::size_t>(y * image.width() + x)];
        }
    }));
    int painted = 0;
    for (int h : hits) {
        EXPECT_LE(h, 1);
        painted += h;
    }
    EXPECT_EQ(painted, 13); // all white but the lone pixel at the bottom right
}

TEST(FloodFill, FillsAHugeAreaWithoutRecursion) {
    // 2000 x 2000 pixels, once as an open field and once as a serpentine of one-pixel
    // corridors, the worst case for a recursive fill's depth.
    QImage open(2000, 2000, QImage::Format_RGB32);
    open.fill(White);
    EXPECT_TRUE(floodFill(open, 1000, 1000, White, FloodMode::Surface, Black));
    EXPECT_EQ(countColour(open, Black), 2000 * 2000);

    QImage maze(2000, 2000, QImage::Format_RGB32);
    maze.fill(White);
    for (int y = 1; y < 2000; y += 2) {
        auto* row = reinterpret_cast<QRgb*>(maze.scanLine(y));
        std::fill(row, row + 2000, Black);
        row[(y / 2) % 2 == 0 ? 1999 : 0] = White; // the way through to the next corridor
    }
    EXPECT_TRUE(floodFill(maze, 0, 0, White, FloodMode::Surface, Red));
    EXPECT_EQ(countColour(maze, White), 0);
}

TEST(FloodFill, ConvertsAOneBitPictureBeforePainting) {
    QImage mono = fromArt({"....", ".##.", "#..#", "...."}).convertToFormat(QImage::Format_Mono);
    ASSERT_EQ(mono.format(), QImage::Format_Mono);
    EXPECT_TRUE(floodFill(mono, 1, 2, White, FloodMode::Surface, Black));
    EXPECT_EQ(toArt(mono), (std::vector<std::string>{"....", ".##.", "####", "####"}));
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
