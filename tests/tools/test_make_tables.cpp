// The table generator's readers and builders, on small inputs.

#include "sources.h"
#include "table_builder.h"
#include "tools_common_files.h"

#include <bzlib.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

using namespace make_tables;
using ::testing::HasSubstr;

namespace {

class Files : public test::InputFiles {
protected:
    QString writeBzip2(const QString& name, const QByteArray& text) {
        QByteArray packed(text.size() + 1024, '\0');
        unsigned size = static_cast<unsigned>(packed.size());
        EXPECT_EQ(BZ2_bzBuffToBuffCompress(packed.data(), &size, const_cast<char*>(text.data()),
                                           static_cast<unsigned>(text.size()), 9, 0, 0),
                  BZ_OK);
        packed.truncate(size);
        return write(name, packed);
    }
};

using test::failure;

Gb2312Character gb(const char* character, unsigned code) {
    return {QString::fromUtf8(character), code};
}

} // namespace

TEST(StrokeClasses, CodeHoldsFirstFourAndLastOrPadsWithZero) {
    EXPECT_EQ(strokeCode({1}), "10000");
    EXPECT_EQ(strokeCode({1, 1, 1, 2}), "11120");
    EXPECT_EQ(strokeCode({1, 1, 2, 1, 4}), "11214");
    EXPECT_EQ(strokeCode({2, 5, 2, 3, 3, 5, 4, 1, 2, 2}), "25232");
}

TEST(Readings, PlainReadingDropsTonesAndWritesUmlautAsU) {
    EXPECT_EQ(plainReading("lǜ", "x"), "lu");
    EXPECT_EQ(plainReading("nüè", "x"), "nue");
    EXPECT_EQ(plainReading("ḿ", "x"), "m");
    EXPECT_EQ(plainReading("Zhuàng", "x"), "zhuang");
    EXPECT_THAT(failure([] { plainReading("ni3", "f.txt: line 7"); }), HasSubstr("line 7"));
    EXPECT_THROW(plainReading("", "x"), DataError);
}

TEST(Readings, StandardReadingsComeFromTheStandardDictionaryFirst) {
    UnihanEntry xing;
    xing.mandarin = {"xíng"};
    xing.tghz2013 = {"háng", "héng", "xíng"};
    xing.xhc1983 = {"háng", "hàng", "héng", "xíng"};
    xing.pinlu = {{"xíng", 2943}, {"háng", 218}};
    EXPECT_EQ(standardReadings(xing), (QStringList{"háng", "héng", "xíng"}));
    // The most frequent first; readings without a count after, in their standard order.
    EXPECT_EQ(readingsByFrequency(xing), (QStringList{"xíng", "háng", "héng"}));
    // A count of a reading that is not standard (a neutral tone) changes nothing.
    UnihanEntry ba;
    ba.tghz2013 = {"bā"};
    ba.pinlu = {{"ba", 207}, {"bā", 14}};
    EXPECT_EQ(readingsByFrequency(ba), QStringList{"bā"});
    // Without kTGHZ2013: kMandarin, then the further readings of kXHC1983.
    UnihanEntry pan;
    pan.mandarin = {"pàn"};
    pan.xhc1983 = {"pàn", "pīn"};
    EXPECT_EQ(standardReadings(pan), (QStringList{"pàn", "pīn"}));
    UnihanEntry shou;
    shou.mandarin = {"shou"};
    EXPECT_EQ(standardReadings(shou), QStringList{"shou"});
    EXPECT_TRUE(standardReadings(UnihanEntry{}).isEmpty());
}

TEST(Readings, PlanGivesARowForEveryStandardReading) {
    const QList<Gb2312Character> chars = {gb("啊", 0xB0A1), gb("铛", 0xEEF5), gb("呒", 0xDFBC),
                                          gb("谁", 0xCBAD), gb("扌", 0xDEBF), gb("丂", 0xF7FE)};
    QHash<QString, UnihanEntry> unihan;
    unihan["啊"].tghz2013 = {"a", "ā", "á"}; // tones of one syllable: one row
    unihan["铛"].mandarin = {"dāng"};
    unihan["铛"].tghz2013 = {"chēng", "dāng"};
    unihan["呒"].mandarin = {"wǔ"};
    unihan["呒"].tghz2013 = {"ḿ"};
    unihan["谁"].tghz2013 = {"shéi", "shuí"};
    unihan["谁"].pinlu = {{"shuí", 10}, {"shéi", 90}};
    unihan["扌"].mandarin = {"shou"};
    const QStringList syllables = {"a", "cheng", "dang", "m", "shei", "shou", "shui"};

    const PinyinPlan plan = planReadings(chars, unihan, syllables);
    QHash<QString, CharacterReadings> got;
    for (const CharacterReadings& r : plan.readings) {
        got.insert(r.character.character, r);
    }
    EXPECT_EQ(got.value("啊").syllables, QStringList{"a"});
    EXPECT_EQ(got.value("啊").toned, (QStringList{"a", "ā", "á"}));
    EXPECT_EQ(got.value("铛").syllables, (QStringList{"cheng", "dang"}));
    EXPECT_EQ(got.value("呒").syllables, QStringList{"m"}); // kMandarin's wu is not standard
    EXPECT_EQ(got.value("谁").syllables, (QStringList{"shei", "shui"}));
    EXPECT_EQ(got.value("谁").toned, (QStringList{"shéi", "shuí"}));
    EXPECT_EQ(got.value("扌").toned, QStringList{"shou"});
    EXPECT_EQ(plan.unread, QStringList{"丂"});

    // A reading that is none of the syllables, and a syllable no character is read with,
    // fail loudly.
    EXPECT_THAT(failure([&] { planReadings(chars, unihan, syllables.mid(1)); }),
                HasSubstr("啊 is read \"a\""));
    EXPECT_THAT(failure([&] { planReadings(chars, unihan, syllables + QStringList{"zuo"}); }),
                HasSubstr("zuo"));
}

TEST(Readings, ListsOfToneMarkedReadingsAndOfCodesAreCharacterLists) {
    PinyinPlan plan;
    plan.readings = {{gb("行", 0xD0D0), {"hang", "heng", "xing"}, {"xíng", "háng", "héng"}},
                     {gb("字", 0xD7D6), {"zi"}, {"zì"}}};
    const QByteArray readings = tonedReadingsList(plan);
    EXPECT_TRUE(readings.startsWith("# Generated by tools/make_tables"));
    EXPECT_TRUE(readings.endsWith("\n行\txíng háng héng\n字\tzì\n")) << readings.toStdString();

    const QList<Gb2312Character> chars = {gb("字", 0xD7D6), gb("父", 0xB8B8)};
    const QByteArray codes = wubiCodesList(chars, {{"字", {"pb", "pbf"}}, {"父", {"wqu"}}});
    EXPECT_TRUE(codes.endsWith("\n字\tpb pbf\n父\twqu\n")) << codes.toStdString();
    EXPECT_THAT(failure([&] { wubiCodesList(chars, {{"字", {"pb"}}}); }), HasSubstr("父"));
}

TEST(Readings, PinyinSegmentsHaveRowsInOrderAndABlankRow) {
    PinyinPlan plan;
    plan.readings = {{gb("阿", 0xB0A2), {"a"}, {"ā"}},
                     {gb("啊", 0xB0A1), {"a"}, {"a"}},
                     {gb("窗", 0xB4B0), {"chuang"}, {"chuāng"}},
                     {gb("压", 0xD1B9), {"ya"}, {"yā"}}};
    const std::array<QByteArray, 5> segments = pinyinSegments(plan);
    EXPECT_EQ(segments[0], QByteArray("\xB0\xA1"
                                      "a     \r\n"
                                      "\xB0\xA2"
                                      "a     \r\n"
                                      "\xB4\xB0"
                                      "chuang\r\n        \r\n"));
    EXPECT_EQ(segments[1], QByteArray("        \r\n"));
    EXPECT_EQ(segments[4], QByteArray("\xD1\xB9"
                                      "ya    \r\n        \r\n"));
}

TEST(Strokes, RowsOrderedByCodeLevelAndFrequency) {
    StrokeOrders orders;
    orders.letters = {{u'j', {"横", "平笔"}}, {u'f', {"竖", "平笔"}}, {u'o', {"横斜钩", "折笔"}}};
    orders.orders = {{"十", "jf"}, {"一", "j"}, {"乙", "o"}, {"丁", "jg"}};
    const QList<SupplementLine> supplement = {{"丨", "f"}};
    const QList<Gb2312Character> chars = {gb("一", 0xD2BB), gb("乙", 0xD2D2), gb("十", 0xCAAE),
                                          gb("丨", 0xD8AD)};
    EXPECT_THAT(
        failure([&] { strokeRows(chars + QList{gb("丁", 0xB6A1)}, orders, supplement, {}); }),
        HasSubstr("unknown stroke letter \"g\""));
    orders.orders.remove("丁");

    const QList<StrokeRow> rows = strokeRows(chars, orders, supplement, {{"一", 2}});
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[0].code, "10000");
    EXPECT_EQ(rows[1].code, "12000");
    EXPECT_EQ(rows[2].character.character, "丨");
    EXPECT_EQ(rows[3].code, "50000");
    EXPECT_EQ(strokeSegments(rows)[1], QByteArray("\xD8\xAD"
                                                  "20000\r\n"));

    // Two characters of one code: level 1 first, then by frequency rank, unranked last.
    const QList<Gb2312Character> same = {gb("乙", 0xD2D2), gb("乚", 0xD8BF), gb("乛", 0xD8C0)};
    orders.orders.insert("乚", "o");
    orders.orders.insert("乛", "o");
    const QList<StrokeRow> ordered = strokeRows(same, orders, {}, {{"乛", 5}, {"乙", 900}});
    EXPECT_EQ(ordered[0].character.character, "乙");
    EXPECT_EQ(ordered[1].character.character, "乛");
    EXPECT_EQ(ordered[2].character.character, "乚");

    EXPECT_THAT(failure([&] { strokeRows(chars, orders, {}, {}); }), HasSubstr("丨"));
    // A supplement entry for a character the package has corrects the package's strokes.
    const QList<StrokeRow> corrected = strokeRows(chars, orders, {{"丨", "f"}, {"一", "f"}}, {});
    const auto row = std::find_if(corrected.begin(), corrected.end(),
                                  [](const StrokeRow& r) { return r.character.character == "一"; });
    ASSERT_NE(row, corrected.end());
    EXPECT_EQ(row->code, "20000");
}

TEST_F(Files, ReadsFrequencyRanks) {
    const QString good =
        write("freq.js", "module.exports = `1\t的\t7922684\t4.1\tde\n2\t一\t3050722\t5.6\tyi1`;");
    const QHash<QString, int> ranks = readFrequencyRanks(good);
    EXPECT_EQ(ranks.value("的"), 1);
    EXPECT_EQ(ranks.value("一"), 2);
    const QString bad = write("bad.js", "module.exports = `1\t的\t7\nx\t一\t3`;");
    EXPECT_THAT(failure([&] { readFrequencyRanks(bad); }), HasSubstr("bad.js: line 2"));
}

TEST_F(Files, ReadsUnihanFromBzip2AndNamesTheLineOfAFault) {
    const QString good = writeBzip2(
        "good.bz2", "# header\nU+94DB\tkMandarin\tdāng\nU+94DB\tkTGHZ2013\t043.040:chēng "
                    "066.090:dāng\nU+4E86\tkHanyuPinlu\tle(30101) liǎo(654)\n"
                    "U+4E00\tkMandarin\tyī\n");
    const QHash<QString, UnihanEntry> entries = readUnihan(good, {{"铛", 1}, {"了", 1}});
    EXPECT_EQ(entries.value("铛").mandarin, QStringList{"dāng"});
    EXPECT_EQ(entries.value("铛").tghz2013, (QStringList{"chēng", "dāng"}));
    ASSERT_EQ(entries.value("了").pinlu.size(), 2);
    EXPECT_EQ(entries.value("了").pinlu[1].first, "liǎo");
    EXPECT_FALSE(entries.contains("一")); // not wanted

    const QString bad =
        writeBzip2("bad.bz2", "# header\nU+94DB\tkMandarin\tdāng\nU+94DB kMandarin\n");
    EXPECT_THAT(failure([&] { readUnihan(bad, {}); }), HasSubstr("bad.bz2: line 3"));

    QFile packed(good);
    ASSERT_TRUE(packed.open(QIODevice::ReadOnly));
    const QString truncated = write("cut.bz2", packed.readAll().chopped(20));
    EXPECT_THAT(failure([&] { readUnihan(truncated, {}); }), HasSubstr("cut.bz2"));
}
