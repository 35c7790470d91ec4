#include "common/decomposition_line.h"

#include <gtest/gtest.h>

using zilvaro::tools::DecompositionLine;
using zilvaro::tools::RootField;

namespace {
std::optional<DecompositionLine> parse(const char* text, QString* error = nullptr) {
    return DecompositionLine::parse(QString::fromUtf8(text), error);
}
} // namespace

TEST(CommonDecompositionLine, WritesBackTheLineItRead) {
    for (const char* text : {
             "国\tlgyi\tl\tlgy\tcompound\tl:0,1,7\tg:2,3,4,5\ty:6",
             "好\tvbg\t\tvb\tcompound\tv:0,1,2\tb:3,4,5", // no short code
             "一\tggll\tg\tgg\tstroke\tg:0", "王\tgggg\tg\tgggg\tkey\tg:0,1,2,3",
             "赢\tynky\t\tynky\tcompound\ty:0,1\tn:2\tk:3,4,5\te:6,7,8,9\tm:10,11,12,13\ty:14,15,"
             "16",
             "啊\tkbsk\tk\tkbsk\tcompound\tk:9999\tb:0\ts:1\tk:2", // four-digit strokes
         }) {
        QString error;
        const std::optional<DecompositionLine> line = parse(text, &error);
        ASSERT_TRUE(line.has_value()) << text << ": " << error.toStdString();
        EXPECT_EQ(line->format(), QString::fromUtf8(text));
        EXPECT_EQ(DecompositionLine::parse(line->format(), nullptr), line);
    }
    const DecompositionLine guo = *parse("国\tlgyi\tl\tlgy\tcompound\tl:0,1,7\tg:2,3,4,5\ty:6");
    EXPECT_EQ(guo.roots.first(), (RootField{u'l', {0, 1, 7}}));
    EXPECT_EQ(guo.strokeGroups(), (QVector<QVector<int>>{{0, 1, 7}, {2, 3, 4, 5}, {6}}));
    // Leading zeros are read, and written without.
    EXPECT_EQ(parse("一\tggll\tg\tgg\tstroke\tg:00")->format(), u"一\tggll\tg\tgg\tstroke\tg:0");
}

TEST(CommonDecompositionLine, NamesWhatIsWrongWithAMalformedLine) {
    QString error;
    EXPECT_FALSE(parse("中\tkhk\tk\tkh", &error));
    EXPECT_EQ(error, u"expected at least six tab-separated fields, found 4");
    EXPECT_FALSE(parse("\tkhk\tk\tkh\tcompound\tk:0,1,2\th:3", &error));
    EXPECT_EQ(error, u"no character");
    EXPECT_FALSE(parse("中\tkhk\tk\t\tcompound\tk:0,1,2\th:3", &error)); // no root code
    EXPECT_EQ(error, u"中: codes must be up to four letters a-y");
    EXPECT_FALSE(parse("中\t\tk\tkh\tcompound\tk:0,1,2\th:3")); // no full code
    EXPECT_FALSE(parse("中\tkhkz\tk\tkh\tcompound\tk:0,1,2\th:3"));
    EXPECT_FALSE(parse("中\tkhk\tk\tkh\tcompound\tk:0,1,2\th:3\t")); // an empty last field
    EXPECT_FALSE(parse("中\tkhk\tk\tkh\tcompound\tk:12345"));        // five digits
    EXPECT_FALSE(parse("中\tkhk\tk\tkh\tcompound\tz:0"));            // z is no key
    // Without an error text to fill, a malformed line is still refused.
    EXPECT_FALSE(parse("中\tkhk\tk\tkh\tcompund\tk:0,1,2\th:3"));
}
