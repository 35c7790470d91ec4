#include "glyph_images.h"
#include "ui/fonts.h"

#include <QFontInfo>
#include <QFontMetricsF>

#include <gtest/gtest.h>

using namespace zilvaro;
using namespace zilvaro::test;

namespace {

struct Size {
    double points;
    bool bold;
    bool underline;
};
// Every size and weight the windows use.
const Size sizes[] = {{9, false, false},
                      {9, false, true},
                      {10.5, true, false},
                      {12, false, false},
                      {12, true, false}};

QFont chineseOnly(const Size& size) {
    QFont font = songFont(size.points, size.bold, size.underline);
    font.setFamilies(chineseSongFamilies());
    return font;
}

} // namespace

TEST(SongFont, KeepsItsSizeAndWeight) {
    for (const Size& size : sizes) {
        const QFont font = songFont(size.points, size.bold, size.underline);
        EXPECT_DOUBLE_EQ(font.pointSizeF(), size.points);
        EXPECT_EQ(font.weight(), size.bold ? QFont::Bold : QFont::Normal);
        EXPECT_EQ(font.underline(), size.underline);
    }
    EXPECT_EQ(songFamilies().mid(1), chineseSongFamilies());
    EXPECT_EQ(chineseSongFamilies().first(), QStringLiteral("宋体"));
    // On this system the Song families end in a font that has the Chinese characters.
    EXPECT_TRUE(QFontMetrics(chineseOnlySongFont(9)).inFont(QChar(0x5B57))); // 字
}

TEST(SongFont, DrawsLOneAndCapitalIAsThreeGlyphsAtEverySize) {
    for (const Size& size : sizes) {
        QString why;
        EXPECT_TRUE(
            tellsLOneAndCapitalIApart(songFont(size.points, size.bold, size.underline), &why))
            << why.toStdString();
    }
}

TEST(SongFont, DrawsChineseTextAsTheSongFontAlone) {
    // Characters, the full-width punctuation of the window's captions and the brackets of
    // its headings.
    const QString texts[] = {QStringLiteral("字"),
                             QStringLiteral("输入查询汉字"),
                             QStringLiteral("〖编码〗"),
                             QStringLiteral("鼠标选择笔画输入："),
                             QStringLiteral("可以帮你，作者"),
                             QStringLiteral("联系ＱＱ")};
    for (const Size& size : sizes) {
        for (const QString& text : texts) {
            const QImage ink = inkOf(songFont(size.points, size.bold, size.underline), text);
            ASSERT_FALSE(ink.isNull());
            EXPECT_EQ(ink, inkOf(chineseOnly(size), text))
                << text.toStdString() << " at " << size.points;
        }
    }
}

TEST(SongFont, TheChineseOnlyFontKeepsTheSongBlankAndLineHeight) {
    const QFont strip = chineseOnlySongFont(12);
    EXPECT_DOUBLE_EQ(strip.pointSizeF(), 12);
    EXPECT_EQ(strip.weight(), QFont::Normal);
    const QFontMetricsF metrics(strip);
    const QFontMetricsF song(chineseOnly({12, false, false}));
    // A character and its blank: one and a half characters wide.
    EXPECT_DOUBLE_EQ(metrics.horizontalAdvance(QStringLiteral("啊 ")),
                     1.5 * metrics.horizontalAdvance(QStringLiteral("啊")));
    EXPECT_DOUBLE_EQ(metrics.horizontalAdvance(QStringLiteral("啊 阿 ")),
                     song.horizontalAdvance(QStringLiteral("啊 阿 ")));
    EXPECT_DOUBLE_EQ(metrics.lineSpacing(), song.lineSpacing());
    EXPECT_EQ(inkOf(strip, QStringLiteral("啊 阿")),
              inkOf(chineseOnly({12, false, false}), QStringLiteral("啊 阿")));
}

TEST(SongFont, TheCheckCatchesASongFontThatDrawsTwoOfThemAlike) {
    // AR PL UMing, the Song font of Debian systems, draws 1 and I as one glyph at 9 pt:
    // the reason the Latin face comes first.
    QFont uming = songFont(9);
    uming.setFamilies({QStringLiteral("AR PL UMing CN")});
    ASSERT_TRUE(QFontInfo(uming).family().contains(QStringLiteral("UMing")));
    QString why;
    EXPECT_FALSE(tellsLOneAndCapitalIApart(uming, &why));
    EXPECT_TRUE(why.contains(QStringLiteral(" differ in 0 pixels"))) << why.toStdString();
}
