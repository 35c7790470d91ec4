#include "outline_picture.h"
#include "svg_path.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zilvaro::build;

namespace {

// A rectangle on the 1024 grid (y up), as the outlines give it.
QPainterPath box(int left, int bottom, int right, int top) {
    return parseSvgPath(QStringLiteral("M %1 %2 L %3 %2 L %3 %4 L %1 %4 Z")
                            .arg(left)
                            .arg(bottom)
                            .arg(right)
                            .arg(top));
}

// A cross: a horizontal bar in slot 0 and a vertical bar in slot 1 that crosses it, and a
// small square at the top that no slot shows.
StrokeOutlines cross() {
    return {box(100, 300, 900, 450), box(430, -100, 580, 800), box(700, 700, 850, 850)};
}
const std::vector<std::uint8_t> crossSlots{1, 2, 0};

struct Extent {
    int left = PictureWidth, top = PictureHeight, right = -1, bottom = -1;
};

Extent insideExtent(const PixelStates& states) {
    Extent e;
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            if (states.at(x, y) & InsideBit) {
                e.left = std::min(e.left, x);
                e.right = std::max(e.right, x);
                e.top = std::min(e.top, y);
                e.bottom = std::max(e.bottom, y);
            }
        }
    }
    return e;
}

} // namespace

TEST(DecompositionPicture, RecordsWhichSlotsCoverEachPixel) {
    const PixelStates states = rasterise(cross(), crossSlots);
    ASSERT_EQ(states.state.size(), size_t(PictureWidth * PictureHeight));
    // Sample pixels by their place in the 1024 grid: the crossing holds both slots.
    int both = 0, onlyFirst = 0, onlySecond = 0, unshown = 0;
    for (const std::uint8_t s : states.state) {
        both += s == (InsideBit | 3);
        onlyFirst += s == (InsideBit | 1);
        onlySecond += s == (InsideBit | 2);
        unshown += s == InsideBit;
    }
    EXPECT_GT(both, 150); // about 15 x 15 pixels
    EXPECT_GT(onlyFirst, both);
    EXPECT_GT(onlySecond, both);
    EXPECT_GT(unshown, 150);
    // y points up in the outlines: the unshown square lies top right in the picture.
    double sumX = 0, sumY = 0;
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            if (states.at(x, y) == InsideBit) {
                sumX += x;
                sumY += y;
            }
        }
    }
    EXPECT_GT(sumX / unshown, PictureWidth * 0.6);
    EXPECT_LT(sumY / unshown, PictureHeight * 0.3);
}

TEST(DecompositionPicture, CentresTheCharacterAtOneScaleForAll) {
    // Wide and short, then narrow and tall: both centred, both at the same scale, and the
    // widest characters of the outlines (1000 units) keep a small margin.
    const Extent wide = insideExtent(rasterise({box(12, 400, 1012, 500)}, {1}));
    EXPECT_NEAR(wide.left, PictureWidth - 1 - wide.right, 1);
    EXPECT_NEAR(wide.top, PictureHeight - 1 - wide.bottom, 1);
    EXPECT_GE(wide.left, 2);
    EXPECT_GE(wide.right - wide.left + 1, 100);

    const Extent tall = insideExtent(rasterise({box(0, -100, 100, 400)}, {1}));
    EXPECT_NEAR(tall.left, PictureWidth - 1 - tall.right, 1);
    EXPECT_NEAR(tall.top, PictureHeight - 1 - tall.bottom, 1);
    EXPECT_NEAR((tall.bottom - tall.top + 1) / 500.0, (wide.right - wide.left + 1) / 1000.0, 0.003);

    // One larger than the grid is made to fit.
    const Extent huge = insideExtent(rasterise({box(-500, -500, 1500, 1500)}, {1}));
    EXPECT_GE(huge.left, 1);
    EXPECT_GE(huge.top, 1);
    EXPECT_LE(huge.right, PictureWidth - 2);
    EXPECT_LE(huge.bottom, PictureHeight - 2);
}

TEST(DecompositionPicture, OutlinesSeparateEveryStateFromEveryOther) {
    const PixelStates states = rasterise(cross(), crossSlots);
    const std::vector<bool> black = outline(states);
    // Two white pixels that touch, even at a corner, have the same state: no flood fill
    // can leak from one root's area into another's or into the background.
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            const bool white = !black[size_t(y * PictureWidth + x)];
            const bool border = x == 0 || y == 0 || x == PictureWidth - 1 || y == PictureHeight - 1;
            if (border) {
                EXPECT_TRUE(white && states.at(x, y) == 0) << x << "," << y;
            }
            for (int dy = -1; dy <= 1 && white; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= PictureWidth || ny >= PictureHeight) {
                        continue;
                    }
                    if (!black[size_t(ny * PictureWidth + nx)]) {
                        ASSERT_EQ(states.at(x, y), states.at(nx, ny)) << x << "," << y;
                    }
                }
            }
        }
    }
    // Across the horizontal bar, left of the crossing: one black pixel at each edge, white
    // between them (the outline is one pixel thick).
    const int x = insideExtent(states).left + 5;
    std::vector<int> rows;
    for (int y = 0; y < PictureHeight; ++y) {
        if (states.at(x, y) & 1) {
            rows.push_back(y);
        }
    }
    ASSERT_GE(rows.size(), 10u);
    for (const int y : rows) {
        const bool edge = y == rows.front() || y == rows.back();
        EXPECT_EQ(black[size_t(y * PictureWidth + x)], edge) << y;
    }
}

TEST(DecompositionPicture, SavesAOneBitBitmapOfTheRightSize) {
    const std::vector<bool> black = outline(rasterise(cross(), crossSlots));
    const QImage image = outlineImage(black);
    EXPECT_EQ(image.format(), QImage::Format_Mono);
    EXPECT_EQ(image.size(), QSize(108, 109));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("十.bmp"));
    ASSERT_TRUE(image.save(path, "BMP"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(30);
    EXPECT_EQ(header.left(2), "BM");
    EXPECT_EQ(quint8(header[18]) | quint8(header[19]) << 8, 108); // width
    EXPECT_EQ(quint8(header[22]) | quint8(header[23]) << 8, 109); // height
    EXPECT_EQ(quint8(header[28]), 1);                             // bits per pixel

    const QImage loaded(path);
    ASSERT_FALSE(loaded.isNull());
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            ASSERT_EQ(qGray(loaded.pixel(x, y)), black[size_t(y * PictureWidth + x)] ? 0 : 255);
        }
    }
}

// The same picture gives the same file: every byte that pads a row is zero, for both
// picture sizes, and the file reads back to the same pixels.
TEST(DecompositionPicture, WritesTheSameFileForTheSamePixels) {
    const std::vector<bool> black = outline(rasterise(cross(), crossSlots));
    const std::vector<bool> sharp = outline(rasterise(cross(), crossSlots, 2));
    for (const QImage& picture : {outlineImage(black), outlineImage(sharp, 2 * PictureWidth)}) {
        const QByteArray bytes = bitmapFileBytes(picture);
        ASSERT_FALSE(bytes.isEmpty());
        const int width = picture.width();
        const int stride = (width + 31) / 32 * 4;
        const int used = (width + 7) / 8;
        const int pixels = quint8(bytes[10]) | quint8(bytes[11]) << 8;
        ASSERT_EQ(bytes.size(), pixels + stride * picture.height());
        for (int row = 0; row < picture.height(); ++row) {
            for (int i = used; i < stride; ++i) {
                ASSERT_EQ(bytes[pixels + row * stride + i], '\0') << width << " row " << row;
            }
        }
        EXPECT_EQ(bitmapFileBytes(picture), bytes);
        const QImage loaded = QImage::fromData(bytes, "BMP");
        EXPECT_EQ(loaded.convertToFormat(QImage::Format_RGB32),
                  picture.convertToFormat(QImage::Format_RGB32));
    }
}

TEST(DecompositionPicture, DrawsTheSharpPictureFromTheSameGeometryTwiceAsFine) {
    const PixelStates low = rasterise(cross(), crossSlots);
    const PixelStates sharp = rasterise(cross(), crossSlots, SharpScale);
    ASSERT_EQ(sharp.width, 216);
    ASSERT_EQ(sharp.height, 218);
    ASSERT_EQ(sharp.scale(), 2);
    ASSERT_EQ(sharp.state.size(), size_t(216 * 218));
    // Each pixel of the picture has the state of one of the four sharp pixels it covers.
    int agree = 0, inside = 0;
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            const std::uint8_t own = low.at(x, y);
            agree += own == sharp.at(2 * x, 2 * y) || own == sharp.at(2 * x + 1, 2 * y) ||
                     own == sharp.at(2 * x, 2 * y + 1) || own == sharp.at(2 * x + 1, 2 * y + 1);
            inside += (own & InsideBit) != 0;
        }
    }
    EXPECT_GT(inside, 1000);
    EXPECT_EQ(agree, PictureWidth * PictureHeight);

    // The outline rule is the same: one pixel on each side of an edge, so the sharp
    // outline is as many pixels wide and twice as long. Along the middle row of the
    // vertical bar's lower part (slot 1 alone), the outline runs are two pixels across.
    const std::vector<bool> black = outline(sharp);
    const int y = 200;
    std::vector<int> runs;
    for (int x = 0, run = 0; x <= sharp.width; ++x) {
        if (x < sharp.width && black[size_t(y * sharp.width + x)]) {
            ++run;
        } else if (run > 0) {
            runs.push_back(run);
            run = 0;
        }
    }
    EXPECT_EQ(runs, (std::vector<int>{2, 2}));
    const QImage image = outlineImage(black, sharp.width);
    EXPECT_EQ(image.size(), QSize(216, 218));
    EXPECT_EQ(image.format(), QImage::Format_Mono);
}
