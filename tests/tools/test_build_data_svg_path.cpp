#include "common/data_error.h"
#include "stroke_outlines.h"
#include "svg_path.h"

#include <QFile>

#include <gtest/gtest.h>

using zilvaro::build::parseStrokeOutlines;
using zilvaro::build::parseSvgPath;
using zilvaro::tools::DataError;

TEST(SvgPath, ReadsTheCommandsOfTheStrokeOutlines) {
    // A square with a quadratic and a cubic side.
    const QPainterPath path =
        parseSvgPath(u"M 0 0 L 100 0 Q 120 50 100 100 C 60 110 40 110 0 100 Z");
    // Qt keeps a quadratic as a cubic; closing adds a line back to the start.
    EXPECT_EQ(path.elementCount(), 1 + 1 + 3 + 3 + 1);
    EXPECT_TRUE(path.contains(QPointF(50, 50)));
    EXPECT_TRUE(path.contains(QPointF(105, 50)));  // inside the bulge of the quadratic side
    EXPECT_FALSE(path.contains(QPointF(125, 50))); // beyond it
    EXPECT_NEAR(path.boundingRect().bottom(), 107.5, 0.01); // the cubic side's extreme
}

TEST(SvgPath, RepeatsACommandForFurtherNumbersAndAcceptsCommas) {
    const QPainterPath path = parseSvgPath(u"M0,0 10,0 L 10,10 0,10Z");
    ASSERT_EQ(path.elementCount(), 5);
    EXPECT_EQ(path.elementAt(1).type, QPainterPath::LineToElement);
    EXPECT_EQ(QPointF(path.elementAt(3)), QPointF(0, 10));
    EXPECT_TRUE(path.contains(QPointF(5, 5)));
}

TEST(SvgPath, RejectsWhatItCannotDraw) {
    EXPECT_THROW(parseSvgPath(u""), DataError);
    EXPECT_THROW(parseSvgPath(u"L 0 0 L 1 1 Z"), DataError); // no starting M
    EXPECT_THROW(parseSvgPath(u"M 0 0 l 5 5 Z"), DataError); // relative command
    EXPECT_THROW(parseSvgPath(u"M 0 0 A 1 1 0 0 1 5 5"), DataError);
    EXPECT_THROW(parseSvgPath(u"M 0 0 L 5 Z"), DataError); // half a point
    EXPECT_THROW(parseSvgPath(u"M 0 x L 5 5"), DataError);
}

TEST(StrokeOutlines, ReadsEveryStrokeAndNamesTheSourceOfAFault) {
    const auto strokes = parseStrokeOutlines(
        R"({"strokes": ["M 0 0 L 9 0 L 9 9 Z", "M 20 20 L 30 20 L 30 30 Z"], "medians": []})",
        QStringLiteral("x.json"));
    ASSERT_EQ(strokes.size(), 2u);
    EXPECT_TRUE(strokes[1].contains(QPointF(28, 22)));

    const auto messageOf = [](const QByteArray& json) {
        try {
            parseStrokeOutlines(json, QStringLiteral("甲 (甲.json)"));
        } catch (const DataError& e) {
            return e.message();
        }
        return QString();
    };
    EXPECT_TRUE(messageOf("{\"strokes\": [").startsWith(u"甲 (甲.json)"));
    EXPECT_TRUE(messageOf("{\"medians\": []}").contains(u"no list of stroke paths"));
    EXPECT_TRUE(messageOf("{\"strokes\": []}").contains(u"no list of stroke paths"));
    EXPECT_TRUE(
        messageOf(R"({"strokes": ["M 0 0 L 1 1 Z", "M 0 0 q 1 1 2 2"]})").contains(u"stroke 1"));
}

TEST(StrokeOutlines, ParsesEveryStrokeOfAPublishedCharacter) {
    // 国: eight strokes, the frame closing last.
    QFile file(QStringLiteral(ZILVARO_SOURCE_DIR "/node_modules/hanzi-writer-data/国.json"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "run scripts/setup.sh to install npm packages";
    const auto strokes = parseStrokeOutlines(file.readAll(), QStringLiteral("国"));
    ASSERT_EQ(strokes.size(), 8u);
    for (const QPainterPath& stroke : strokes) {
        const QRectF bounds = stroke.boundingRect();
        EXPECT_GE(bounds.left(), 0);
        EXPECT_LE(bounds.right(), 1024);
        EXPECT_GE(bounds.top(), -124);
        EXPECT_LE(bounds.bottom(), 900);
    }
    // The last stroke is the frame's bottom line, below everything else (y points up).
    EXPECT_LT(strokes[7].boundingRect().top(), strokes[3].boundingRect().top());
}
