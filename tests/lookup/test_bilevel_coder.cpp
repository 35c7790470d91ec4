#include "lookup/bilevel_coder.h"

#include <gtest/gtest.h>

#include <random>

using namespace zilvaro;

namespace {

BitRows randomRows(int rowBytes, int rows, unsigned seed, int inkPercent) {
    std::mt19937 random(seed);
    BitRows picture{rowBytes, rows, QByteArray(rowBytes * rows, '\0')};
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (static_cast<int>(random() % 100) < inkPercent) {
                picture.bits[y * rowBytes + x / 8] |= static_cast<char>(0x80 >> (x % 8));
            }
        }
    }
    return picture;
}

} // namespace

TEST(BilevelCoder, TheWalkersContextsAreTheNeighboursThePictureHolds) {
    // Coding uses the walker; the model is defined by contextOf: a picture coded with a
    // model that tells contexts apart decodes only if the two agree pixel for pixel.
    const BitRows picture = randomRows(4, 9, 7, 40);
    std::vector<BitRows> one{picture};
    const BilevelModel model = BilevelModel::trainedOn(one);
    const auto decoded = decodeBitRows(encodeBitRows(picture, model), 4, 9, model);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->bits, picture.bits);
    // The neighbours of a pixel by hand: (1, 2) in a picture with ink at (0, 2), (4, 1) and
    // (3, 0): left 1, the row before +3, two rows before +2.
    BitRows three{1, 3, QByteArray(3, '\0')};
    three.bits[2] = '\x80';
    three.bits[1] = '\x08';
    three.bits[0] = '\x10';
    EXPECT_EQ(BilevelModel::contextOf(three, 1, 2), 1u | 1u << 4 | 1u << 11);
    EXPECT_EQ(BilevelModel::contextOf(three, 0, 0), 0u);
}

TEST(BilevelCoder, AnyPictureComesBackWithAnyModelAndADamagedCodeIsTold) {
    const BilevelModel even;
    for (const int ink : {0, 3, 50, 100}) {
        SCOPED_TRACE(ink);
        const BitRows picture = randomRows(28, 218, 11 + ink, ink);
        const BilevelModel trained = BilevelModel::trainedOn({picture});
        for (const BilevelModel* model : {&even, &trained}) {
            const QByteArray code = encodeBitRows(picture, *model);
            const auto decoded = decodeBitRows(code, 28, 218, *model);
            ASSERT_TRUE(decoded);
            EXPECT_EQ(decoded->bits, picture.bits);
            // A code cut short, or with a byte too many, is no picture.
            EXPECT_FALSE(decodeBitRows(code.chopped(1), 28, 218, *model));
            EXPECT_FALSE(decodeBitRows(code + '\0', 28, 218, *model));
        }
        // A blank page costs next to nothing once trained.
        if (ink == 0) {
            EXPECT_LT(encodeBitRows(picture, trained).size(), 8);
        }
    }
    const BilevelModel model = BilevelModel::trainedOn({randomRows(28, 218, 5, 3)});
    const auto back = BilevelModel::fromBytes(model.toBytes());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->toBytes(), model.toBytes());
    EXPECT_FALSE(BilevelModel::fromBytes(model.toBytes().chopped(2)));
    QByteArray zero = model.toBytes();
    zero[0] = 0;
    zero[1] = 0;
    EXPECT_FALSE(BilevelModel::fromBytes(zero));
    zero[1] = 0x10; // 4096: certain, which no pixel may be
    EXPECT_FALSE(BilevelModel::fromBytes(zero));
}
