#include "picture_art.h"
#include "ui/picture_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>

#include <functional>

using namespace zilvaro;
using namespace zilvaro::test;

namespace {
const QRgb Black = qRgb(0, 0, 0);
const QRgb White = qRgb(255, 255, 255);

QImage shown(PictureBox& box, qreal ratio = 1.0) {
    QImage image((box.size() * ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(qRgb(1, 2, 3));
    box.render(&image);
    image.setDevicePixelRatio(1.0);
    return image;
}
class PaintCounter : public QObject {
public:
    explicit PaintCounter(int& paints) : paints_(paints) {}
    bool eventFilter(QObject*, QEvent* event) override {
        paints_ += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }

private:
    int& paints_;
};
} // namespace

TEST(PictureBox, ShowsItsSurfaceWithTheFillsAtSlotSize) {
    PictureBox box;
    EXPECT_EQ(box.size(), QSize(112, 113));
    EXPECT_EQ(countColour(shown(box), White), 112 * 113); // empty: white

    box.surface().setPicture(fromArt({"...#", ".#..", "...#"}));
    box.surface().setFillStyle(FillSolid);
    box.surface().setFillColor(0x0000FF);
    ASSERT_TRUE(box.surface().ExtFloodFill(0, 0, BoxWhite, FloodMode::Surface));
    // Painted twice: the fill is part of what the box shows each time.
    for (int repaint = 0; repaint < 2; ++repaint) {
        const QImage image = shown(box);
        EXPECT_EQ(toArt(image, 5, 4),
                  (std::vector<std::string>{"rrr#r", "r#rrr", "rrr#r", "rrrrr"}));
        EXPECT_EQ(image, box.surface().surface());
    }
}

TEST(PictureBox, ScalesCrisplyOnHighDpiScreens) {
    PictureBox box(nullptr, 4, 2);
    box.surface().setPicture(fromArt({"#.#.", ".#.#"}));
    const QImage image = shown(box, 2.0);
    ASSERT_EQ(image.size(), QSize(8, 4));
    // Every picture pixel becomes a 2 x 2 block of its own colour, with no grey between.
    EXPECT_EQ(toArt(image),
              (std::vector<std::string>{"##..##..", "##..##..", "..##..##", "..##..##"}));
    EXPECT_EQ(countColour(image, Black) + countColour(image, White), 32);
}

TEST(PictureBox, RepaintsWhenItsSurfaceChanges) {
    PictureBox box;
    int paints = 0;
    PaintCounter counter(paints);
    box.installEventFilter(&counter);
    box.show();
    QApplication::processEvents();
    const std::vector<std::function<void()>> changes = {
        [&] { box.surface().setPicture(fromArt({"#"})); },
        [&] {
            box.surface().setFillStyle(FillSolid);
            box.surface().ExtFloodFill(5, 5, BoxWhite, FloodMode::Surface);
        },
        [&] { box.surface().clearDrawing(); },
        [&] { box.surface().clearPicture(); },
    };
    for (const auto& change : changes) {
        paints = 0;
        change();
        QApplication::processEvents();
        EXPECT_GE(paints, 1);
    }
}

TEST(PictureBox, ShowsASharpPictureAtItsLogicalSize) {
    PictureBox box(nullptr, 2, 1);
    QImage sharp = fromArt({"#...", ".#.#"});
    sharp.setDevicePixelRatio(2.0);
    box.surface().setPicture(sharp);
    EXPECT_EQ(box.sizeHint(), QSize(2, 1));
    EXPECT_EQ(box.size(), QSize(2, 1));
    // At ratio 2, one picture pixel to one screen pixel.
    EXPECT_EQ(toArt(shown(box, 2.0)), (std::vector<std::string>{"#...", ".#.#"}));
    // At ratio 1 (a window moved to another screen), the four pixels of each screen
    // pixel blend: grey, neither black nor white.
    const QImage small = shown(box, 1.0);
    ASSERT_EQ(small.size(), QSize(2, 1));
    EXPECT_GT(qGray(small.pixel(0, 0)), 40);
    EXPECT_LT(qGray(small.pixel(0, 0)), 215);
}

TEST(PictureBox, SmoothsOnlyWhereTheScreenIsNoWholeMultipleOfThePicture) {
    EXPECT_FALSE(PictureBox::scalesSmoothly(1.0, 1));
    EXPECT_FALSE(PictureBox::scalesSmoothly(2.0, 1));
    EXPECT_FALSE(PictureBox::scalesSmoothly(2.0, 2));
    EXPECT_FALSE(PictureBox::scalesSmoothly(4.0, 2));
    EXPECT_TRUE(PictureBox::scalesSmoothly(1.5, 2));
    EXPECT_TRUE(PictureBox::scalesSmoothly(1.25, 2));
    EXPECT_TRUE(PictureBox::scalesSmoothly(1.75, 2));
    EXPECT_TRUE(PictureBox::scalesSmoothly(3.0, 2));
    EXPECT_TRUE(PictureBox::scalesSmoothly(1.0, 2));
    EXPECT_TRUE(PictureBox::scalesSmoothly(1.5, 1));
}
