#include "ui/fonts.h"
#include "ui/form_controls.h"

#include <QFontMetrics>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace zilvaro;

TEST(FormControls, TwipsBecomePixelsRoundedHalfToEven) {
    EXPECT_EQ(twipsToPixels(0), 0);
    EXPECT_EQ(twipsToPixels(9210), 614);
    EXPECT_EQ(twipsToPixels(1676), 112); // 111.73
    EXPECT_EQ(twipsToPixels(2002), 133); // 133.47
    EXPECT_EQ(twipsToPixels(5785), 386); // 385.67
    EXPECT_EQ(twipsToPixels(112), 7);    // 7.47
    EXPECT_EQ(twipsToPixels(-20), -1);   // -1.33
    EXPECT_EQ(twipsRect(2400, 3660, 1365, 345), QRect(160, 244, 91, 23));
    EXPECT_EQ(twipsPoint(2310, 2670), QPoint(154, 178));
}

TEST(FormControls, LabelsTakeTheSizeOfTheirCaption) {
    QLabel label;
    label.setFont(songFont(12, true));
    label.setText(QStringLiteral("gggg  ggg"));
    sizeToText(label);
    const QFontMetrics metrics(label.font());
    EXPECT_EQ(label.width(), metrics.horizontalAdvance(label.text()));
    EXPECT_EQ(label.height(), metrics.height());
    const int wide = label.width();
    label.setText(QStringLiteral("g"));
    sizeToText(label);
    EXPECT_LT(label.width(), wide);
    label.setText(QString());
    sizeToText(label);
    EXPECT_EQ(label.width(), 0);
    EXPECT_EQ(label.height(), metrics.height());

    // An underlined caption keeps its underline inside the label.
    label.setFont(songFont(9, false, true));
    label.setText(QStringLiteral("https://zilvaro.example"));
    sizeToText(label);
    const QFontMetrics underlined(label.font());
    EXPECT_LE(label.height(), underlined.height() + 3);
    QImage image(label.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    label.render(&image);
    // The underline: a row inked almost all the way across.
    bool underlineDrawn = false;
    for (int y = 0; y < image.height(); ++y) {
        int inked = 0;
        for (int x = 0; x < image.width(); ++x) {
            inked += image.pixelColor(x, y) != QColor(Qt::white);
        }
        underlineDrawn = underlineDrawn || inked > image.width() * 9 / 10;
    }
    EXPECT_TRUE(underlineDrawn);
}

TEST(FormControls, LinkLabelClicksOnlyOnAPressAndReleaseOverIt) {
    QWidget window;
    auto* link = new LinkLabel(&window);
    link->setGeometry(10, 10, 100, 20);
    window.show();
    QSignalSpy clicks(link, &LinkLabel::clicked);
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
    QTest::mouseClick(link, Qt::RightButton);
    EXPECT_EQ(clicks.count(), 1);
    QTest::mousePress(link, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(5, 50));
    EXPECT_EQ(clicks.count(), 1);
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(5, 5)); // release without a press
    EXPECT_EQ(clicks.count(), 1);
}

TEST(FormControls, LinesCoverTheirPixelsBothEndsIncluded) {
    QWidget window;
    window.resize(200, 200);
    LineControl across(&window, {22, 230}, {386, 230}, Qt::gray);
    EXPECT_EQ(across.geometry(), QRect(22, 230, 365, 1));
    LineControl wide(&window, {22, 231}, {385, 231}, Qt::white, 2);
    EXPECT_EQ(wide.geometry(), QRect(22, 231, 364, 2));
    LineControl down(&window, {596, 66}, {596, 169}, Qt::black);
    EXPECT_EQ(down.geometry(), QRect(596, 66, 1, 104));
    LineControl backwards(&window, {50, 10}, {10, 10}, Qt::black);
    EXPECT_EQ(backwards.geometry(), QRect(10, 10, 41, 1));
    EXPECT_TRUE(across.testAttribute(Qt::WA_TransparentForMouseEvents));

    // What it paints is exactly its colour.
    QWidget host;
    host.resize(20, 20);
    LineControl line(&host, {2, 5}, {12, 5}, QColor(0x80, 0x80, 0x80), 2);
    const QImage image = host.grab().toImage();
    EXPECT_EQ(image.pixelColor(2, 5), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(image.pixelColor(12, 6), QColor(0x80, 0x80, 0x80));
    EXPECT_NE(image.pixelColor(13, 5), QColor(0x80, 0x80, 0x80));
    EXPECT_NE(image.pixelColor(2, 7), QColor(0x80, 0x80, 0x80));
}
