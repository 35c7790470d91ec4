#include "lookup/flood_fill.h"
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

// Paints the area findFloodArea finds with fill, into a 32-bit copy of the image (the
// area is read from the image as it was).
bool paintArea(QImage& image, int x, int y, QRgb colour, FloodMode mode, QRgb fill) {
    const QImage source = image;
    image = image.convertToFormat(QImage::Format_RGB32);
    return findFloodArea(source, x, y, colour, mode, [&](int row, int from, int to) {
        auto* pixels = reinterpret_cast<QRgb*>(image.scanLine(row));
        std::fill(pixels + from, pixels + to + 1, fill);
    });
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
    EXPECT_TRUE(paintArea(image, 2, 2, White, FloodMode::Surface, Red));
    EXPECT_EQ(toArt(image), (std::vector<std::string>{
                                "..........",
                                ".####.....",
                                ".#rr#..b..",
                                ".#rr#.....",
                                ".####.....",
                                "..........",
                            }));
    // The outside is one area that surrounds the box and the blue dot.
    EXPECT_TRUE(paintArea(image, 0, 0, White, FloodMode::Surface, Blue));
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
    EXPECT_TRUE(paintArea(image, 1, 1, Red, FloodMode::Border, Black));
    EXPECT_EQ(toArt(image), (std::vector<std::string>{
                                "rrrrrr...",
                                "r####r.b.",
                                "r####r...",
                                "rrrrrr...",
                            }));
    // A seed on the border colour has no area.
    EXPECT_FALSE(paintArea(image, 0, 0, Red, FloodMode::Border, Black));
    EXPECT_EQ(countColour(image, Red), 16);
}

TEST(FloodFill, SeedsOutsideOrOfAnotherColourPaintNothing) {
    const QImage original = fromArt({"...", ".#.", "..."});
    for (QPoint seed : {QPoint(-1, 0), QPoint(0, -1), QPoint(3, 0), QPoint(0, 3),
                        QPoint(-100000, 5), QPoint(1 << 30, 1 << 30)}) {
        QImage image = original;
        EXPECT_FALSE(paintArea(image, seed.x(), seed.y(), White, FloodMode::Surface, Red));
        EXPECT_FALSE(paintArea(image, seed.x(), seed.y(), Black, FloodMode::Border, Red));
        EXPECT_EQ(image, original);
    }
    // Surface mode, seed not of the surface colour.
    QImage image = original;
    EXPECT_FALSE(paintArea(image, 1, 1, White, FloodMode::Surface, Red));
    EXPECT_EQ(image, original);
}

TEST(FloodFill, SeedOnTheFillColourLeavesThePictureAsItWas) {
    const QImage original = fromArt({"##..", "#..#", "####"});
    QImage image = original;
    // Black painted black: the area exists, and nothing changes.
    EXPECT_TRUE(paintArea(image, 0, 0, Black, FloodMode::Surface, Black));
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
    EXPECT_TRUE(paintArea(image, 2, 2, White, FloodMode::Surface, Red));
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
    EXPECT_TRUE(paintArea(image, 4, 4, White, FloodMode::Surface, Red));
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
            paintArea(filled, x, y, bound, mode, Red);
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
    EXPECT_TRUE(paintArea(open, 1000, 1000, White, FloodMode::Surface, Black));
    EXPECT_EQ(countColour(open, Black), 2000 * 2000);

    QImage maze(2000, 2000, QImage::Format_RGB32);
    maze.fill(White);
    for (int y = 1; y < 2000; y += 2) {
        auto* row = reinterpret_cast<QRgb*>(maze.scanLine(y));
        std::fill(row, row + 2000, Black);
        row[(y / 2) % 2 == 0 ? 1999 : 0] = White; // the way through to the next corridor
    }
    EXPECT_TRUE(paintArea(maze, 0, 0, White, FloodMode::Surface, Red));
    EXPECT_EQ(countColour(maze, White), 0);
}

TEST(FloodFill, ReadsAOneBitPicture) {
    QImage mono = fromArt({"....", ".##.", "#..#", "...."}).convertToFormat(QImage::Format_Mono);
    ASSERT_EQ(mono.format(), QImage::Format_Mono);
    EXPECT_TRUE(paintArea(mono, 1, 2, White, FloodMode::Surface, Black));
    EXPECT_EQ(toArt(mono), (std::vector<std::string>{"....", ".##.", "####", "####"}));
}
