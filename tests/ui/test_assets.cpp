#include "core/failure.h"
#include "ui/assets.h"

#include <QFile>
#include <QSet>

#include <gtest/gtest.h>

using namespace zilvaro;

namespace {

// The colour type and bit depth a PNG file's header declares.
struct PngHeader {
    int bitDepth = -1;
    int colourType = -1;
};

PngHeader pngHeader(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray head = file.read(26);
    if (head.size() < 26 || !head.startsWith("\x89PNG\r\n\x1a\n") || head.mid(12, 4) != "IHDR") {
        return {};
    }
    return {static_cast<unsigned char>(head[24]), static_cast<unsigned char>(head[25])};
}

// The bits per pixel of an uncompressed BMP file; -1 for anything else.
int uncompressedBmpDepth(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray head = file.read(34);
    if (head.size() < 34 || !head.startsWith("BM")) {
        return -1;
    }
    auto le = [&](int at, int bytes) {
        quint32 value = 0;
        for (int i = bytes - 1; i >= 0; --i) {
            value = value << 8 | static_cast<unsigned char>(head[at + i]);
        }
        return value;
    };
    return le(30, 4) == 0 ? static_cast<int>(le(28, 2)) : -1;
}

constexpr int kTrueColour = 2; // PNG colour type: red, green, blue, no alpha
constexpr int kPalette = 3;

} // namespace

TEST(Assets, TrueColourPicturesHaveTheirSizesAndNoAlpha) {
    struct Expected {
        QString path;
        QSize size;
    };
    // The window's own pictures are uncompressed 24-bit BMP, the banner a 24-bit PNG.
    for (const Expected& e :
         {Expected{assets::kBackground, {614, 339}}, Expected{assets::kNoEntry, {386, 33}}}) {
        SCOPED_TRACE(e.path.toStdString());
        const QImage image = assets::picture(e.path);
        EXPECT_EQ(image.size(), e.size);
        EXPECT_FALSE(image.hasAlphaChannel());
        EXPECT_EQ(uncompressedBmpDepth(e.path), 24);
    }
    const QImage banner = assets::picture(assets::kBanner);
    EXPECT_EQ(banner.size(), QSize(407, 71));
    EXPECT_FALSE(banner.hasAlphaChannel());
    const PngHeader header = pngHeader(assets::kBanner);
    EXPECT_EQ(header.colourType, kTrueColour);
    EXPECT_EQ(header.bitDepth, 8); // 8 bits for each of three channels: 24-bit colour
}

TEST(Assets, BackgroundPanelsSitOnTheGreyGround) {
    const QImage image = assets::picture(assets::kBackground);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(0xE9, 0xE9, 0xE9));
    EXPECT_EQ(image.pixelColor(300, 20), QColor(0xE9, 0xE9, 0xE9));
    // Straight parts of the outlines, one pixel of #333333, white inside.
    EXPECT_EQ(image.pixelColor(10, 180), QColor(0x33, 0x33, 0x33));
    EXPECT_EQ(image.pixelColor(124, 180), QColor(0x33, 0x33, 0x33));
    EXPECT_EQ(image.pixelColor(60, 38), QColor(0x33, 0x33, 0x33));
    EXPECT_EQ(image.pixelColor(137, 180), QColor(0x33, 0x33, 0x33));
    EXPECT_EQ(image.pixelColor(605, 180), QColor(0x33, 0x33, 0x33));
    EXPECT_EQ(image.pixelColor(300, 326), QColor(0x33, 0x33, 0x33));
    EXPECT_EQ(image.pixelColor(11, 180), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(370, 180), QColor(Qt::white));
    // The shadow darkens the ground just outside the lower right of each panel.
    EXPECT_LT(image.pixelColor(126, 200).lightness(), QColor(0xE9, 0xE9, 0xE9).lightness());
    EXPECT_LT(image.pixelColor(400, 328).lightness(), QColor(0xE9, 0xE9, 0xE9).lightness());
    // Rounded corners: the very corner pixel is not outline.
    EXPECT_NE(image.pixelColor(10, 38), QColor(0x33, 0x33, 0x33));
}

TEST(Assets, HandCursorIsAWhiteHandWithABlackOutline) {
    const QImage image =
        assets::picture(assets::kHandCursor).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(image.size(), QSize(32, 32));
    int black = 0, white = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) == 0) {
                continue;
            }
            ASSERT_EQ(qAlpha(p), 255) << x << "," << y;
            if ((p & 0xFFFFFF) == 0) {
                ++black;
            } else {
                ASSERT_EQ(p & 0xFFFFFF, 0xFFFFFFu) << x << "," << y;
                ++white;
            }
        }
    }
    EXPECT_GT(white, 100);
    EXPECT_GT(black, 50);
    // The hot spot is on the tip of the finger: outline, with nothing above it.
    EXPECT_EQ(image.pixel(assets::kHandHotSpot), qRgba(0, 0, 0, 255));
    EXPECT_EQ(image.pixel(5, 1), qRgba(255, 255, 255, 255));

    const QCursor cursor = assets::handCursor();
    EXPECT_EQ(cursor.hotSpot(), QPoint(5, 0));
    EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));
}

TEST(Assets, IconHasSixteenColoursAtThirtyTwoPixels) {
    const QImage image = assets::picture(assets::kIcon);
    EXPECT_EQ(image.size(), QSize(32, 32));
    EXPECT_EQ(pngHeader(assets::kIcon).colourType, kPalette);
    EXPECT_LE(image.colorCount(), 16);
    QSet<QRgb> used;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            used.insert(image.pixel(x, y));
        }
    }
    EXPECT_LE(used.size(), 16);
    EXPECT_GE(used.size(), 8); // a picture, not a blot
    // Transparent round the design.
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);

    const QIcon icon = assets::icon();
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size)));
        if (size != 32) {
            EXPECT_EQ(assets::picture(assets::iconPath(size)).size(), QSize(size, size));
        }
    }
}

TEST(Assets, IdentificationCodePicturesAreBlackOnWhite) {
    QSet<QByteArray> seen;
    for (int index = 0; index < assets::kIdentificationCodeCount; ++index) {
        SCOPED_TRACE(index);
        const QImage image = assets::identificationCode(index);
        EXPECT_EQ(image.size(), index == 13 ? QSize(108, 108) : QSize(108, 109));
        EXPECT_EQ(image.depth(), 1);
        int black = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y) | 0xFF000000u;
                ASSERT_TRUE(p == 0xFF000000u || p == 0xFFFFFFFFu) << x << "," << y;
                black += p == 0xFF000000u;
            }
        }
        // Mostly white, with the three parts in black: structure, circle, caption.
        EXPECT_GT(black, 300);
        EXPECT_LT(black, image.width() * image.height() / 4);
        auto inkIn = [&](int top, int bottom) {
            for (int y = top; y < bottom; ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    if ((image.pixel(x, y) & 0xFFFFFF) == 0) {
                        return true;
                    }
                }
            }
            return false;
        };
        EXPECT_TRUE(inkIn(0, 25));
        EXPECT_TRUE(inkIn(image.height() - 28, image.height()));
        EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
        // Every key has a picture of its own.
        QByteArray bits(reinterpret_cast<const char*>(image.constBits()),
                        static_cast<qsizetype>(image.sizeInBytes()));
        EXPECT_FALSE(seen.contains(bits));
        seen.insert(bits);
    }
}

TEST(Assets, IdentificationCodeNumbersOutsideTheSixteenAreFailures) {
    EXPECT_EQ(assets::identificationCodePath(9), QStringLiteral(":/assets/idcode/09.bmp"));
    EXPECT_EQ(assets::identificationCodePath(15), QStringLiteral(":/assets/idcode/15.bmp"));
    EXPECT_THROW(assets::identificationCodePath(16), Failure);
    EXPECT_THROW(assets::identificationCodePath(-1), Failure);
    EXPECT_THROW(assets::picture(QStringLiteral(":/assets/none.png")), Failure);
}

TEST(Assets, SharpPicturesAreTheSameDrawnTwiceAsFine) {
    EXPECT_EQ(assets::sharpPath(assets::kBackground), QStringLiteral(":/assets/background@2x.bmp"));
    EXPECT_EQ(assets::sharpPath(assets::identificationCodePath(9)),
              QStringLiteral(":/assets/idcode/09@2x.bmp"));
    std::vector<std::pair<QImage, QImage>> pairs = {
        {assets::picture(assets::kBackground), assets::picture(assets::kBackground, 2)},
        {assets::picture(assets::kNoEntry), assets::picture(assets::kNoEntry, 2)}};
    for (int index = 0; index < assets::kIdentificationCodeCount; ++index) {
        pairs.emplace_back(assets::identificationCode(index), assets::identificationCode(index, 2));
    }
    for (const auto& [plain, sharp] : pairs) {
        SCOPED_TRACE(plain.width());
        EXPECT_EQ(plain.devicePixelRatio(), 1.0);
        EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
        ASSERT_EQ(sharp.size(), plain.size() * 2);
        EXPECT_EQ(sharp.depth(), plain.depth());
        EXPECT_EQ(sharp.hasAlphaChannel(), plain.hasAlphaChannel());
        // Reduced to the plain picture's size, the sharp one shows the same: dark where
        // it is dark, light where it is light, but for the edges of its strokes.
        int agree = 0;
        for (int y = 0; y < plain.height(); ++y) {
            for (int x = 0; x < plain.width(); ++x) {
                const int reduced =
                    (qGray(sharp.pixel(2 * x, 2 * y)) + qGray(sharp.pixel(2 * x + 1, 2 * y)) +
                     qGray(sharp.pixel(2 * x, 2 * y + 1)) +
                     qGray(sharp.pixel(2 * x + 1, 2 * y + 1))) /
                    4;
                agree += (qGray(plain.pixel(x, y)) < 128) == (reduced < 128);
            }
        }
        EXPECT_GT(agree, plain.width() * plain.height() * 90 / 100);
    }
    // The panels' outlines are two pixels of #333333 where the plain picture has one.
    const QImage background = pairs[0].second;
    EXPECT_EQ(background.pixelColor(20, 360), QColor(0x33, 0x33, 0x33));
    EXPECT_EQ(background.pixelColor(21, 360), QColor(0x33, 0x33, 0x33));
    EXPECT_EQ(background.pixelColor(22, 360), QColor(Qt::white));
    EXPECT_EQ(background.pixelColor(0, 0), QColor(0xE9, 0xE9, 0xE9));
    EXPECT_EQ(uncompressedBmpDepth(assets::sharpPath(assets::kBackground)), 24);
}
