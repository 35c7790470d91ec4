#include "common/hanzi_writer.h"

#include "tools_common_files.h"

#include <gmock/gmock.h>

using namespace zilvaro::tools;
using test::failure;
using ::testing::HasSubstr;

namespace {
const QString folder = QStringLiteral(ZILVARO_SOURCE_DIR "/node_modules/hanzi-writer-data");
} // namespace

TEST(HanziWriter, ReadsAPublishedCharacter) {
    // 中: four strokes, the vertical drawn last from top to bottom.
    const HanziWriterEntry entry = readHanziWriterEntry(folder, QStringLiteral("中"));
    ASSERT_EQ(entry.strokes.size(), 4);
    EXPECT_TRUE(entry.strokes[0].isString());
    EXPECT_TRUE(entry.source.startsWith(QStringLiteral("中 (")));
    const QVector<QVector<QPointF>> medians = medianLines(entry);
    ASSERT_EQ(medians.size(), 4);
    EXPECT_GT(medians[3].first().y(), medians[3].last().y()); // y points up
    EXPECT_THAT(failure([] { readHanziWriterEntry(folder, QStringLiteral("x")); }),
                HasSubstr("x: no stroke data ("));
}

TEST(HanziWriter, NamesTheSourceOfAMalformedFile) {
    EXPECT_THAT(failure([] { parseHanziWriterEntry("{\"strokes\": [", "甲 (甲.json)"); }),
                HasSubstr("甲 (甲.json): not valid JSON"));
    const auto mediansOf = [](const QByteArray& json) {
        return failure([&] { medianLines(parseHanziWriterEntry(json, "s")); });
    };
    EXPECT_THAT(mediansOf(R"({"strokes": ["M 0 0 Z", "M 1 1 Z"], "medians": [[[1, 2]]]})"),
                HasSubstr("s: 1 medians for 2 strokes"));
    EXPECT_THAT(mediansOf(R"({"strokes": ["M 0 0 Z"], "medians": [[]]})"),
                HasSubstr("median of stroke 0 has no start point"));
    EXPECT_THAT(mediansOf(R"({"strokes": ["M 0 0 Z"], "medians": [[[1, 2], [3]]]})"),
                HasSubstr("median of stroke 0 has a point that is not x, y"));
    EXPECT_THAT(mediansOf(R"({"strokes": ["M 0 0 Z"], "medians": [[[1, "2"]]]})"),
                HasSubstr("not x, y"));
    EXPECT_EQ(mediansOf(R"({"strokes": ["M 0 0 Z"], "medians": [[[1, 2], [3, 4]]]})"), "");
}
